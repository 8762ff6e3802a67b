#pragma once

#include "core/session_state.h"
#include "platform/clock.h"
#include "platform/messages.h"

#include <string_view>

namespace forecast::inputs {

// What the card writers read and whom they tell of a failure.
struct CardContext {
  SessionState& session;
  platform::MessageSink& messages;
  const platform::Clock& clock;
};

// Each writer builds the whole card before it replaces the file. A failure
// (a missing table, column or projection row, too few rows in a regional
// table, a file that cannot be written) is shown under the title "VORAN",
// naming the table and the year; no card of that name is left behind and the
// writer returns false, so the run can stop before the models read a broken
// card. A parameter table without rows is the one failure the models have
// always been run with: the database message is shown and an empty line
// stands in for the category.

// EMPAL yy run .CRD of the current run, for forecast year `year` of period `period`.
bool WriteEmpalCard(CardContext& context, int year, int period);
// DRAM yy run .CRD of the current run. Also takes the regional commuting
// values into the session.
bool WriteDramCard(CardContext& context, int year, int period);
// ATRMOD.CRD for the side "EMP" or "RES"; any other side gives only the empty line.
bool WriteAtrmodCard(CardContext& context, std::string_view side);

inline constexpr const char* kDatabaseErrorMessage = "Database error. Please exit VORAN.";

}  // namespace forecast::inputs
