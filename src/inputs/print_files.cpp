#include "inputs/print_files.h"

#include "inputs/region_files.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace forecast::inputs {

float PrnField(const std::string& line, int field) {
  const size_t start = static_cast<size_t>(field - 1) * 10;
  if (field < 1 || start >= line.size()) return 0.0f;
  return static_cast<float>(platform::LeadingNumber(std::string_view(line).substr(start, 10)));
}

namespace {

// Categories 1 to 4 always sit in fields 2 to 5; what follows depends on the
// category count, and an unknown count leaves the totals at 0.
PrnTable ParseCategoryFile(const std::vector<std::string>& lines, int categoryCount, int trailingFields) {
  PrnTable rows;
  const bool known = categoryCount >= 4 && categoryCount <= 8;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    std::array<float, 11> row{};
    row[0] = PrnField(line, 1);
    for (int k = 1; k <= 4; ++k) row[static_cast<size_t>(k)] = PrnField(line, k + 1);
    if (known) {
      for (int k = 5; k <= categoryCount; ++k) row[static_cast<size_t>(k)] = PrnField(line, k + 1);
      for (int t = 0; t < trailingFields; ++t) row[static_cast<size_t>(9 + t)] = PrnField(line, categoryCount + 2 + t);
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace

PrnTable ParseEmploymentPrn(const std::vector<std::string>& lines, int categoryCount) {
  return ParseCategoryFile(lines, categoryCount, 1);
}

PrnTable ParseHouseholdPrn(const std::vector<std::string>& lines, int categoryCount) {
  return ParseCategoryFile(lines, categoryCount, 2);
}

PrnTable ParseLandUsePrn(const std::vector<std::string>& lines) {
  PrnTable rows;
  for (size_t i = 1; i < lines.size(); ++i) {
    std::array<float, 11> row{};
    for (int f = 1; f <= 8; ++f) row[static_cast<size_t>(f - 1)] = PrnField(lines[i], f);
    rows.push_back(row);
  }
  return rows;
}

BaseEmploymentTotals SumEmployment(const PrnTable& rows) {
  BaseEmploymentTotals totals;
  for (const auto& row : rows) {
    for (size_t k = 1; k <= 8; ++k) totals.categories[k] += row[k];
    totals.total += row[9];
  }
  return totals;
}

BaseHouseholdTotals SumHouseholds(const PrnTable& rows) {
  BaseHouseholdTotals totals;
  for (const auto& row : rows) {
    for (size_t k = 1; k <= 8; ++k) totals.categories[k] += row[k];
    totals.total += row[9];
    totals.population += row[10];
  }
  return totals;
}

BaseLandUseTotals SumLandUse(const PrnTable& rows) {
  BaseLandUseTotals totals;
  for (const auto& row : rows) {
    for (size_t v = 1; v <= 7; ++v) totals.values[v] += row[v];
  }
  totals.developed = totals.values[1] + totals.values[2] + totals.values[3] + totals.values[4];
  return totals;
}

bool ReadPrnLines(const std::filesystem::path& appFolder, std::string_view name, std::vector<std::string>* lines,
                  std::string* error) {
  auto read = platform::ReadTextLines(RegionFile(appFolder, name));
  if (!read) {
    *error = "The base-year file VORAN_SYS\\" + std::string(name) + " is missing or cannot be read.";
    return false;
  }
  if (read->size() > kMaxPrnLines) {
    *error = "The base-year file VORAN_SYS\\" + std::string(name) + " has more than 500 lines (at most 499 zones).";
    return false;
  }
  *lines = std::move(*read);
  return true;
}

}  // namespace forecast::inputs
