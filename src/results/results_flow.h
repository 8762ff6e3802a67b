#pragma once

#include "core/app_services.h"

namespace forecast::results {

// Continue on the page that follows a finished forecast: rebuild the run's
// result database, load both forecasts and go on to the review selection, or
// report the failed forecast and send the user to rerun it.
void BuildAndLoadResults(AppServices& app);

// Continue on the review selection page: the map when the switch file says
// so, otherwise the choice of the next run.
void LeaveReviewSelection(AppServices& app);

inline constexpr const char* kForecastFailedMessage =
    "An error has occurred during your Forecast run. Please press OK to be returned to the screen to rerun your "
    "Forecast.";

}  // namespace forecast::results
