#include "platform/database.h"
#include "results/forecast_loaders.h"
#include "results/result_database_builder.h"
#include "results/result_files.h"
#include "results_fixture.h"

#include <gtest/gtest.h>

namespace forecast::results {
namespace {

using platform::Database;

class BuilderTest : public ::testing::Test {
 protected:
  std::unique_ptr<Database> Results() {
    return Database::Open(ResultDatabasePath(demo.region.Path(), "BL"), Database::Mode::ReadOnly);
  }
  void SetCategoryLine(int index, const std::string& line) {
    auto lines = demo.region.ReadLines("\\VORAN_SYS\\settings.txt");
    lines[static_cast<size_t>(index)] = line;
    demo.region.WriteLines("\\VORAN_SYS\\settings.txt", lines);
  }
  testing::ForecastedRegion demo{3};
  platform::RecordingMessages messages;
};

TEST_F(BuilderTest, MakesOneEmploymentAndOneHouseholdTablePerPeriodWithTheCategoryNames) {
  ASSERT_TRUE(BuildResultDatabase(demo.session, messages));
  EXPECT_TRUE(messages.shown.empty());
  auto db = Results();
  EXPECT_EQ(db->TableNames(), (std::vector<std::string>{"EMP_2005_BL", "HH_2005_BL", "EMP_2010_BL", "HH_2010_BL",
                                                        "EMP_2015_BL", "HH_2015_BL"}));
  EXPECT_EQ(db->ColumnNames("EMP_2010_BL"),
            (std::vector<std::string>{"Zone", "Basic", "Retail", "Service", "Finance", "Govern", "EMP6", "EMP7", "EMP8",
                                      "TOT_EMP"}));
  EXPECT_EQ(db->ColumnNames("hh_2010_bl"),
            (std::vector<std::string>{"Zone", "LowInc", "LowMid", "UpMid", "HighInc", "HH5", "HH6", "HH7", "HH8",
                                      "Total_HHs", "Total_Popn", "TEPR", "GPQRS", "AHU", "TOTAL_AREA", "Unusable", "Basic",
                                      "Commercial", "Residential", "Usable", "Streets", "Vacant"}));
  // Every field is Required.
  const auto info = db->Query("SELECT type, \"notnull\" FROM pragma_table_info('EMP_2010_BL')");
  EXPECT_EQ(info.rows[0][0].ToText(), "SMALLINT");
  for (const auto& row : info.rows) EXPECT_EQ(row[1].ToInteger(), 1);
  for (size_t i = 1; i < info.rows.size(); ++i) EXPECT_EQ(info.rows[i][0].ToText(), "DOUBLE");
}

TEST_F(BuilderTest, ARebuildStartsFromAnEmptyDatabase) {
  ASSERT_TRUE(BuildResultDatabase(demo.session, messages));
  ASSERT_TRUE(LoadEmploymentForecast(demo.session, messages));
  ASSERT_TRUE(BuildResultDatabase(demo.session, messages));
  EXPECT_EQ(Results()->ReadTable("EMP_2005_BL").rows.size(), 0u);
}

TEST_F(BuilderTest, YearsOffTheFiveYearGridGetTablesEveryFifthYear) {
  demo.session.forecastYears[1][2] = 2012;
  demo.session.forecastYears[1][3] = 2017;
  ASSERT_TRUE(BuildResultDatabase(demo.session, messages));
  EXPECT_EQ(Results()->TableNames(), (std::vector<std::string>{"EMP_2005_BL", "HH_2005_BL", "EMP_2010_BL", "HH_2010_BL",
                                                               "EMP_2015_BL", "HH_2015_BL"}));
}

// Category lines the loaders cannot match make the load fail later, never the build silently.
TEST_F(BuilderTest, BadCategoryLinesAreReportedAndFailTheLoad) {
  const struct {
    const char* what;
    int lineIndex;
    const char* line;
    const char* message;
  } cases[] = {
      {"fewer names than the count", 9, "The employment categories:Basic,Retail,", "3125"},
      {"blanks after the commas", 9, "The employment categories:Basic, Retail, Service, Finance, Govern,", ""},
      {"no category line", 9, "Something else: x", "No line was passed to ParseCategoriesLine"},
  };
  for (const auto& c : cases) {
    testing::ForecastedRegion fresh{1};
    auto lines = fresh.region.ReadLines("\\VORAN_SYS\\settings.txt");
    lines[static_cast<size_t>(c.lineIndex)] = c.line;
    fresh.region.WriteLines("\\VORAN_SYS\\settings.txt", lines);
    platform::RecordingMessages seen;
    ASSERT_TRUE(BuildResultDatabase(fresh.session, seen)) << c.what;
    bool found = std::string(c.message).empty();
    for (const auto& m : seen.shown) found = found || m.text.find(c.message) != std::string::npos;
    EXPECT_TRUE(found) << c.what;
    EXPECT_FALSE(LoadEmploymentForecast(fresh.session, seen)) << c.what;
    EXPECT_EQ(seen.shown.back().text, kLoadFailedMessage) << c.what;
  }
}

TEST_F(BuilderTest, AnExistingTableIsReportedAndKept) {
  auto db = Database::Open(demo.region.Path() / "x.mdb", Database::Mode::Create);
  CreateResultTable(*db, demo.region.Path(), "EMP_2005_BL", "EMP", messages);
  CreateResultTable(*db, demo.region.Path(), "EMP_2005_BL", "EMP", messages);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "EMP_2005_BL already exists in " + (demo.region.Path() / "x.mdb").string());
}

TEST(ParseCategoriesLine, KeepsNamesAsWrittenAndResizesToTheCount) {
  platform::RecordingMessages messages;
  EXPECT_EQ(ParseCategoriesLine("The household categories:A, B,C,", 4, messages),
            (std::vector<std::string>{"A", " B", "C", ""}));
  EXPECT_EQ(ParseCategoriesLine("The household categories:A,B,C,D,E", 2, messages), (std::vector<std::string>{"A", "B"}));
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace forecast::results
