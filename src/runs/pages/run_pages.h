#pragma once

#include "core/pages/wizard_window.h"

namespace forecast::pages {

// The file check P7_3 with its troubleshooting page P7_3a, and the forecast
// pages p7_4, p7_7 and P7_8.
void RegisterRunPages(PageFactories& factories);

}  // namespace forecast::pages
