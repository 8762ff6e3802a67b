#include <gtest/gtest.h>

#include <cstdlib>

#include "models/forecast_text.h"
#include "models/model_text.h"

namespace forecast::models {
namespace {

// The loaders read each value as the decimal number at the start of its field.
std::vector<double> ReadBack(const std::string& line) {
  std::vector<double> values;
  for (const std::string& field : SplitValues(line)) values.push_back(std::strtod(field.c_str(), nullptr));
  return values;
}

TEST(ForecastTextTest, EmploymentLinesHaveZoneEightCategoriesAndTotal) {
  const EmploymentTable table{2005, 3, {1, 2}, {0.1, 0.2, 1e-7, 1234567.125, 0, 3}};
  const std::vector<std::string> lines = EmploymentForecastLines(table);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "1,0.1,0.2,0.0000001,0,0,0,0,0,0.30000010000000005");
  EXPECT_EQ(lines[1], "2,1234567.125,0,3,0,0,0,0,0,1234570.125");
}

TEST(ForecastTextTest, HouseholdLinesFollowTheLoadersColumnOrder) {
  HouseholdTable table;
  table.householdCategories = 2;
  ZoneHouseholds zone;
  zone.number = 7;
  zone.households = {10, 20.5};
  zone.population = 80;
  zone.employedResidents = 40;
  zone.groupQuartersPopulation = 3;
  zone.personsPerHousehold = 2.5;
  zone.land = {1, 2, 3, 4, 5, 6, 21};  // residential, commercial, basic, streets, vacant, unusable, total
  table.zones.push_back(zone);
  const std::vector<double> values = ReadBack(HouseholdForecastLines(table)[0]);
  const std::vector<double> expected = {7, 10, 20.5, 0, 0, 0, 0, 0, 0, 30.5, 80, 40, 3, 2.5,
                                        21, 6, 3, 2, 1, 15, 4, 5};
  EXPECT_EQ(values, expected);
}

TEST(ForecastTextTest, TotalsReadBackExactly) {
  EmploymentTable table{2005, 8, {}, {}};
  for (int z = 0; z < 50; ++z) {
    table.zoneNumbers.push_back(z + 1);
    for (int k = 0; k < 8; ++k) table.jobs.push_back(1000.0 / (3 + z + k * 7));
  }
  for (int k = 0; k < 8; ++k) {
    double written = 0;
    for (const std::string& line : EmploymentForecastLines(table)) written += ReadBack(line)[static_cast<size_t>(k + 1)];
    EXPECT_EQ(written, table.CategoryTotal(k));
  }
}

}  // namespace
}  // namespace forecast::models
