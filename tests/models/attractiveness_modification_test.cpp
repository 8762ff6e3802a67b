#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "models/attractiveness_modification.h"
#include "models/model_error.h"

namespace forecast::models {
namespace {

AtrmodCard Card(int run, double attenuation, std::array<int, 8> inputFiles) {
  AtrmodCard card;
  card.zoneCount = 4;
  card.run = run;
  card.side = KFactorSide::Employment;
  card.categoryCount = 2;
  card.attenuation = attenuation;
  card.inputFiles = inputFiles;
  return card;
}

ResidualLookup Files(std::map<std::string, std::vector<std::string>> files) {
  return [files](const std::string& name) -> std::optional<std::vector<std::string>> {
    const auto found = files.find(name);
    if (found == files.end()) return std::nullopt;
    return found->second;
  };
}

const std::vector<std::string> kResiduals = {
    "1 340 310 30 0.0882",  // K = (340/310)^0.5
    "2 100 0 100 1",        // no estimate: 1
    "3 100 10000 -9900 -99",  // far below: bounded
    "",
};

TEST(AttractivenessModificationTest, KFactorsFollowTheResiduals) {
  const AttractivenessModification result =
      ModifyAttractiveness(Card(1, 0.5, {1, 1}), Files({{"emprese1.bin", kResiduals}, {"emprese2.bin", {"4,50,200,-150,-3"}}}));
  EXPECT_DOUBLE_EQ(result.table.At(0, 0), std::sqrt(340.0 / 310));
  EXPECT_DOUBLE_EQ(result.table.At(0, 1), 1);
  EXPECT_DOUBLE_EQ(result.table.At(0, 2), kLowestKFactor);
  EXPECT_DOUBLE_EQ(result.table.At(0, 3), 1);  // not in the file
  EXPECT_DOUBLE_EQ(result.table.At(1, 3), 0.5);
  EXPECT_EQ(result.categories[0].zonesRead, 3);
  EXPECT_EQ(result.categories[0].zonesBounded, 1);
}

TEST(AttractivenessModificationTest, SwitchesLeaveFactorsAtOne) {
  const auto files = Files({{"emprese1.bin", kResiduals}, {"emprese2.bin", kResiduals}});
  for (const AtrmodCard& card : {Card(0, 0.5, {1, 1}), Card(1, 0.5, {0, 0})}) {
    const AttractivenessModification result = ModifyAttractiveness(card, files);
    for (double k : result.table.factors) EXPECT_EQ(k, 1);
  }
  const AttractivenessModification second = ModifyAttractiveness(Card(1, 0.5, {0, 1}), files);
  EXPECT_EQ(second.table.At(0, 0), 1);
  EXPECT_NE(second.table.At(1, 0), 1);
}

TEST(AttractivenessModificationTest, TheSummaryFileStandsInForTheFirstCategory) {
  const AttractivenessModification result = ModifyAttractiveness(Card(1, 1, {1, 0}), Files({{"EMPRES.TXT", kResiduals}}));
  EXPECT_EQ(result.categories[0].source, "EMPRES.TXT");
  EXPECT_DOUBLE_EQ(result.table.At(0, 0), 340.0 / 310);
}

TEST(AttractivenessModificationTest, RefusesMissingOrBrokenResiduals) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> broken = {
      {{"9 1 1 0 0"}, "emprese1.bin names zone 9; the region has 4 zones."},
      {{"1 1 1 0 0", "1 2 2 0 0"}, "emprese1.bin gives zone 1 more than once."},
      {{"1 -1 1 0 0"}, "emprese1.bin line 1: the observed value \"-1\" is not a number of zero or more."},
      {{"1 5"}, "emprese1.bin line 1: a zone line needs the zone, the observed and the estimated value."},
  };
  for (const auto& [lines, message] : broken) {
    try {
      ModifyAttractiveness(Card(1, 1, {1, 0}), Files({{"emprese1.bin", lines}}));
      ADD_FAILURE() << message;
    } catch (const ModelInputError& e) {
      EXPECT_EQ(e.what(), message);
    }
  }
  EXPECT_THROW(ModifyAttractiveness(Card(1, 1, {0, 1}), Files({})), ModelInputError);
}

}  // namespace
}  // namespace forecast::models
