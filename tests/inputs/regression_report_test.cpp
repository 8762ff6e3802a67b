#include "inputs/regression_report.h"

#include <gtest/gtest.h>

namespace forecast::inputs {
namespace {

TEST(ParseRegressionReport, TakesLinesSeventeenToTwentyThreeAndTheOthersInOrder) {
  std::vector<std::string> lines(80, "");
  lines[16] = "R2: 0.123456";              // value 1
  lines[22] = "AIC: 12";                   // value 7
  lines[42] = "B1: -0.5";                  // value 8
  lines[73] = "T6: 3.14159";               // value 19
  lines[17] = "LONGLABEL: 1.234567891234";  // cut at character 21 before it is read
  lines[18] = "NOTE: n/a";                 // not a number: kept as text
  const RegressionValues values = ParseRegressionReport(lines);
  EXPECT_EQ(values[1], "0.1235");
  EXPECT_EQ(values[2], "1.2346");  // "1.23456789" is all that fits in 21 characters
  EXPECT_EQ(values[3], "n/a");
  EXPECT_EQ(values[7], "12.0000");
  EXPECT_EQ(values[8], "-0.5000");
  EXPECT_EQ(values[19], "3.1416");
  EXPECT_EQ(values[4], "");
}

TEST(ParseRegressionReport, AReportOfMoreThanOneHundredLinesGivesNothing) {
  std::vector<std::string> lines(101, "X: 1");
  for (const std::string& value : ParseRegressionReport(lines)) EXPECT_EQ(value, "");
}

}  // namespace
}  // namespace forecast::inputs
