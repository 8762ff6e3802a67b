#pragma once

#include "core/session_state.h"
#include "platform/messages.h"
#include "results/review_report.h"

#include <string>
#include <vector>

namespace forecast::results {

// Chooses a run and one of its periods for review, as GO on the selection
// page does. False, after the message, when there is no such run or period or
// the run has no result database.
bool ChooseReviewByCode(SessionState& session, const std::string& runCode, int period, platform::MessageSink& messages);

// The three report pages as plain text, with the pages' captions, numbers,
// number texts and warning lines in the pages' order.
std::vector<std::string> ReportText(const SessionState& session, const CategoryChangePage& page1,
                                    const TotalsChangePage& page2, const RatiosPage& page3);

}  // namespace forecast::results
