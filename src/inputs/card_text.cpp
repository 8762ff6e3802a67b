#include "inputs/card_text.h"

#include "platform/text.h"

#include <algorithm>
#include <cstdio>

namespace forecast::inputs {

std::string PadLeft(std::string_view text, int width) {
  const size_t n = static_cast<size_t>(std::max(width, 0));
  if (text.size() >= n) return std::string(text.substr(0, n));
  return std::string(n - text.size(), ' ') + std::string(text);
}

std::string PadRight(std::string_view text, int width) {
  const size_t n = static_cast<size_t>(std::max(width, 0));
  if (text.size() >= n) return std::string(text.substr(0, n));
  return std::string(text) + std::string(n - text.size(), ' ');
}

std::string LeftChars(std::string_view text, int count) {
  return std::string(text.substr(0, static_cast<size_t>(std::max(count, 0))));
}

std::string FormatTwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

std::string FormatDecimals(const platform::Value& value, int decimals) {
  if (value.IsNull()) return "";
  if (const std::optional<double> number = value.AsNumber()) return platform::FormatFixed(*number, decimals);
  return value.ToText();
}

}  // namespace forecast::inputs
