#include "results/results_flow.h"

#include "results/forecast_loaders.h"
#include "results/result_database_builder.h"
#include "results/review_selection.h"

namespace forecast::results {

void BuildAndLoadResults(AppServices& app) {
  const bool loaded = BuildResultDatabase(app.session, app.messages) && LoadEmploymentForecast(app.session, app.messages) &&
                      LoadHouseholdForecast(app.session, app.messages);
  if (loaded) {
    app.session.currentPeriodIndex = 1;
    app.navigator.ShowPage("P7_30_4");
  } else {
    app.messages.Show(kForecastFailedMessage, "VORAN");
    app.navigator.ShowPage("P7_8_1a");
  }
}

void LeaveReviewSelection(AppServices& app) {
  app.navigator.ShowPage(MapItSwitchOn(app.session.appFolder) ? "MAPIT_7_1" : "P7_8_1");
}

}  // namespace forecast::results
