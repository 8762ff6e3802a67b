#pragma once

#include "core/command_line.h"
#include "platform/messages.h"
#include "platform/process_runner.h"

#include <ostream>

namespace forecast::runs {

// Exit codes of a batch forecast.
inline constexpr int kBatchSucceeded = 0;
inline constexpr int kBatchFailed = 1;
inline constexpr int kBatchBadArguments = 2;

// Walks the road of a forecast without the wizard, through the same steps as
// its buttons: start-up, the file check with the attractiveness modification,
// the cards of every period, the forecast of every period, then the result
// database and its loaders. Prints a line per step and period with its time;
// messages go to `messages`.
int RunBatchForecast(const CommandLine& line, std::ostream& out, platform::MessageSink& messages,
                     platform::ProcessRunner& processes);

}  // namespace forecast::runs
