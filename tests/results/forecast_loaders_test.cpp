#include "platform/database.h"
#include "platform/text_file.h"
#include "results/forecast_loaders.h"
#include "results/result_database_builder.h"
#include "results/result_files.h"
#include "results_fixture.h"

#include <gtest/gtest.h>

namespace forecast::results {
namespace {

using platform::Database;

TEST(SplitForecastLine, ReadsColumnsTheLenientWay) {
  const auto employment = SplitForecastLine("12, 3.5,0,0,0,0,0,0,0,3.5", 10);
  ASSERT_TRUE(employment);
  EXPECT_EQ(*(*employment)[0], 12);
  EXPECT_EQ(*(*employment)[1], 3.5);
  EXPECT_EQ(*(*employment)[8], 0);
  EXPECT_EQ(*(*employment)[9], 3.5);

  // Nine values: the last category has no comma after it.
  EXPECT_FALSE(SplitForecastLine("1,2,3,4,5,6,7,8,9", 10));
  // A line of blanks: the zone has no comma after it.
  EXPECT_FALSE(SplitForecastLine("   ", 10));

  // Twenty-one household values: the last one fills both remaining columns.
  std::string line = "1";
  for (int v = 2; v <= 21; ++v) line += "," + std::to_string(v);
  const auto households = SplitForecastLine(line, 22);
  ASSERT_TRUE(households);
  EXPECT_EQ(*(*households)[20], 21);
  EXPECT_EQ(*(*households)[21], 21);

  // A trailing comma leaves the last column unset.
  const auto trailing = SplitForecastLine("1,0,0,0,0,0,0,0,0,", 10);
  ASSERT_TRUE(trailing);
  EXPECT_FALSE((*trailing)[9].has_value());
}

class LoaderTest : public ::testing::Test {
 protected:
  std::unique_ptr<Database> Results() {
    return Database::Open(ResultDatabasePath(demo.region.Path(), "BL"), Database::Mode::ReadOnly);
  }
  testing::ForecastedRegion demo{3};
  platform::RecordingMessages messages;
};

TEST_F(LoaderTest, EveryPeriodFillsItsTablesWithOneRowPerZone) {
  ASSERT_TRUE(BuildResultDatabase(demo.session, messages));
  ASSERT_TRUE(LoadEmploymentForecast(demo.session, messages));
  ASSERT_TRUE(LoadHouseholdForecast(demo.session, messages));
  EXPECT_TRUE(messages.shown.empty());
  auto db = Results();
  for (const char* table : {"EMP_2005_BL", "EMP_2015_BL", "HH_2010_BL"}) EXPECT_EQ(db->ReadTable(table).rows.size(), 12u);
  const auto zone3 = db->Query("SELECT Zone, Retail, EMP6, TOT_EMP FROM EMP_2010_BL WHERE Zone = 3").rows.at(0);
  const auto values = *SplitForecastLine(demo.EmploymentLines(2)[2], 10);
  EXPECT_EQ(zone3[0].ToInteger(), 3);
  EXPECT_DOUBLE_EQ(zone3[1].ToDouble(), *values[2]);
  EXPECT_DOUBLE_EQ(zone3[2].ToDouble(), 0);
  EXPECT_DOUBLE_EQ(zone3[3].ToDouble(), *values[9]);
  const auto land = db->Query("SELECT Total_area, Vacant FROM HH_2015_BL WHERE Zone = 1").rows.at(0);
  const auto householdValues = *SplitForecastLine(demo.HouseholdLines(3)[0], 22);
  EXPECT_DOUBLE_EQ(land[0].ToDouble(), *householdValues[14]);
  EXPECT_DOUBLE_EQ(land[1].ToDouble(), *householdValues[21]);
}

TEST_F(LoaderTest, FiveHundredLinesLoadAndAFiveHundredAndFirstFails) {
  ASSERT_TRUE(BuildResultDatabase(demo.session, messages));
  std::vector<std::string> lines = demo.EmploymentLines(2);
  lines.resize(500, "");  // empty lines count towards the limit but give no rows
  demo.WriteForecastFiles(2, lines, demo.HouseholdLines(2));
  ASSERT_TRUE(LoadEmploymentForecast(demo.session, messages));
  EXPECT_EQ(Results()->ReadTable("EMP_2010_BL").rows.size(), 12u);

  ASSERT_TRUE(BuildResultDatabase(demo.session, messages));
  lines.push_back("");
  demo.WriteForecastFiles(2, lines, demo.HouseholdLines(2));
  EXPECT_FALSE(LoadEmploymentForecast(demo.session, messages));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, kLoadFailedMessage);
  EXPECT_EQ(messages.shown[0].title, "VORAN");
}

TEST_F(LoaderTest, AFailingLineLeavesItsPeriodTableEmpty) {
  ASSERT_TRUE(BuildResultDatabase(demo.session, messages));
  std::vector<std::string> lines = demo.EmploymentLines(2);
  lines[7] = "   ";
  demo.WriteForecastFiles(2, lines, demo.HouseholdLines(2));
  EXPECT_FALSE(LoadEmploymentForecast(demo.session, messages));
  auto db = Results();
  EXPECT_EQ(db->ReadTable("EMP_2005_BL").rows.size(), 12u);
  EXPECT_EQ(db->ReadTable("EMP_2010_BL").rows.size(), 0u);
}

TEST_F(LoaderTest, BadValuesFailTheLoad) {
  const struct {
    const char* what;
    std::string line;
  } cases[] = {
      {"zone above 32767", "40000,1,1,1,1,1,0,0,0,5"},
      {"too few values", "1,1,1,1,1,1,0,0"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(BuildResultDatabase(demo.session, messages));
    std::vector<std::string> lines = demo.EmploymentLines(1);
    lines.push_back(c.line);
    demo.WriteForecastFiles(1, lines, demo.HouseholdLines(1));
    EXPECT_FALSE(LoadEmploymentForecast(demo.session, messages)) << c.what;
  }
  ASSERT_TRUE(BuildResultDatabase(demo.session, messages));
  std::filesystem::remove(demo.ForecastFile("DRMFCST", 3));
  EXPECT_FALSE(LoadHouseholdForecast(demo.session, messages));
}

TEST(LoaderPeriods, ASeventhPeriodIsReadButNotStored) {
  testing::ForecastedRegion seven{7};
  platform::RecordingMessages messages;
  ASSERT_TRUE(BuildResultDatabase(seven.session, messages));
  ASSERT_TRUE(LoadEmploymentForecast(seven.session, messages));
  auto db = Database::Open(ResultDatabasePath(seven.region.Path(), "BL"));
  EXPECT_EQ(db->ReadTable("EMP_2030_BL").rows.size(), 12u);
  EXPECT_EQ(db->ReadTable("EMP_2035_BL").rows.size(), 0u);
  std::filesystem::remove(seven.ForecastFile("EMPFCST", 7));
  ASSERT_TRUE(BuildResultDatabase(seven.session, messages));
  EXPECT_FALSE(LoadEmploymentForecast(seven.session, messages));
}

}  // namespace
}  // namespace forecast::results
