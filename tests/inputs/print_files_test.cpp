#include "inputs/print_files.h"

#include <gtest/gtest.h>

namespace forecast::inputs {
namespace {

// Numbers right-justified in fields of ten characters.
std::string Line(const std::vector<double>& values) {
  std::string line;
  for (double v : values) {
    std::string text = std::to_string(static_cast<long long>(v));
    line += std::string(10 - text.size(), ' ') + text;
  }
  return line;
}

TEST(PrintFiles, FieldLayoutFollowsTheCategoryCount) {
  const struct {
    int categories;
    std::vector<double> line;
    std::array<float, 9> expectedCategories;
    float expectedTotal;
  } cases[] = {
      {5, {1, 10, 20, 30, 40, 50, 150}, {0, 10, 20, 30, 40, 50, 0, 0, 0}, 150},
      {4, {1, 10, 20, 30, 40, 100}, {0, 10, 20, 30, 40, 0, 0, 0, 0}, 100},
      {8, {1, 1, 2, 3, 4, 5, 6, 7, 8, 36}, {0, 1, 2, 3, 4, 5, 6, 7, 8}, 36},
      // Three categories: the total is read as category 4 and the total stays 0.
      {3, {1, 10, 20, 30, 60}, {0, 10, 20, 30, 60, 0, 0, 0, 0}, 0},
  };
  for (const auto& c : cases) {
    const BaseEmploymentTotals totals = SumEmployment(ParseEmploymentPrn({"header", Line(c.line), Line(c.line)}, c.categories));
    std::array<float, 9> doubled = c.expectedCategories;
    for (float& v : doubled) v *= 2;
    EXPECT_EQ(totals.categories, doubled) << c.categories;
    EXPECT_EQ(totals.total, 2 * c.expectedTotal) << c.categories;
  }
}

TEST(PrintFiles, HouseholdPopulationFollowsTheTotal) {
  const BaseHouseholdTotals four = SumHouseholds(ParseHouseholdPrn({"h", Line({1, 1, 2, 3, 4, 10, 25})}, 4));
  EXPECT_EQ(four.total, 10);
  EXPECT_EQ(four.population, 25);  // characters 61 to 70
  const BaseHouseholdTotals six = SumHouseholds(ParseHouseholdPrn({"h", Line({1, 1, 2, 3, 4, 5, 6, 21, 50})}, 6));
  EXPECT_EQ(six.categories[6], 6);
  EXPECT_EQ(six.total, 21);
  EXPECT_EQ(six.population, 50);
}

TEST(PrintFiles, BlankAndShortFieldsGiveZero) {
  EXPECT_EQ(PrnField("         1      abcd", 2), 0);
  EXPECT_EQ(PrnField("         1", 5), 0);
  EXPECT_EQ(PrnField("         1     12.5x", 2), 12.5f);
  const BaseLandUseTotals land = SumLandUse(ParseLandUsePrn({"h", Line({1, 10, 20, 30, 40, 50, 60, 70}), Line({2, 1})}));
  EXPECT_EQ(land.developed, 101);
  EXPECT_EQ(land.Vacant(), 50);
  EXPECT_EQ(land.values[7], 70);
}

TEST(PrintFiles, SumsAreKeptInThirtyTwoBitFloatingPoint) {
  // 16777216 + 1 cannot be held in a float; the sum stays 16777216.
  const BaseEmploymentTotals totals =
      SumEmployment(ParseEmploymentPrn({"h", Line({1, 16777216, 0, 0, 0, 0}), Line({2, 1, 0, 0, 0, 0})}, 4));
  EXPECT_EQ(totals.categories[1], 16777216.0f);
}

}  // namespace
}  // namespace forecast::inputs
