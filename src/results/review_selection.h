#pragma once

#include "core/session_state.h"
#include "platform/messages.h"

#include <filesystem>
#include <string>
#include <vector>

namespace forecast::results {

// The run list of the selection page: a single blank first, then one entry
// per run, "BL: Baseline forecast", so an entry's position is the run's index.
std::vector<std::string> RunListEntries(const SessionState& session);

// Sets the period captions of a run ("2000-2005", "2005-2010", ...) and
// returns them in order; empty when the run is out of range.
std::vector<std::string> SetPeriodLabels(SessionState& session, int run);

// True when an entry of the run list is no run at all.
bool IsInvalidRunEntry(const std::string& entry);

// GO: remembers the chosen run and period (positions counted from 0 in the
// lists) and tells whether the run's result database exists; when it does not,
// the not-completed message has been shown.
bool ChooseReview(SessionState& session, int runPosition, int periodPosition, platform::MessageSink& messages);

// The MAP IT switch: the first line of VORAN_SYS\mapit.txt says "True" after its first colon.
bool MapItSwitchOn(const std::filesystem::path& appFolder);

inline constexpr const char* kInvalidRunMessage = "Your selection is not a valid option. Please select another forecast run.";

}  // namespace forecast::results
