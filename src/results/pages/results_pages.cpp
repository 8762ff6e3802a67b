#include "results/pages/results_pages.h"

namespace forecast::pages {

Page* CreateForecastDonePage(AppServices& app);
Page* CreateReviewSelectionPage(AppServices& app);

void RegisterResultsPages(PageFactories& factories) {
  factories.Add("p7_9", CreateForecastDonePage);
  factories.Add("p7_30_4", CreateReviewSelectionPage);
  factories.Add("P7_45", CreateCategoryChangePage);
  factories.Add("P7_30_2", CreateTotalsChangePage);
  factories.Add("P7_30_3", CreateRatiosPage);
}

}  // namespace forecast::pages
