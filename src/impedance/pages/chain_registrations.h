#pragma once

#include "core/pages/wizard_window.h"

namespace forecast::pages {

// The pages of the chain, by the step they carry.
void RegisterIntroductionPages(PageFactories& factories);    // p7_13, p7_14, P7_14a
void RegisterYearPages(PageFactories& factories);            // p7_15, p7_16
void RegisterPreparationPages(PageFactories& factories);     // P7_17, P7_30, p7_18_1
void RegisterControlValuePages(PageFactories& factories);    // P7_19, P7_20
void RegisterFileCheckPages(PageFactories& factories);       // P7_21, P7_22, P7_22_1, P7_23
void RegisterCheckResultPages(PageFactories& factories);     // P7_24, P7_25, P7_26, P7_27

}  // namespace forecast::pages
