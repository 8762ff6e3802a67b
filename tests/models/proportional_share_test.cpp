#include <gtest/gtest.h>

#include <limits>

#include "models/proportional_share.h"

namespace forecast::models {
namespace {

constexpr double kNone = std::numeric_limits<double>::infinity();

struct ShareCase {
  const char* what;
  std::vector<double> weights;
  std::vector<ShareBounds> bounds;
  double target;
  std::vector<double> expected;
  bool reached;
};

TEST(ProportionalShareTest, SharesWithinBounds) {
  const std::vector<ShareCase> cases = {
      {"plain scaling", {1, 2, 1}, {{0, kNone}, {0, kNone}, {0, kNone}}, 100, {25, 50, 25}, true},
      // The capped item's excess goes to the others in proportion to their weights.
      {"maximum", {1, 2, 1}, {{0, kNone}, {0, 30}, {0, kNone}}, 100, {35, 30, 35}, true},
      {"minimum", {1, 2, 1}, {{0, kNone}, {0, kNone}, {40, kNone}}, 100, {20, 40, 40}, true},
      // Scaling breaks both bounds at once; settling both would give 18, the right answer is 7 + 8.
      {"maximum and minimum together", {100, 1}, {{0, 10}, {8, kNone}}, 15, {7, 8}, true},
      {"cascade of maximums", {4, 3, 2, 1}, {{0, 10}, {0, 20}, {0, kNone}, {0, kNone}}, 100, {10, 20, 46.666666666666664, 23.333333333333332}, true},
      {"unreachable above", {1, 1}, {{0, 10}, {0, 20}}, 100, {10, 20}, false},
      {"unreachable below", {1, 1}, {{30, kNone}, {40, kNone}}, 50, {30, 40}, false},
      {"negative remainder ends at zero", {1, 1}, {{0, kNone}, {0, kNone}}, -5, {0, 0}, false},
      {"an item without weight keeps its minimum", {0, 1}, {{5, kNone}, {0, kNone}}, 20, {5, 15}, true},
  };
  for (const ShareCase& c : cases) {
    const SharedTotal shared = ShareInProportion(c.weights, c.bounds, c.target, {});
    ASSERT_EQ(shared.values.size(), c.expected.size()) << c.what;
    for (size_t i = 0; i < c.expected.size(); ++i) EXPECT_NEAR(shared.values[i], c.expected[i], 1e-9) << c.what << " item " << i;
    EXPECT_EQ(shared.reached, c.reached) << c.what;
  }
}

TEST(ProportionalShareTest, FallsBackWhenNoItemHasWeight) {
  EXPECT_EQ(ShareInProportion({0, 0, 0}, std::vector<ShareBounds>(3), 60, {1, 0, 2}).values, (std::vector<double>{20, 0, 40}));
  EXPECT_EQ(ShareInProportion({0, 0, 0}, std::vector<ShareBounds>(3), 60, {}).values, (std::vector<double>{20, 20, 20}));
}

}  // namespace
}  // namespace forecast::models
