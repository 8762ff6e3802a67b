#include "platform/text.h"

#include <gtest/gtest.h>

namespace forecast::platform {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {{"12.70", 12.7}, {"12.7 ", 12.7}, {"12,7", 12}, {"  -3.5e2x", -350}, {"abc", 0}, {"", 0}, {".5", 0.5},
               {"7e", 7}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.expected) << c.text;
}

TEST(FormatFixed, RoundsHalfAwayFromZero) {
  EXPECT_EQ(FormatFixed(0.123456, 4), "0.1235");
  EXPECT_EQ(FormatFixed(0.00005, 4), "0.0001");
  EXPECT_EQ(FormatFixed(-0.00005, 4), "-0.0001");
  EXPECT_EQ(FormatFixed(2.0, 3), "2.000");
  EXPECT_EQ(FormatFixed(-0.00001, 4), "0.0000");
  EXPECT_EQ(FormatFixed(1.0005, 3), "1.001");
}

TEST(FormatShortest, GivesTheShortestRoundTrip) {
  EXPECT_EQ(FormatShortest(12.7), "12.7");
  EXPECT_EQ(FormatShortest(2000), "2000");
  EXPECT_EQ(FormatShortest(0.1 + 0.2), "0.30000000000000004");
}

TEST(Split, KeepsEmptyParts) {
  EXPECT_EQ(Split("a,,b,", ','), (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_EQ(SplitWords("  120   5 4 "), (std::vector<std::string>{"120", "5", "4"}));
}

}  // namespace
}  // namespace forecast::platform
