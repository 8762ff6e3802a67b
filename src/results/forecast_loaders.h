#pragma once

#include "core/session_state.h"
#include "platform/messages.h"

#include <optional>
#include <string>
#include <vector>

namespace forecast::results {

// One zone line of a forecast file cut into its columns the lenient way the
// suite reads them: a zone or category column needs a comma after it, a later
// column reads the number at the start of what remains, and once no comma is
// left every further column reads the same remaining text. A column with
// nothing left stays unset. Nothing when a zone or category column has no
// comma after it.
std::optional<std::vector<std::optional<double>>> SplitForecastLine(const std::string& line, int columns);

// Loads every period's employment (household) forecast of the current run
// into its result database, one transaction per period, so that a failed
// period leaves its table empty. False after the failure message.
bool LoadEmploymentForecast(const SessionState& session, platform::MessageSink& messages);
bool LoadHouseholdForecast(const SessionState& session, platform::MessageSink& messages);

inline constexpr const char* kLoadFailedMessage =
    "One or more of your land use values is too large to complete the model forecast. Please make sure that the units "
    "of your land use values are in acres.";

}  // namespace forecast::results
