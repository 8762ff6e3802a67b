#include <gtest/gtest.h>

#include "models/impedance_statistics.h"
#include "models/impedance_text.h"
#include "models/model_error.h"

namespace forecast::models {
namespace {

TEST(ImpedanceTextTest, ReadsTheTwoColumnsInMatrixOrder) {
  const ImpedanceMatrix matrix = ParseImpedanceText(
      {"         1      4.40", "         2     12.70", "", "3 13", "  4,   5.5"}, "IMPD.TXT");
  EXPECT_EQ(matrix.zoneCount, 2);
  EXPECT_EQ(matrix.values, (MatrixValues{4.4, 12.7, 13, 5.5}));
}

TEST(ImpedanceTextTest, RefusesWhatIsNotAFullMatrix) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {std::vector<std::string>(10, "         1      4.40"), "IMPD.TXT holds 10 impedances; a full zone-to-zone matrix needs a square number of them (9 or 16)."},
      {{"         1     -4.40"}, "IMPD.TXT line 1 holds a negative impedance."},
      {{"         1      4.40", "travel times follow"}, "IMPD.TXT line 2 does not hold an identification number and an impedance: \"travel times follow\"."},
      {{"", "  "}, "IMPD.TXT holds no impedances."},
  };
  for (const auto& [lines, message] : cases) {
    try {
      ParseImpedanceText(lines, "IMPD.TXT");
      ADD_FAILURE() << message;
    } catch (const ModelInputError& e) {
      EXPECT_EQ(e.what(), message);
    }
  }
}

TEST(ImpedanceTextTest, WritesWhatItReads) {
  const ImpedanceMatrix matrix{2, {4.4, 12.7, 100, 0.25}};
  const std::vector<std::string> lines = ImpedanceTextLines(matrix);
  EXPECT_EQ(lines[0], "         1      4.40");
  EXPECT_EQ(lines[3], "         4      0.25");
  EXPECT_EQ(ParseImpedanceText(lines, "IMPD.TXT").values, matrix.values);
}

TEST(ImpedanceStatisticsTest, WritesTheCheckValuesInTheirColumns) {
  ImpedanceMatrix matrix{5, {}};
  for (int i = 1; i <= 5; ++i) {
    for (int j = 1; j <= 5; ++j) matrix.values.push_back(10 * i + j);
  }
  matrix.values[24] = 1234.56789;  // too long for its field: rounded to fit
  const std::vector<std::string> expected = {
      "Smallest zone-to-zone impedance = 11",
      "Largest zone-to-zone impedance = 1234.56789",
      "Average zone-to-zone impedance = 80.1827156",
      "TOP 1         11      12      13      14",
      "TOP 2         21      22      23      24",
      "TOP 3         31      32      33      34",
      "TOP 4         41      42      43      44",
      "BOTTOM 1      22      23      24      25",
      "BOTTOM 2      32      33      34      35",
      "BOTTOM 3      42      43      44      45",
      "BOTTOM 4      52      53      541234.568",
  };
  EXPECT_EQ(ImpedanceStatisticsLines(matrix), expected);
}

TEST(ImpedanceStatisticsTest, ARegionOfFewerThanFourZonesGivesWhatItHas) {
  const std::vector<std::string> lines = ImpedanceStatisticsLines({2, {1, 2, 3, 4}});
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[2], "Average zone-to-zone impedance = 2.5");
  EXPECT_EQ(lines[4], "TOP 2          3       4");
  EXPECT_EQ(lines[5], "TOP 3   ");
}

}  // namespace
}  // namespace forecast::models
