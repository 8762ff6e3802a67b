#pragma once

#include "core/pages/wizard_window.h"

namespace forecast::pages {

// The introduction pages p7_2, p7_2a and p7_26_1 and the projections page P7_8_4.
void RegisterPolicyInputPages(PageFactories& factories);

}  // namespace forecast::pages
