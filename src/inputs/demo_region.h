#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace forecast::inputs {

// The size of a demo region.
struct DemoRegionOptions {
  int zones = 120;              // 1..499
  int employmentCategories = 5; // 4..8
  int householdCategories = 4;  // 4..8
  int baseYear = 2000;
  int lagYear = 1995;
  int periods = 6;              // forecast periods, five years apart
  std::uint32_t seed = 20001995;
};

// One zone of the demo region in the base year.
struct DemoZone {
  int number = 0;
  double x = 0;  // centroid, miles east of the region's centre
  double y = 0;  // centroid, miles north of the region's centre
  std::vector<double> employment;  // per employment category
  std::vector<double> households;  // per household category
  double population = 0;
  double employedResidents = 0;
  double groupQuartersPopulation = 0;
  // Land in acres: 1 residential, 2 commercial, 3 basic (industrial),
  // 4 streets, 5 vacant developable, 6 unusable, 7 total area.
  double landUse[7] = {0, 0, 0, 0, 0, 0, 0};
  double EmploymentTotal() const {
    double sum = 0;
    for (double v : employment) sum += v;
    return sum;
  }
  double HouseholdTotal() const {
    double sum = 0;
    for (double v : households) sum += v;
    return sum;
  }
};

// The same zones in the lag year, five years before the base year.
struct DemoRegion {
  DemoRegionOptions options;
  std::string name = "Riverton Metropolitan Region";
  std::vector<std::string> employmentCategoryNames;
  std::vector<std::string> householdCategoryNames;
  std::vector<DemoZone> zones;     // base year
  std::vector<DemoZone> lagZones;  // lag year
  std::vector<int> forecastYears;  // one per period
  // Regional control totals per forecast period: population, then employment per category.
  std::vector<double> projectedPopulation;
  std::vector<std::vector<double>> projectedEmployment;
  // Travel impedance between zones (minutes), row-major zones x zones.
  std::vector<double> impedance;
  double Impedance(int from, int to) const {
    return impedance[static_cast<size_t>(from) * zones.size() + static_cast<size_t>(to)];
  }
};

// Builds the demo region in memory; deterministic for given options.
DemoRegion BuildDemoRegion(const DemoRegionOptions& options);

// Writes the demo region into an application folder. Refuses (returns false
// with a reason) when the folder already holds files.
bool WriteDemoRegion(const std::filesystem::path& appFolder, const DemoRegionOptions& options, std::string* error);

}  // namespace forecast::inputs
