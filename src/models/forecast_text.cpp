#include "models/forecast_text.h"

#include "models/input_consistency.h"
#include "models/model_file_names.h"
#include "models/model_files.h"
#include "models/model_program.h"
#include "models/model_text.h"

namespace forecast::models {

namespace {

constexpr int kCategorySlots = 8;

std::string JoinValues(int zone, const std::vector<double>& values) {
  std::string line = std::to_string(zone);
  for (double value : values) line += "," + PlainDecimal(value);
  return line;
}

}  // namespace

std::vector<std::string> EmploymentForecastLines(const EmploymentTable& table) {
  std::vector<std::string> lines;
  for (int z = 0; z < table.ZoneCount(); ++z) {
    std::vector<double> values(kCategorySlots, 0.0);
    double total = 0;
    for (int k = 0; k < table.categoryCount && k < kCategorySlots; ++k) {
      values[static_cast<size_t>(k)] = table.Jobs(z, k);
      total += table.Jobs(z, k);
    }
    values.push_back(total);
    lines.push_back(JoinValues(table.zoneNumbers[static_cast<size_t>(z)], values));
  }
  return lines;
}

std::vector<std::string> HouseholdForecastLines(const HouseholdTable& table) {
  std::vector<std::string> lines;
  for (const ZoneHouseholds& zone : table.zones) {
    std::vector<double> values(kCategorySlots, 0.0);
    for (size_t h = 0; h < zone.households.size() && h < kCategorySlots; ++h) values[h] = zone.households[h];
    const LandAccount& land = zone.land;
    for (double value : {zone.HouseholdTotal(), zone.population, zone.employedResidents, zone.groupQuartersPopulation,
                         zone.personsPerHousehold, land.totalArea, land.unusable, land.basic, land.commercial, land.residential,
                         land.Usable(), land.streets, land.vacant}) {
      values.push_back(value);
    }
    lines.push_back(JoinValues(zone.number, values));
  }
  return lines;
}

bool RunForecastConversion(const std::filesystem::path& folder, std::string* error) {
  return RunModelStep(folder, {names::kEmploymentForecastText, names::kHouseholdForecastText}, [&] {
    const EmploymentTable employment = ReadEmploymentTable(folder, names::kEmploymentForecast);
    const HouseholdTable households = ReadHouseholdTable(folder, names::kHouseholdForecast);
    std::vector<int> householdZones;
    for (const ZoneHouseholds& zone : households.zones) householdZones.push_back(zone.number);
    RequireSameZones(names::kHouseholdForecast, householdZones, names::kEmploymentForecast, employment.zoneNumbers);
    WriteOutputLines(folder / names::kEmploymentForecastText, EmploymentForecastLines(employment));
    WriteOutputLines(folder / names::kHouseholdForecastText, HouseholdForecastLines(households));
  }, error);
}

}  // namespace forecast::models
