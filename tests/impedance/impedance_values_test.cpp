#include "impedance/control_values.h"
#include "impedance/converter_statistics.h"
#include "impedance/impedance_comparison.h"
#include "impedance/impedance_report.h"
#include "impedance/year_choice.h"
#include "impedance_test_folder.h"
#include "platform/text.h"

#include <gtest/gtest.h>

namespace forecast::impedance {
namespace {

using Kind = YearChoiceOutcome::Kind;

struct YearCase {
  const char* name;
  std::string count;
  std::array<std::string, 6> years;
  Kind kind;
  std::string message;
  int storedCount;                 // impedanceFileCount afterwards
  std::vector<int> storedYears;    // impedanceYears 1.. of the current run afterwards
};

class YearChoiceTest : public ::testing::TestWithParam<YearCase> {};

TEST_P(YearChoiceTest, ChecksCountAndFiveYearGrid) {
  const YearCase& c = GetParam();
  SessionState session;
  session.regionSettings.currentDataYear = "2000";
  session.currentRunIndex = 2;
  session.impedanceFileCount = 5;
  for (int f = 1; f <= 10; ++f) session.impedanceYears[static_cast<size_t>(f)][2] = 1990;

  const YearChoiceOutcome outcome = ChooseImpedanceYears(session, c.count, c.years);
  EXPECT_EQ(outcome.kind, c.kind);
  EXPECT_EQ(outcome.message, c.message);
  EXPECT_EQ(session.impedanceFileCount, c.storedCount);
  std::vector<int> stored;
  for (int f = 1; f <= 10 && session.impedanceYears[static_cast<size_t>(f)][2] != 0; ++f) {
    stored.push_back(session.impedanceYears[static_cast<size_t>(f)][2]);
  }
  EXPECT_EQ(stored, c.storedYears);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, YearChoiceTest,
    ::testing::Values(
        YearCase{"OnTheGrid", "3", {"2005", "2010", "2025"}, Kind::Accepted, "", 3, {2005, 2010, 2025}},
        YearCase{"OffTheGrid", "2", {"2010", "2007"}, Kind::OffGrid, "", 2, {2010}},
        YearCase{"CountAboveSix", "7", {}, Kind::Message, kCountMessage, 5, {}},
        YearCase{"CountEmpty", "", {}, Kind::Message, kCountMessage, 5, {1990, 1990, 1990, 1990, 1990, 1990, 1990,
                                                                          1990, 1990, 1990}},
        YearCase{"CountZero", "0", {}, Kind::Accepted, "", 0, {}},
        YearCase{"YearMissing", "2", {"2015", ""}, Kind::Message, kYearsMessage, 2, {2015}},
        YearCase{"YearNotFourDigits", "1", {"15"}, Kind::Message, kYearsMessage, 1, {}}),
    [](const ::testing::TestParamInfo<YearCase>& test) { return std::string(test.param.name); });

TEST(ControlValuesTest, TheFirstEmptyBoxInTheOrderAskedGivesItsMessage) {
  const auto with = [](std::function<void(ImpedanceControlValues&)> change) {
    ImpedanceControlValues values = testing::MatchingControlValues();
    change(values);
    return FirstMissingControlValue(values);
  };
  EXPECT_EQ(with([](auto&) {}), std::nullopt);
  EXPECT_EQ(with([](auto& v) { v.average = "", v.smallest = ""; }),
            "Please enter a value for Average Zone-to-Zone Travel Impedance.");
  EXPECT_EQ(with([](auto& v) { v.smallest = "", v.top[0] = ""; }),
            "Please enter a value for Smallest Zone-to-Zone Travel Impedance.");
  EXPECT_EQ(with([](auto& v) { v.largest = " "; }), "Please enter a value for Largest Zone-to-Zone Travel Impedance.");
  // Top and bottom value k are asked in turn, so bottom 2 comes before top 3.
  EXPECT_EQ(with([](auto& v) { v.top[3] = "", v.bottom[2] = ""; }),
            "Please enter a value for Bottom 4x4 Zone-to-Zone Travel Impedance Matrix.");
  EXPECT_EQ(with([](auto& v) { v.top[2] = "", v.bottom[2] = ""; }),
            "Please enter a value for Top 4x4 Zone-to-Zone Travel Impedance Matrix.");
}

TEST(ControlValuesTest, StoresForTheCurrentFileOnlyWhenComplete) {
  SessionState session;
  session.currentPeriodIndex = 2;
  ImpedanceControlValues values = testing::MatchingControlValues();
  values.bottom[15] = "";
  EXPECT_TRUE(StoreControlValues(session, values).has_value());
  EXPECT_EQ(session.enteredImpedanceValues[2].average, "");
  values.bottom[15] = "7";
  EXPECT_FALSE(StoreControlValues(session, values).has_value());
  EXPECT_EQ(StoredControlValues(session).bottom[15], "7");
  EXPECT_EQ(session.enteredImpedanceValues[1].average, "");
}

TEST(ImpedanceComparisonTest, ComparesLeadingNumbersExactly) {
  struct Case {
    const char* entered;
    const char* found;
    bool same;
  };
  for (const Case& c : {Case{"12.70", "12.7", true}, Case{"12.7 ", "12.7", true}, Case{"12,7", "12.7", false},
                        Case{"12,7", "12", true}, Case{" 4.4", "4.40", true}, Case{"abc", "0", true},
                        Case{"12.7", "12.71", false}}) {
    EXPECT_EQ(SameImpedance(c.entered, c.found), c.same) << c.entered << " / " << c.found;
  }
}

TEST(ConverterStatisticsTest, ReadsValuesAfterEqualsAndBlockFields) {
  const auto lines = platform::Split(testing::MatchingStatistics(), '\n');
  std::vector<std::string> trimmed;
  for (const auto& line : lines) trimmed.push_back(line.substr(0, line.find('\r')));
  std::string error;
  const auto values = ParseConverterStatistics(trimmed, &error);
  ASSERT_TRUE(values.has_value()) << error;
  EXPECT_EQ(values->smallest, "3.80");
  EXPECT_EQ(values->largest, "31.6");
  EXPECT_EQ(values->average, "12.7");
  EXPECT_EQ(values->top[1][2], "16");
  EXPECT_EQ(values->bottom[3][3], "55.50");
  EXPECT_FALSE(CompareImpedance(testing::MatchingControlValues(), *values).Any());
}

TEST(ConverterStatisticsTest, AFifthValueOnABlockLineIsAnErrorAndMissingLinesReadEmpty) {
  std::string error;
  std::vector<std::string> lines = {"min = 1", "max = 9", "avg = 5", "Row 1      1.0     2.0     3.0     4.0     5.0"};
  EXPECT_FALSE(ParseConverterStatistics(lines, &error).has_value());
  EXPECT_NE(error.find("Line 4"), std::string::npos);

  lines.pop_back();
  const auto values = ParseConverterStatistics(lines, &error);
  ASSERT_TRUE(values.has_value());
  EXPECT_EQ(values->top[0][0], "");
  EXPECT_EQ(values->bottom[3][3], "");
}

TEST(ImpedanceReportTest, ListsShowTheBlocksColumnByColumn) {
  EXPECT_EQ(BlockValueAtListPosition(0), 0);
  EXPECT_EQ(BlockValueAtListPosition(1), 4);   // row 1, column 0
  EXPECT_EQ(BlockValueAtListPosition(4), 1);   // row 0, column 1
  EXPECT_EQ(BlockValueAtListPosition(15), 15);

  ImpedanceControlValues entered = testing::MatchingControlValues();
  entered.top[4] = "14.0";
  const ImpedanceReport entry = EntryReport(entered);
  EXPECT_EQ(entry.topList[1], "14.0");
  EXPECT_EQ(entry.average, "12.70");

  ImpedanceCheckValues found;
  found.average = "12.70";
  found.top[1][0] = "14.000";
  found.bottom[0][1] = "7";
  const ImpedanceReport check = CheckReport(entered, found);
  EXPECT_EQ(check.average, "12.7");
  EXPECT_EQ(check.topList[1], "14");
  EXPECT_EQ(check.bottomList[4], "7");
  EXPECT_EQ(check.topList[2], "0");  // nothing found reads as 0
  EXPECT_FALSE(check.differences.average);
  EXPECT_FALSE(check.differences.top[4]);
  EXPECT_TRUE(check.differences.TopDiffers());
  EXPECT_TRUE(check.differences.bottom[1]);
}

}  // namespace
}  // namespace forecast::impedance
