#pragma once

#include "platform/messages.h"

#include <optional>
#include <string_view>

namespace forecast {

// Lets a key through a number box: control keys (codes below 32) pass as they
// are, an allowed character passes in upper case, anything else is swallowed
// after "Please enter a number.".
std::optional<int> NumericKeyFilter(int keyCode, std::string_view allowed, platform::MessageSink& messages);

inline constexpr std::string_view kDigits = "0123456789";

}  // namespace forecast
