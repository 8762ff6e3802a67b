#include "results/number_text.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace forecast::results {

namespace {

std::string Significant(double value, int digits) {
  if (value == 0) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
  std::string text = buffer;
  // %G keeps trailing zeros of the fraction in exponent form only; tidy both forms.
  const size_t exponent = text.find('E');
  std::string mantissa = exponent == std::string::npos ? text : text.substr(0, exponent);
  const std::string tail = exponent == std::string::npos ? "" : text.substr(exponent);
  if (mantissa.find('.') != std::string::npos) {
    while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
    if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
  }
  return mantissa + tail;
}

}  // namespace

std::string GeneralText(double value) { return Significant(value, 15); }
std::string GeneralText(float value) { return Significant(static_cast<double>(value), 7); }

double RoundHalfEven(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const int previous = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double rounded = std::nearbyint(value * scale) / scale;
  std::fesetround(previous);
  return rounded;
}

}  // namespace forecast::results
