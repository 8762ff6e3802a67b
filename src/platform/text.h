#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forecast::platform {

bool EqualsNoCase(std::string_view a, std::string_view b);
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
std::string Trim(std::string_view text);
std::vector<std::string> Split(std::string_view text, char separator);
// Words separated by any run of blanks or tabs.
std::vector<std::string> SplitWords(std::string_view text);

// Reads the decimal number at the start of a text after leading blanks, as the
// suite's readers do: "12.70" gives 12.7, "12,7" gives 12, "abc" gives 0.
double LeadingNumber(std::string_view text);
// The whole trimmed text as a number, or nothing when it is not one.
std::optional<double> ParseNumber(std::string_view text);

// The number in the shortest decimal form that reads back to the same double.
std::string FormatShortest(double value);
// A number with a fixed count of decimals, rounded half away from zero as the
// picture formats "0.0000" and "0.000" do.
std::string FormatFixed(double value, int decimals);

}  // namespace forecast::platform
