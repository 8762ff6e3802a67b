#pragma once

#include "core/session_state.h"

#include <string>

namespace forecast::policy {

// Makes run `index` (1-based) the one current run, in table runtype and in the
// session's run arrays, as choosing a run to rerun does. False, with the
// reason, when the table cannot be changed; nothing is changed then.
bool MakeRunCurrent(SessionState& session, int index, std::string* error);

}  // namespace forecast::policy
