#include "models/model_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace forecast::models {

std::string TrimBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(kBlanks);
  return std::string(text.substr(first, last - first + 1));
}

std::string ColumnText(std::string_view line, size_t start, size_t width) {
  if (start >= line.size()) return {};
  return TrimBlanks(line.substr(start, width));
}

std::optional<double> ReadNumber(std::string_view text) {
  const std::string trimmed = TrimBlanks(text);
  if (trimmed.empty()) return std::nullopt;
  const char* first = trimmed.data();
  const char* last = first + trimmed.size();
  if (*first == '+') ++first;
  double value = 0;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string PlainDecimal(double value) {
  if (value == 0) return "0";  // also turns -0 into 0
  char buffer[400];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (ec != std::errc()) return Decimals(value, 6);
  return std::string(buffer, end);
}

std::string Decimals(double value, int decimals) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  // "-0.00" reads badly in a report.
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string RightAligned(std::string_view text, size_t width) {
  if (text.size() >= width) return std::string(text);
  return std::string(width - text.size(), ' ') + std::string(text);
}

std::string LeftAligned(std::string_view text, size_t width) {
  std::string out(text);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

std::vector<std::string> SplitValues(std::string_view line) {
  std::vector<std::string> pieces;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == ',' || line[i] == '\r')) ++i;
    const size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != ',' && line[i] != '\r') ++i;
    if (i > start) pieces.emplace_back(line.substr(start, i - start));
  }
  return pieces;
}

}  // namespace forecast::models
