#pragma once

#include "core/session_state.h"

#include <string>

namespace forecast::policy {

// The index of the run with this code in the run table, 0 when there is none.
int FindRun(const SessionState& session, const std::string& runCode);

// Makes run `index` (1-based) the one current run, in table runtype and in the
// session's run arrays, as choosing a run to rerun does. False, with the
// reason, when the table cannot be changed; nothing is changed then.
bool MakeRunCurrent(SessionState& session, int index, std::string* error);

}  // namespace forecast::policy
