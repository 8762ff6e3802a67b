#include "platform/text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace forecast::platform {

namespace {
char UpperChar(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
char LowerChar(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return UpperChar(x) == UpperChar(y); });
}

std::string ToUpper(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), UpperChar);
  return out;
}

std::string ToLower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), LowerChar);
  return out;
}

std::string Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t at = text.find(separator, start);
    if (at == std::string_view::npos) {
      parts.emplace_back(text.substr(start));
      return parts;
    }
    parts.emplace_back(text.substr(start, at - start));
    start = at + 1;
  }
}

std::vector<std::string> SplitWords(std::string_view text) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    const size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

double LeadingNumber(std::string_view text) {
  const std::string trimmed = Trim(text);
  // Only sign, digits, one point and an exponent form a number; "12,7" stops at the comma.
  size_t i = 0;
  const size_t n = trimmed.size();
  if (i < n && (trimmed[i] == '+' || trimmed[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && std::isdigit(static_cast<unsigned char>(trimmed[i]))) { ++i; ++digits; }
  if (i < n && trimmed[i] == '.') {
    ++i;
    while (i < n && std::isdigit(static_cast<unsigned char>(trimmed[i]))) { ++i; ++digits; }
  }
  if (digits == 0) return 0.0;
  if (i < n && (trimmed[i] == 'e' || trimmed[i] == 'E')) {
    size_t j = i + 1;
    if (j < n && (trimmed[j] == '+' || trimmed[j] == '-')) ++j;
    const size_t expStart = j;
    while (j < n && std::isdigit(static_cast<unsigned char>(trimmed[j]))) ++j;
    if (j > expStart) i = j;
  }
  return std::strtod(trimmed.substr(0, i).c_str(), nullptr);
}

std::optional<double> ParseNumber(std::string_view text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return std::nullopt;
  const char* begin = trimmed.data();
  const char* end = begin + trimmed.size();
  if (*begin == '+') ++begin;
  double value = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::string FormatShortest(double value) {
  if (value == 0) return "0";
  char buffer[64];
  const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, ptr) : std::to_string(value);
}

std::string FormatFixed(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  // Nudge by a relative epsilon so that 0.00005 written in binary as 0.0000499..
  // still rounds up, as the picture format rounds the decimal it shows.
  const double scaled = value * scale;
  double rounded = std::round(scaled + std::copysign(std::abs(scaled) * 1e-12, scaled));
  if (rounded == 0) rounded = 0;  // no "-0.0000"
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded / scale);
  return buffer;
}

}  // namespace forecast::platform
