#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Small text helpers of the model programs; they stay free of Qt so that the
// programs start fast and need nothing beside themselves.
namespace forecast::models {

std::string TrimBlanks(std::string_view text);

// Characters [start, start + width) of a line (0-based start), blanks trimmed;
// empty where the line is shorter.
std::string ColumnText(std::string_view line, size_t start, size_t width);

// The whole text as a finite number, or nothing ("", "1.5x", "nan" are not).
std::optional<double> ReadNumber(std::string_view text);

// The number in plain decimal notation (no exponent), with the fewest digits
// that read back to the same double: 0.1, 1234.5, 0.00001.
std::string PlainDecimal(double value);

// A number with a fixed count of decimals, for reports.
std::string Decimals(double value, int decimals);

// Right-justifies a text in a field of the given width; longer texts are kept whole.
std::string RightAligned(std::string_view text, size_t width);
std::string LeftAligned(std::string_view text, size_t width);

// Blank- or comma-separated pieces of a line.
std::vector<std::string> SplitValues(std::string_view line);

}  // namespace forecast::models
