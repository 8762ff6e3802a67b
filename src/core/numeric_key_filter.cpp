#include "core/numeric_key_filter.h"

#include <cctype>

namespace forecast {

std::optional<int> NumericKeyFilter(int keyCode, std::string_view allowed, platform::MessageSink& messages) {
  if (keyCode < 32) return keyCode;
  const int upper = keyCode < 128 ? std::toupper(keyCode) : keyCode;
  if (upper < 128 && allowed.find(static_cast<char>(upper)) != std::string_view::npos) return upper;
  messages.Show("Please enter a number.", "VORAN");
  return std::nullopt;
}

}  // namespace forecast
