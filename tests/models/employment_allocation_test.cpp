#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "models/employment_allocation.h"
#include "models/model_error.h"

namespace forecast::models {
namespace {

// Three zones, one category of each kind. Impedances 1, 2, 3 with Alpha 0 and
// Beta -ln 2 give deterrences 1/2, 1/4, 1/8. Households (100, 100, 0) and
// jobs (50, 50, 100) make 1 job per household; the projection is 400.
struct HandRegion {
  EmpalCard card;
  EmploymentTable employment;
  HouseholdTable households;
  ImpedanceMatrix impedance{3, {1, 2, 3, 2, 1, 1, 3, 1, 1}};
  KFactorTable kFactors = KFactorTable::Ones(KFactorSide::Employment, 3, 1);

  HandRegion() {
    card.zoneCount = 3;
    card.employmentCategories = 1;
    card.householdCategories = 1;
    card.preamble.startYear = 2000;
    card.preamble.endYear = 2005;
    card.coefficients = {{0, std::log(0.5), 0, 0, 1}};
    card.projections = {400};
    employment = {2000, 1, {1, 2, 3}, {50, 50, 100}};
    households.year = 2000;
    households.householdCategories = 1;
    households.employmentCategories = 1;
    for (int z = 0; z < 3; ++z) {
      ZoneHouseholds zone;
      zone.number = z + 1;
      zone.households = {z < 2 ? 100.0 : 0.0};
      zone.jobs = {employment.jobs[static_cast<size_t>(z)]};
      zone.land.commercial = z < 2 ? 1 : 2;
      households.zones.push_back(zone);
    }
  }
  EmploymentAllocation Run() const { return AllocateEmployment({card, employment, households, impedance, kFactors}); }
};

struct EmploymentCase {
  const char* what;
  std::function<void(HandRegion&)> change;
  std::vector<double> expectedTimesSeven;
};

TEST(EmploymentAllocationTest, FollowsTheModelByHand) {
  const std::vector<EmploymentCase> cases = {
      // Row 1 sends 4/7, 2/7, 1/7 of its 100 jobs, row 2 sends 0.2, 0.4, 0.4; doubled to 400.
      {"interaction only", [](HandRegion&) {}, {1080, 960, 760}},
      // W = (1, 1, 2): row 1 sends 50, 25, 25, row 2 100/7, 200/7, 400/7.
      {"K-factor of zone 3 is 2", [](HandRegion& r) { r.kFactors.factors[2] = 2; }, {900, 750, 1150}},
      // From zone 2 all three zones are now equally near: row 2 sends a third to each.
      {"a quicker trip from zone 2 to zone 1", [](HandRegion& r) { r.impedance.values[3] = 1; }, {3800.0 / 3, 2600.0 / 3, 2000.0 / 3}},
      {"land of zone 3 is twice that of the others", [](HandRegion& r) { r.card.coefficients[0].land = 1; }, {900, 750, 1150}},
      // Half the interaction term and half the start jobs: (445, 415, 540) / 7, doubled.
      {"Lambda one half", [](HandRegion& r) { r.card.coefficients[0].lambda = 0.5; }, {890, 830, 1080}},
      {"Lambda above one is taken as one", [](HandRegion& r) { r.card.coefficients[0].lambda = 1.5; }, {1080, 960, 760}},
  };
  for (const EmploymentCase& c : cases) {
    HandRegion region;
    c.change(region);
    const EmploymentAllocation result = region.Run();
    for (int z = 0; z < 3; ++z) EXPECT_NEAR(result.forecast.Jobs(z, 0) * 7, c.expectedTimesSeven[static_cast<size_t>(z)], 1e-9) << c.what;
    EXPECT_NEAR(result.forecast.CategoryTotal(0), 400, 1e-6) << c.what;
    EXPECT_NEAR(result.categories[0].modelTotal, 200, 1e-9) << c.what;
  }
}

TEST(EmploymentAllocationTest, WritesTheEndYearAndKeepsTheZoneNumbers) {
  const EmploymentAllocation result = HandRegion().Run();
  EXPECT_EQ(result.forecast.year, 2005);
  EXPECT_EQ(result.forecast.zoneNumbers, (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(result.notes.empty());
}

TEST(EmploymentAllocationTest, ConstraintsApplyAfterScaling) {
  HandRegion region;
  region.card.constraints = {{ConstraintKind::Maximum, 1, 1, 100, 10}};
  const EmploymentAllocation result = region.Run();
  EXPECT_DOUBLE_EQ(result.forecast.Jobs(0, 0), 100);
  // The 1080/7 - 100 jobs over the cap go to zones 2 and 3 as 960 : 760.
  EXPECT_NEAR(result.forecast.Jobs(1, 0), 300 * 960.0 / 1720, 1e-9);
  EXPECT_NEAR(result.forecast.CategoryTotal(0), 400, 1e-6);
  EXPECT_NEAR(result.allocation.outcomes[0].before, 1080.0 / 7, 1e-9);
}

TEST(EmploymentAllocationTest, RefusesInputsOfDifferentRegions) {
  HandRegion region;
  region.impedance = {2, {1, 1, 1, 1}};
  try {
    region.Run();
    FAIL();
  } catch (const ModelInputError& e) {
    EXPECT_STREQ(e.what(), "IMPD.BIN has 2 zones but EMPAL.CRD has 3; the files do not belong to the same region.");
  }
  HandRegion renumbered;
  renumbered.households.zones[2].number = 7;
  EXPECT_THROW(renumbered.Run(), ModelInputError);
}

}  // namespace
}  // namespace forecast::models
