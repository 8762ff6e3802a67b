#pragma once

#include "core/session_state.h"

#include <optional>
#include <string>

namespace forecast::impedance {

// The message for the first empty box, in the order the values are asked
// for: average, smallest, largest, then top and bottom block value k in
// turn; nothing when every box is filled.
std::optional<std::string> FirstMissingControlValue(const ImpedanceControlValues& values);

// Stores the values of the file being checked when all are present;
// otherwise returns the message to show and stores nothing.
std::optional<std::string> StoreControlValues(SessionState& session, const ImpedanceControlValues& values);

// The stored values of the file being checked (empty before any were entered).
ImpedanceControlValues StoredControlValues(const SessionState& session);

}  // namespace forecast::impedance
