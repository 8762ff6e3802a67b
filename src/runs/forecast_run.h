#pragma once

#include "core/app_services.h"

#include <functional>
#include <string>

namespace forecast::runs {

// The periods of the current run.
int RunPeriodCount(const SessionState& session);

// Writes the EMPAL and the DRAM card of every period of the current run; false
// at the first card that could not be written (its writer has said why).
bool WriteAllCards(AppServices& app);

// The forecasting folder's copy of settings.txt, which the model programs read.
bool CopySettingsForModels(const SessionState& session);

// How many periods, from the first, have both their EMPAL and DRAM reports
// filed: those periods are done and need no new run.
int FinishedPeriods(const SessionState& session);

// What the run tells the page while it works.
struct ForecastProgress {
  std::function<void(int period, int periods, int year)> periodStarted;
  std::function<void(int period)> periodFinished;
};

enum class ForecastOutcome { Completed, Failed };

// GO on the forecast page: runs EMPALT.EXE, DRAMT.EXE and FCSTCNVT.EXE for
// every period, files the outputs under their per-period names, copies the
// text forecasts to GIS and chains each period into the next. A failed
// program run is shown and its period run again, at most twice more; then,
// as for an empty output, the run stops with the troubleshooting message.
ForecastOutcome RunForecast(AppServices& app, const ForecastProgress& progress);

// The text of the busy notice for a period.
std::string ProcessingText(int year);

inline constexpr int kMaxRetries = 2;
inline constexpr const char* kProgramFailedMessage =
    "An error occurred while running Forecasting. Please exit VORAN and please seek assistance from a VORAN "
    "representative.";
inline constexpr const char* kStartFailedMessage =
    "There was an error in processing. Once you click OK, Forecasting will rerun. Forecast year: ";
inline constexpr const char* kForecastProblemMessage =
    "Error! You have experienced a Forecasting problem. Please exit VORAN and contact your VORAN representatives for "
    "assistance.";

}  // namespace forecast::runs
