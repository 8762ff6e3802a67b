#pragma once

#include "core/pages/page.h"

namespace forecast::pages {

// P7_8_4: the projections of the current run in a grid of boxes, written back
// when the page closes by Continue, Exit or the window's close, and dropped by Back.
Page* NewProjectionsPage(AppServices& app);

}  // namespace forecast::pages
