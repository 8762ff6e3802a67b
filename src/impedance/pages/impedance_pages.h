#pragma once

#include "core/pages/wizard_window.h"

namespace forecast::pages {

// The forecast-year impedance pages, p7_13 to P7_27 with the troubleshooting page P7_22_1.
void RegisterImpedancePages(PageFactories& factories);

}  // namespace forecast::pages
