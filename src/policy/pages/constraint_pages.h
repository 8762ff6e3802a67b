#pragma once

#include "core/pages/wizard_window.h"

namespace forecast::pages {

// The constraint question pages P7_5 and P7_5_1 to P7_5_4 and their help pages.
// The dialogs P7_5_BC, P7_5_C and P7_5_5 open from those pages, not by name.
void RegisterConstraintPages(PageFactories& factories);

}  // namespace forecast::pages
