#pragma once

#include "core/session_state.h"
#include "platform/process_runner.h"

#include <chrono>
#include <functional>
#include <string>

namespace forecast::impedance {

// How long, after the converter has ended, its statistics file is waited
// for, and what is done meanwhile.
struct StatisticsWait {
  std::chrono::milliseconds limit{5000};
  std::chrono::milliseconds pollInterval{25};
  std::function<void()> serveEvents;       // keeps the window system served
  std::function<bool()> pageStillOpen;     // the wait ends when the page is gone
};

// How the conversion and check ended.
struct ConversionOutcome {
  enum class Kind {
    Checked,  // values compared; on to the check report
    Failed,   // show the message and stay on the page
  };
  Kind kind = Kind::Checked;
  bool discrepancy = false;
  std::string message;
  std::string title;
};

inline constexpr const char* kUnreadableMessage =
    "Your impedance file cannot be read. Please exit and review the Forecast Year Impedance file with your "
    "Transportation Staff.";
inline constexpr const char* kDiscrepancyMessage =
    "There are discrepancies between the impedance data you entered and the data gathered from IMPD.txt.";
inline constexpr const char* kConverterFailedMessage = "end3";
inline constexpr const char* kStatisticsFailedMessage = "end4";
inline constexpr const char* kConverterFailedTitle = "voran";

// Runs the converter on DATA\IMPD.TXT, waits a bounded time for its
// statistics, reads them into the session and compares them with the values
// entered for the current file. Outputs of an earlier conversion are removed
// first, so that a converter that writes nothing is never taken for one that
// succeeded.
ConversionOutcome ConvertAndCheck(SessionState& session, platform::ProcessRunner& processes,
                                  const StatisticsWait& wait);

}  // namespace forecast::impedance
