#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace forecast::models {

// Employment by zone and category at one date: DRMEMP.BIN (start of a period)
// and EMPFCST.BIN (its end) share this layout, so one period chains into the next.
struct EmploymentTable {
  int year = 0;
  int categoryCount = 0;
  std::vector<int> zoneNumbers;
  std::vector<double> jobs;  // zone-major: jobs[zone * categoryCount + category]

  int ZoneCount() const { return static_cast<int>(zoneNumbers.size()); }
  double Jobs(int zone, int category) const { return jobs[static_cast<size_t>(zone * categoryCount + category)]; }
  double& Jobs(int zone, int category) { return jobs[static_cast<size_t>(zone * categoryCount + category)]; }
  double CategoryTotal(int category) const;
  double ZoneTotal(int zone) const;
};

std::string EncodeEmploymentTable(const EmploymentTable& table);
// Throws ModelInputError naming fileName when the bytes are not a valid table.
EmploymentTable DecodeEmploymentTable(const std::string& bytes, const std::string& fileName);
EmploymentTable ReadEmploymentTable(const std::filesystem::path& folder, const std::string& name);
void WriteEmploymentTable(const std::filesystem::path& file, const EmploymentTable& table);

}  // namespace forecast::models
