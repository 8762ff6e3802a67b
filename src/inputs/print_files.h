#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace forecast::inputs {

// Base-year sums over all zones, in 32-bit floating point as the review report
// compares them. Category arrays are 1-based, slot 0 unused.
struct BaseEmploymentTotals {
  std::array<float, 9> categories{};
  float total = 0;
};
struct BaseHouseholdTotals {
  std::array<float, 9> categories{};
  float total = 0;
  float population = 0;
};
struct BaseLandUseTotals {
  std::array<float, 8> values{};  // land-use values 1..7
  float developed = 0;             // values 1 to 4
  float Vacant() const { return values[5]; }
};

// One zone line cut into fields of 10 characters (field 1 first); a blank,
// missing or non-numeric field gives 0.
float PrnField(const std::string& line, int field);

// Each reader fails (with a message naming the file) when its file is missing
// or has more than 500 lines, header included.
struct PrnError {
  std::string message;
};

// The zone rows of each file, with one column per field of the longest layout:
// employment 10 (zone, 8 categories, total), households 11 (zone, 8
// categories, total, population), land use 8 (zone, 7 values).
using PrnTable = std::vector<std::array<float, 11>>;

PrnTable ParseEmploymentPrn(const std::vector<std::string>& lines, int categoryCount);
PrnTable ParseHouseholdPrn(const std::vector<std::string>& lines, int categoryCount);
PrnTable ParseLandUsePrn(const std::vector<std::string>& lines);

BaseEmploymentTotals SumEmployment(const PrnTable& rows);
BaseHouseholdTotals SumHouseholds(const PrnTable& rows);
BaseLandUseTotals SumLandUse(const PrnTable& rows);

// Reads a print file of the region into its lines; false with a message when
// missing, unreadable or longer than 500 lines.
bool ReadPrnLines(const std::filesystem::path& appFolder, std::string_view name, std::vector<std::string>* lines,
                  std::string* error);

}  // namespace forecast::inputs
