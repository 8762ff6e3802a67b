#include <gtest/gtest.h>

#include "models/constrained_allocation.h"
#include "models/model_error.h"

namespace forecast::models {
namespace {

// Two categories in three zones, already at their regional targets of 100 and 60.
AllocationRequest ThreeZones(std::vector<LocationConstraint> constraints) {
  AllocationRequest request;
  request.forecast = {{50, 30, 20}, {30, 20, 10}};
  request.targets = {100, 60};
  request.zoneNumbers = {1, 2, 3};
  request.categoryNames = {"Retail", "Office"};
  request.constraints = std::move(constraints);
  request.cardName = "EMPAL.CRD";
  return request;
}

double Total(const std::vector<double>& values) {
  double sum = 0;
  for (double v : values) sum += v;
  return sum;
}

struct ConstraintCase {
  const char* what;
  std::vector<LocationConstraint> constraints;
  std::vector<std::vector<double>> expected;
};

TEST(ConstrainedAllocationTest, HonoursEachTypeAndKeepsTheTotals) {
  using K = ConstraintKind;
  const std::vector<ConstraintCase> cases = {
      {"none", {}, {{50, 30, 20}, {30, 20, 10}}},
      // 40 in zone 1; the other 60 go to zones 2 and 3 as 30 : 20.
      {"exact", {{K::Exact, 1, 1, 40, 10}}, {{40, 36, 24}, {30, 20, 10}}},
      // Zone 3 total 60: Office exact 20, Retail makes up 40; the rest of the region shares what is left.
      {"zone total with an exact category", {{K::Exact, 3, 2, 20, 10}, {K::ZoneTotal, 3, 0, 60, 11}},
       {{37.5, 22.5, 40}, {24, 16, 20}}},
      // Zone 2's total of 30 split 30 : 20 between its categories; zones 1 and 3 share the rest.
      {"zone total alone", {{K::ZoneTotal, 2, 0, 30, 10}}, {{82.0 * 50 / 70, 18, 82.0 * 20 / 70}, {36, 12, 12}}},
      {"maximum", {{K::Maximum, 1, 1, 40, 10}}, {{40, 36, 24}, {30, 20, 10}}},
      {"maximum not reached", {{K::Maximum, 1, 1, 70, 10}}, {{50, 30, 20}, {30, 20, 10}}},
      {"minimum", {{K::Minimum, 3, 2, 25, 10}}, {{50, 30, 20}, {21, 14, 25}}},
  };
  for (const ConstraintCase& c : cases) {
    const ConstrainedAllocation result = AllocateWithConstraints(ThreeZones(c.constraints));
    for (size_t k = 0; k < 2; ++k) {
      for (size_t z = 0; z < 3; ++z) EXPECT_NEAR(result.values[k][z], c.expected[k][z], 1e-9) << c.what << " category " << k << " zone " << z;
      EXPECT_NEAR(Total(result.values[k]), k == 0 ? 100 : 60, 1e-6) << c.what;
      EXPECT_TRUE(result.balances[k].reached) << c.what;
    }
    EXPECT_TRUE(result.problems.empty()) << c.what << ": " << (result.problems.empty() ? "" : result.problems[0]);
  }
}

TEST(ConstrainedAllocationTest, ReportsWhatEachConstraintChanged) {
  const ConstrainedAllocation result = AllocateWithConstraints(ThreeZones({{ConstraintKind::Maximum, 1, 1, 40, 12}}));
  ASSERT_EQ(result.outcomes.size(), 1u);
  EXPECT_DOUBLE_EQ(result.outcomes[0].before, 50);
  EXPECT_DOUBLE_EQ(result.outcomes[0].after, 40);
  EXPECT_EQ(result.outcomes[0].constraint.cardLine, 12);
}

TEST(ConstrainedAllocationTest, KeepsTheConstraintsWhenTheTotalIsOutOfReach) {
  using K = ConstraintKind;
  // Every zone capped: Retail can reach 30 + 20 + 10 = 60 of its 100.
  const ConstrainedAllocation result =
      AllocateWithConstraints(ThreeZones({{K::Maximum, 1, 1, 30, 10}, {K::Maximum, 2, 1, 20, 11}, {K::Maximum, 3, 1, 10, 12}}));
  EXPECT_EQ(result.values[0], (std::vector<double>{30, 20, 10}));
  EXPECT_FALSE(result.balances[0].reached);
  EXPECT_DOUBLE_EQ(result.balances[0].achieved, 60);
  EXPECT_TRUE(result.balances[1].reached);
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_NE(result.problems[0].find("The regional total 100 of category 1 (Retail) cannot be met"), std::string::npos) << result.problems[0];
}

TEST(ConstrainedAllocationTest, ResolvesContradictionsAndSaysSo) {
  using K = ConstraintKind;
  const ConstrainedAllocation result =
      AllocateWithConstraints(ThreeZones({{K::Maximum, 2, 1, 10, 10}, {K::Minimum, 2, 1, 15, 11}, {K::ZoneTotal, 3, 0, 5, 12},
                                          {K::Exact, 3, 1, 4, 13}, {K::Exact, 3, 2, 4, 14}}));
  EXPECT_DOUBLE_EQ(result.values[0][1], 15);  // the minimum wins over a lower maximum
  EXPECT_DOUBLE_EQ(result.values[0][2], 4);   // exact values win over the zone total
  EXPECT_DOUBLE_EQ(result.values[1][2], 4);
  EXPECT_EQ(result.problems.size(), 2u);
  EXPECT_NE(result.outcomes[0].note.find("above its maximum"), std::string::npos);
  EXPECT_NE(result.outcomes[2].note.find("The total 5 for zone 3 cannot be met"), std::string::npos);
}

TEST(ConstrainedAllocationTest, RefusesAConstraintOnAnUnknownZone) {
  try {
    AllocateWithConstraints(ThreeZones({{ConstraintKind::Exact, 9, 1, 40, 17}}));
    FAIL();
  } catch (const ModelInputError& e) {
    EXPECT_STREQ(e.what(), "EMPAL.CRD line 17: the exact value constraint names zone 9, which the region does not have.");
  }
}

}  // namespace
}  // namespace forecast::models
