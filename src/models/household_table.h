#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace forecast::models {

// Acres of a zone, in the order of the region's land-use print file.
struct LandAccount {
  double residential = 0;
  double commercial = 0;
  double basic = 0;
  double streets = 0;
  double vacant = 0;  // vacant developable
  double unusable = 0;
  double totalArea = 0;

  double Usable() const { return basic + commercial + residential + streets + vacant; }
  double Developed() const { return basic + commercial + residential + streets; }
};

struct ZoneHouseholds {
  int number = 0;
  std::vector<double> households;  // per household category
  double population = 0;
  double employedResidents = 0;      // TEPR
  double groupQuartersPopulation = 0;  // GPQRS
  double personsPerHousehold = 0;    // AHU
  LandAccount land;
  // The jobs by employment category that the zone's commercial and basic land
  // served at the same date; the land accounts grow from them.
  std::vector<double> jobs;

  double HouseholdTotal() const;
};

// Households, population and land by zone at one date: DRMDAT.BIN (start of a
// period) and DRMFCST.BIN (its end) share this layout.
struct HouseholdTable {
  int year = 0;
  int householdCategories = 0;
  int employmentCategories = 0;
  std::vector<ZoneHouseholds> zones;

  int ZoneCount() const { return static_cast<int>(zones.size()); }
  double CategoryTotal(int category) const;
};

std::string EncodeHouseholdTable(const HouseholdTable& table);
HouseholdTable DecodeHouseholdTable(const std::string& bytes, const std::string& fileName);
HouseholdTable ReadHouseholdTable(const std::filesystem::path& folder, const std::string& name);
void WriteHouseholdTable(const std::filesystem::path& file, const HouseholdTable& table);

}  // namespace forecast::models
