#include <gtest/gtest.h>

#include <functional>

#include "models/atrmod_card.h"
#include "models/dram_card.h"
#include "models/empal_card.h"
#include "models/model_error.h"
#include "test_region.h"

namespace forecast::models {
namespace {

// Written by hand from the card layout, field by field.
const std::vector<std::string> kEmpalCard = {
    "    3    2    2   10    1    1   0   1   1   1   1   0   0   0   0   0   0",
    "Test Region  1-2-24",
    "BL 2000-2005",
    "    Emp1  Retail",
    "   LowHH  HighHH",
    "      2000      2005",
    "  0.4000 -0.1000  0.6000  0.2000  0.6500",
    "  0.5000 -0.2000  1.0000  0.0000  1.0000",
    "      1200     345.5",
    "      1",
    "      2       300",
    "      1",
    "      3    2        50",
};

TEST(EmpalCardTest, ReadsEveryFieldOfTheLayout) {
  const EmpalCard card = ParseEmpalCard(kEmpalCard, "EMPAL.CRD");
  EXPECT_EQ(card.zoneCount, 3);
  EXPECT_EQ(card.employmentCategories, 2);
  EXPECT_EQ(card.householdCategories, 2);
  EXPECT_EQ(card.constraintCode, 10);
  EXPECT_EQ(card.preamble.employmentNames, (std::vector<std::string>{"Emp1", "Retail"}));
  EXPECT_EQ(card.preamble.householdNames, (std::vector<std::string>{"LowHH", "HighHH"}));
  EXPECT_EQ(card.preamble.startYear, 2000);
  EXPECT_EQ(card.preamble.endYear, 2005);
  ASSERT_EQ(card.coefficients.size(), 2u);
  EXPECT_DOUBLE_EQ(card.coefficients[0].alpha, 0.4);
  EXPECT_DOUBLE_EQ(card.coefficients[0].beta, -0.1);
  EXPECT_DOUBLE_EQ(card.coefficients[1].emp, 1.0);
  EXPECT_DOUBLE_EQ(card.coefficients[0].land, 0.2);
  EXPECT_DOUBLE_EQ(card.coefficients[0].lambda, 0.65);
  EXPECT_EQ(card.projections, (std::vector<double>{1200, 345.5}));
  // Code 10: the zone-total block, then the minimum block.
  ASSERT_EQ(card.constraints.size(), 2u);
  EXPECT_EQ(card.constraints[0].kind, ConstraintKind::ZoneTotal);
  EXPECT_EQ(card.constraints[0].zone, 2);
  EXPECT_EQ(card.constraints[0].category, 0);
  EXPECT_DOUBLE_EQ(card.constraints[0].value, 300);
  EXPECT_EQ(card.constraints[1].kind, ConstraintKind::Minimum);
  EXPECT_EQ(card.constraints[1].zone, 3);
  EXPECT_EQ(card.constraints[1].category, 2);
  EXPECT_DOUBLE_EQ(card.constraints[1].value, 50);
  EXPECT_EQ(card.constraints[1].cardLine, 13);
  EXPECT_EQ(card.switches, "IFKFAC 1, AKFAC 1, IEX 0, NVARX1 1, NVARX2 1, NDAT1 1, NDAT2 1, NDAT3 0, NDAT4 0, NDAT5 0, NDAT6 0, NDAT7 0, NDAT8 0");
}

struct BrokenCard {
  const char* what;
  std::function<void(std::vector<std::string>&)> change;
  const char* message;
};

TEST(EmpalCardTest, RefusesBrokenCardsNamingTheLine) {
  const std::vector<BrokenCard> cases = {
      {"coefficients left empty", [](auto& l) { l[6] = ""; }, "EMPAL.CRD line 7: employment category 1 has no coefficients"},
      {"projection not a number", [](auto& l) { l[8] = "      12a0     345.5"; }, "line 9: the projection of employment category 1 (\"12a0\") is not a number"},
      {"projection missing", [](auto& l) { l[8] = "      1200"; }, "line 9: the projection of employment category 2 is missing"},
      {"fewer rows than counted", [](auto& l) { l[11] = "      2"; }, "ends after line 13, before row 2 of the minimum constraints"},
      {"more rows than counted", [](auto& l) { l.push_back("      1    1        10"); }, "lines after its constraint blocks"},
      {"code out of range", [](auto& l) { l[0].replace(15, 5, "   16"); }, "the constraint code 16 is not one of 0 to 15"},
      {"unknown category", [](auto& l) { l[12] = "      3    3        50"; }, "names category 3; the categories are 1 to 2"},
      {"negative value", [](auto& l) { l[12] = "      3    2       -50"; }, "has a negative value"},
      {"too many categories", [](auto& l) { l[0].replace(5, 5, "    9"); }, "employment categories must be 1 to 8"},
      {"card cut short", [](auto& l) { l.resize(5); }, "ends after line 5, before the years line"},
  };
  for (const BrokenCard& c : cases) {
    std::vector<std::string> lines = kEmpalCard;
    c.change(lines);
    try {
      ParseEmpalCard(lines, "EMPAL.CRD");
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const ModelInputError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
    }
  }
}

TEST(ConstraintCodeTest, NamesTheTypesOfEveryCode) {
  const std::vector<std::vector<int>> expected = {{},     {1},    {2},    {3},       {1, 2},    {1, 3},    {2, 3},    {1, 2, 3},
                                                  {4},    {1, 4}, {2, 4}, {3, 4},    {1, 2, 4}, {1, 3, 4}, {2, 3, 4}, {1, 2, 3, 4}};
  for (int code = 0; code <= 15; ++code) {
    std::vector<int> types;
    const std::optional<std::vector<ConstraintKind>> kinds = ConstraintKindsOfCode(code);
    ASSERT_TRUE(kinds);
    for (ConstraintKind kind : *kinds) types.push_back(static_cast<int>(kind));
    EXPECT_EQ(types, expected[static_cast<size_t>(code)]) << "code " << code;
  }
  EXPECT_FALSE(ConstraintKindsOfCode(16));
  EXPECT_FALSE(ConstraintKindsOfCode(-1));
}

// Six household categories put HH6 on a second line; the employment groups are present.
const std::vector<std::string> kDramCard = {
    "    3    6    2    1    5    1    1    1    1    1    1  0.125   1   0",
    "Test  1-2-24",
    "BL 2000-2005",
    "     Ind  Office",
    "      H1      H2      H3      H4      H5      H6",
    "      2000      2005",
    "         0.9000   -0.1200    0.2000    0.4000    0.3000",
    "         0.9100   -0.1300    0.2000    0.4000    0.3000",
    "         0.9200   -0.1400    0.2000    0.4000    0.3000",
    "         0.9300   -0.1500    0.2000    0.4000    0.3000",
    "         0.9400   -0.1600    0.2000    0.4000    0.3000",
    "         0.9500   -0.1700    0.2100    0.4100    0.3100",
    "         0.8000    0.1000    0.1000    0.1000    0.1000",
    "         0.1000",
    "         0.1000    0.8000    0.1000    0.1000    0.1000",
    "         0.1000",
    "         0.1000    0.1000    0.8000    0.1000    0.1000",
    "         0.1000",
    "         0.1000    0.1000    0.1000    0.8000    0.1000",
    "         0.1000",
    "         0.1000    0.1000    0.1000    0.1000    0.8000",
    "         0.1000",
    "         0.1000    0.1000    0.1000    0.1000    0.2000",
    "         0.7000",
    "         0.4500",
    "         0.4500",
    "         0.4500",
    "         0.4500",
    "         0.4500",
    "         0.5500",
    "    1.0000    2.0000    3.0000    4.0000    5.0000    6.0000    7.0000",
    "    8.0000    9.0000   10.0000   11.0000   12.0000   13.0000",
    "   14.0000   15.0000   16.0000   17.0000   18.0000   19.0000",
    "  1 01 00 00 00 00 00 00 00",
    "  1 02 00 00 00 00 00 00 00",
    "  0.0350  0.0400",
    "  0.8500  1.0700  1.2900  1.5100  1.7300  1.9500",
    "  0.3000  0.2000  0.1000  0.0500  0.0500  0.0400",
    "  0.0500  0.1000  0.1500  0.2000  0.1500  0.0900",
    "     0.021     1.000",
    "          12000",
    "      1",
    "      1    2       100",
    "      2",
    "      2    6        40",
    "      3    1        10",
};

TEST(DramCardTest, ReadsTheTwoLineCoefficientsGroupsAndConstraints) {
  const DramCard card = ParseDramCard(kDramCard, "DRAM.CRD");
  EXPECT_EQ(card.zoneCount, 3);
  EXPECT_EQ(card.householdCategories, 6);
  EXPECT_EQ(card.employmentCategories, 2);
  EXPECT_EQ(card.constraintCode, 5);
  ASSERT_EQ(card.coefficients.size(), 6u);
  EXPECT_DOUBLE_EQ(card.coefficients[5].alpha, 0.95);
  EXPECT_DOUBLE_EQ(card.coefficients[5].beta, -0.17);
  EXPECT_DOUBLE_EQ(card.coefficients[5].vacDev, 0.21);
  EXPECT_DOUBLE_EQ(card.coefficients[5].perDev, 0.41);
  EXPECT_DOUBLE_EQ(card.coefficients[5].resLand, 0.31);
  EXPECT_EQ(card.coefficients[0].householdMix, (std::vector<double>{0.8, 0.1, 0.1, 0.1, 0.1, 0.1}));
  EXPECT_EQ(card.coefficients[5].householdMix, (std::vector<double>{0.1, 0.1, 0.1, 0.1, 0.2, 0.7}));
  EXPECT_DOUBLE_EQ(card.coefficients[5].lagHH, 0.55);
  EXPECT_EQ(card.regressionValues.size(), 19u);
  EXPECT_EQ(card.regressionValues[18], "19.0000");
  EXPECT_TRUE(card.hasGroups);
  EXPECT_EQ(card.firstGroup, (std::vector<int>{1}));
  EXPECT_EQ(card.secondGroup, (std::vector<int>{2}));
  EXPECT_EQ(card.unemploymentRates, (std::vector<double>{0.035, 0.04}));
  EXPECT_DOUBLE_EQ(card.workersPerHousehold[5], 1.95);
  EXPECT_DOUBLE_EQ(card.conversion[1][5], 0.09);
  EXPECT_DOUBLE_EQ(card.netCommutationRate, 0.021);
  EXPECT_DOUBLE_EQ(card.projectedPopulation, 12000);
  ASSERT_EQ(card.constraints.size(), 3u);
  EXPECT_EQ(card.constraints[0].kind, ConstraintKind::Exact);
  EXPECT_EQ(card.constraints[1].kind, ConstraintKind::Maximum);
  EXPECT_EQ(card.constraints[1].category, 6);
  EXPECT_DOUBLE_EQ(card.constraints[2].value, 10);
}

TEST(DramCardTest, ReadsACardWithoutTheEmploymentGroupLines) {
  std::vector<std::string> lines = kDramCard;
  lines.erase(lines.begin() + 33, lines.begin() + 35);
  const DramCard card = ParseDramCard(lines, "DRAM.CRD");
  EXPECT_FALSE(card.hasGroups);
  EXPECT_EQ(card.unemploymentRates, (std::vector<double>{0.035, 0.04}));
  EXPECT_DOUBLE_EQ(card.projectedPopulation, 12000);
}

TEST(DramCardTest, RefusesACategoryWithoutCoefficients) {
  std::vector<std::string> lines = kDramCard;
  lines[24] = "";  // LagHH of category 1, as a parameter table without rows leaves it
  EXPECT_THROW(
      {
        try {
          ParseDramCard(lines, "DRAM.CRD");
        } catch (const ModelInputError& e) {
          EXPECT_STREQ(e.what(), "DRAM.CRD line 25: household category 1 has no LagHH.");
          throw;
        }
      },
      ModelInputError);
}

TEST(DramCardTest, ReadsWhatTheTestRegionWrites) {
  testing::TestRegion region = testing::SyntheticRegion(4, 3, 7, 5);
  region.householdConstraints = {{ConstraintKind::Minimum, 2, 7, 15, 0}};
  const DramCard card = ParseDramCard(testing::DramCardLines(region), "DRAM.CRD");
  EXPECT_EQ(card.coefficients[6].householdMix, region.dram[6].householdMix);
  EXPECT_EQ(card.constraintCode, 8);
  EXPECT_EQ(card.constraints[0].category, 7);
}

TEST(AtrmodCardTest, ReadsTheSettingsLine) {
  const AtrmodCard card = ParseAtrmodCard({"  12   1   1   4   1   2    0.5   1   0   1   1   0   0   0    0", ""}, "ATRMOD.CRD");
  EXPECT_EQ(card.zoneCount, 12);
  EXPECT_EQ(card.run, 1);
  EXPECT_EQ(card.side, KFactorSide::Households);
  EXPECT_EQ(card.categoryCount, 4);
  EXPECT_EQ(card.procedure, "2");
  EXPECT_DOUBLE_EQ(card.attenuation, 0.5);
  EXPECT_EQ(card.inputFiles, (std::array<int, 8>{1, 0, 1, 1, 0, 0, 0, 0}));
  EXPECT_THROW(ParseAtrmodCard({"  12   1   2   4"}, "ATRMOD.CRD"), ModelInputError);
}

}  // namespace
}  // namespace forecast::models
