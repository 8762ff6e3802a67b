#pragma once

#include "core/session_state.h"

#include <array>
#include <string>

namespace forecast::impedance {

// How the choice of impedance years ended.
struct YearChoiceOutcome {
  enum class Kind {
    Accepted,  // count and years stored: on to the list of files
    Message,   // show the message (title "VORAN") and stay
    OffGrid,   // a year off the five-year grid: show the explanation page
  };
  Kind kind = Kind::Accepted;
  std::string message;
};

inline constexpr const char* kCountMessage =
    "Please enter a valid number of new forecast time periods. This must be 6 or fewer periods.";
inline constexpr const char* kYearsMessage = "Please enter valid years based on number of new forecast time periods.";
inline constexpr int kMaxImpedanceFiles = 6;

// Checks the count and the year boxes and stores what is valid in the session
// for the current run. Years found valid before a failing one stay stored.
YearChoiceOutcome ChooseImpedanceYears(SessionState& session, const std::string& countText,
                                       const std::array<std::string, kMaxImpedanceFiles>& yearTexts);

// The year of impedance file f of the current run, 0 when there is none.
int ImpedanceYear(const SessionState& session, int file);
// The year of the file being checked.
int CurrentImpedanceYear(const SessionState& session);

}  // namespace forecast::impedance
