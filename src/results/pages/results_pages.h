#pragma once

#include "core/pages/wizard_window.h"

namespace forecast::pages {

// p7_9, p7_30_4 and the three report pages P7_45, P7_30_2 and P7_30_3.
void RegisterResultsPages(PageFactories& factories);

// The report pages, built for printing without the wizard around them.
Page* CreateCategoryChangePage(AppServices& app);
Page* CreateTotalsChangePage(AppServices& app);
Page* CreateRatiosPage(AppServices& app);

}  // namespace forecast::pages
