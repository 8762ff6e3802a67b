#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "models/household_allocation.h"

namespace forecast::models {
namespace {

// Three zones; impedances and deterrences as in the employment test. Jobs
// forecast (100, 0, 100) call for one household each; 100 households of 2.5
// persons live in every zone; the projected population of 900 means 360
// households. With all attractiveness powers 0 and LagHH 0, zone 1's workers
// come from the zones as 4/7, 2/7, 1/7 and zone 3's as 1/9, 4/9, 4/9.
struct HandRegion {
  DramCard card;
  EmploymentTable employment{2005, 1, {1, 2, 3}, {100, 0, 100}};
  HouseholdTable households;
  ImpedanceMatrix impedance{3, {1, 2, 3, 2, 1, 1, 3, 1, 1}};
  KFactorTable kFactors = KFactorTable::Ones(KFactorSide::Households, 3, 1);

  HandRegion() {
    card.zoneCount = 3;
    card.householdCategories = 1;
    card.employmentCategories = 1;
    card.preamble.startYear = 2000;
    card.preamble.endYear = 2005;
    card.coefficients = {{0, std::log(0.5), 0, 0, 0, {0}, 0}};
    card.conversion = {{1}};
    card.projectedPopulation = 900;
    households.year = 2000;
    households.householdCategories = 1;
    households.employmentCategories = 1;
    const LandAccount land[3] = {{10, 4, 0, 2, 5, 1, 22}, {10, 0, 0, 2, 3, 0, 15}, {10, 5, 0, 2, 0.3, 0, 17.3}};
    const double startJobs[3] = {80, 0, 100};
    for (int z = 0; z < 3; ++z) {
      ZoneHouseholds zone;
      zone.number = z + 1;
      zone.households = {100};
      zone.population = 250;
      zone.employedResidents = 130;
      zone.personsPerHousehold = 2.5;
      zone.land = land[z];
      zone.jobs = {startJobs[z]};
      households.zones.push_back(zone);
    }
  }
  HouseholdAllocation Run() const { return AllocateHouseholds({card, employment, households, impedance, kFactors}); }
};

struct HouseholdCase {
  const char* what;
  std::function<void(HandRegion&)> change;
  std::vector<double> expected;
};

TEST(HouseholdAllocationTest, FollowsTheModelByHand) {
  const std::vector<HouseholdCase> cases = {
      // (4300, 4600, 3700) / 63 drawn, scaled to 360.
      {"interaction only", [](HandRegion&) {}, {7740.0 / 63, 8280.0 / 63, 6660.0 / 63}},
      // W = (1, 2, 1): (6100, 12400, 4900) / 117 drawn.
      {"K-factor of zone 2 is 2", [](HandRegion& r) { r.kFactors.factors[1] = 2; }, {10980.0 / 117, 22320.0 / 117, 8820.0 / 117}},
      {"LagHH 1 keeps the start pattern", [](HandRegion& r) { r.card.coefficients[0].lagHH = 1; }, {120, 120, 120}},
      {"LagHH above 1 is taken as 1", [](HandRegion& r) { r.card.coefficients[0].lagHH = 3; }, {120, 120, 120}},
  };
  for (const HouseholdCase& c : cases) {
    HandRegion region;
    c.change(region);
    const HouseholdAllocation result = region.Run();
    for (int z = 0; z < 3; ++z) {
      EXPECT_NEAR(result.forecast.zones[static_cast<size_t>(z)].households[0], c.expected[static_cast<size_t>(z)], 1e-9) << c.what;
    }
    EXPECT_NEAR(result.forecast.CategoryTotal(0), 360, 1e-6) << c.what;
  }
}

TEST(HouseholdAllocationTest, CarriesPopulationWorkersAndLand) {
  const HouseholdAllocation result = HandRegion().Run();
  const std::vector<ZoneHouseholds>& zones = result.forecast.zones;
  double population = 0;
  for (const ZoneHouseholds& zone : zones) {
    EXPECT_NEAR(zone.population, 2.5 * zone.households[0], 1e-9);
    EXPECT_NEAR(zone.personsPerHousehold, 2.5, 1e-12);
    // Employed residents grow with the region's jobs: 390 * 200 / 180 in all.
    EXPECT_NEAR(zone.employedResidents, zone.households[0] * 1.3 * (390.0 * 200 / 180) / 468, 1e-9);
    population += zone.population;
  }
  EXPECT_NEAR(population, 900, 1e-6);

  // Zone 1: 22.857 more households at 10 per acre and 20 more jobs at 20 per acre.
  EXPECT_NEAR(zones[0].land.residential, 10 + (7740.0 / 63 - 100) / 10, 1e-9);
  EXPECT_NEAR(zones[0].land.commercial, 5, 1e-9);
  EXPECT_NEAR(zones[0].land.vacant, 5 - (7740.0 / 63 - 100) / 10 - 1, 1e-9);
  // Zones 2 and 3 want more than their vacant land: it is all taken, no more.
  EXPECT_NEAR(zones[1].land.residential, 13, 1e-9);
  EXPECT_NEAR(zones[2].land.residential, 10.3, 1e-9);
  EXPECT_EQ(result.development.zonesOutOfVacantLand, 2);
  for (const ZoneHouseholds& zone : zones) {
    EXPECT_GE(zone.land.vacant, 0);
    EXPECT_DOUBLE_EQ(zone.land.totalArea, zone.land.unusable + zone.land.Usable());
  }
  EXPECT_NEAR(zones[0].land.totalArea, 22, 1e-9);
  EXPECT_EQ(result.forecast.year, 2005);
  EXPECT_EQ(zones[0].jobs, (std::vector<double>{100}));
}

TEST(HouseholdAllocationTest, SplitsTheRegionalHouseholdsByTheGrowthOfTheirDemand) {
  // Jobs of category 1 call for households of category 1 only, jobs of category 2 for category 2.
  HandRegion region;
  region.card.householdCategories = 2;
  region.card.employmentCategories = 2;
  region.households.householdCategories = 2;
  region.households.employmentCategories = 2;
  const double startJobs[3][2] = {{50, 30}, {0, 0}, {50, 70}};
  for (int z = 0; z < 3; ++z) {
    ZoneHouseholds& zone = region.households.zones[static_cast<size_t>(z)];
    zone.households = {200.0 / 3, 100.0 / 3};
    zone.jobs = {startJobs[z][0], startJobs[z][1]};
  }
  region.employment = {2005, 2, {1, 2, 3}, {100, 0, 0, 0, 50, 50}};
  region.card.coefficients = {{0, std::log(0.5), 0, 0, 0, {0, 0}, 0.5}, {0, std::log(0.5), 0, 0, 0, {0, 0}, 0.5}};
  region.card.conversion = {{1, 0}, {0, 1}};
  region.kFactors = KFactorTable::Ones(KFactorSide::Households, 3, 2);
  region.card.constraints = {{ConstraintKind::Exact, 2, 2, 20, 40}};
  const HouseholdAllocation result = region.Run();
  // Demand grows by 150 / 100 and 50 / 100: the 360 households go 200 * 1.5 : 100 * 0.5.
  EXPECT_NEAR(result.forecast.CategoryTotal(0), 360.0 * 6 / 7, 1e-6);
  EXPECT_NEAR(result.forecast.CategoryTotal(1), 360.0 / 7, 1e-6);
  EXPECT_DOUBLE_EQ(result.forecast.zones[1].households[1], 20);
  EXPECT_DOUBLE_EQ(result.categories[1].startDemand, 100);
  EXPECT_DOUBLE_EQ(result.categories[1].demand, 50);
}

}  // namespace
}  // namespace forecast::models
