#pragma once

#include "core/app_services.h"

#include <functional>

namespace forecast::runs {

// How the file check ended.
enum class FileCheckOutcome {
  Done,
  ReadError,      // a file that must be read is empty
  NotFound,       // a file could not be found or copied
  SystemFailure,  // the attractiveness modification failed
};

// Stage 1: gathers the calibration, data and impedance files into the
// forecasting folders, with a copy per forecast period of the current run.
FileCheckOutcome GatherForecastFiles(const SessionState& session);

// Stage 2: writes the ATRMOD card and runs ATRMODT.EXE for employment ("EMP")
// and then households ("RES"), and files the K-factor files per period.
// `serveWindow` lets the window work while the outputs are awaited, which
// happens for at most `outputWaitMs` after the program has ended.
FileCheckOutcome RunAttractivenessModification(AppServices& app, const std::function<void()>& serveWindow,
                                               int outputWaitMs = 3000);

// GO on the file check page: both stages; the message of a failure is shown.
FileCheckOutcome RunFileCheck(AppServices& app, const std::function<void()>& serveWindow);

inline constexpr const char* kReadErrorMessage = "Error! VORAN is unable to read your files for forecasting.";
inline constexpr const char* kNotFoundMessage = "Error! VORAN was unable to find your files.";
inline constexpr const char* kSystemFailureMessage = "SYSTEM FAILURE. Please exit the VORAN System.";

}  // namespace forecast::runs
