#pragma once

#include "core/pages/wizard_window.h"

namespace forecast::pages {

// The welcome page p7_1, the exit page P7_e and the end page P7_50.
void RegisterEndPages(PageFactories& factories);

}  // namespace forecast::pages
