#include "core/startup.h"
#include "platform/database.h"
#include "policy/projections/run_projections.h"
#include "support/region_fixture.h"

#include <gtest/gtest.h>

namespace forecast::policy {
namespace {

class RunProjectionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const StartupResult started = RunStartup(session, region.Path());
    ASSERT_TRUE(started.ok) << started.error;
  }
  platform::QueryResult Table() { return session.inputDatabase->ReadTable("Projections_BL"); }

  testing::DemoRegionFolder region;
  SessionState session;
};

TEST_F(RunProjectionsTest, LoadsTheSixPeriodsOfTheBaseline) {
  const RunProjections loaded = LoadRunProjections(session);
  EXPECT_EQ(loaded.tableName, "Projections_BL");
  EXPECT_EQ(loaded.periodCount, 6);
  ASSERT_EQ(loaded.lines.size(), 6u);
  const auto table = Table();
  for (size_t p = 0; p < 6; ++p) {
    const auto& row = table.rows[p + 2];
    EXPECT_EQ(loaded.lines[p].year, row[0].ToText());
    EXPECT_EQ(loaded.lines[p].population, row[1].ToText());
    EXPECT_EQ(loaded.lines[p].employment[4], row[6].ToText());
    EXPECT_EQ(loaded.lines[p].totalEmployment, row[10].ToText());
    EXPECT_EQ(session.forecastYears[1][p + 1], static_cast<int>(row[0].ToInteger()));
  }
}

TEST_F(RunProjectionsTest, RowsBeyondTheRunsPeriodsAreCutForGood) {
  // Nine rows for a run of four periods: two headings and four periods remain.
  session.inputDatabase->Execute(
      "INSERT INTO \"Projections_BL\" (\"F1\") VALUES ('2035')");
  ASSERT_EQ(Table().rows.size(), 9u);
  session.runTypePeriodCounts[1] = 4;
  const RunProjections loaded = LoadRunProjections(session);
  EXPECT_EQ(loaded.lines.size(), 4u);
  EXPECT_EQ(Table().rows.size(), 6u);
  EXPECT_EQ(Table().rows.back()[0].ToText(), loaded.lines.back().year);
}

TEST_F(RunProjectionsTest, SavingWritesEveryShownCellAndReopensTheInputDatabase) {
  const auto before = Table();
  RunProjections edited = LoadRunProjections(session);
  edited.lines[1].totalEmployment = "123456";
  const platform::Database* old = session.inputDatabase.get();
  ASSERT_EQ(SaveRunProjections(session, edited), "");
  ASSERT_NE(session.inputDatabase, nullptr);
  EXPECT_NE(session.inputDatabase.get(), old);

  const auto after = Table();
  ASSERT_EQ(after.rows.size(), before.rows.size());
  for (size_t r = 0; r < after.rows.size(); ++r) {
    for (size_t c = 0; c < after.rows[r].size(); ++c) {
      const std::string expected = r == 3 && c == 10 ? "123456" : before.rows[r][c].ToText();
      EXPECT_EQ(after.rows[r][c].ToText(), expected) << "row " << r + 1 << " F" << c + 1;
    }
  }
}

TEST_F(RunProjectionsTest, APolicyRunEditsItsOwnTable) {
  session.inputDatabase->CopyTable("Projections", "Projections_P1");
  session.runTypeCodes[2] = "P1";
  session.runTypePeriodCounts[2] = 3;
  session.currentRunIndex = 2;
  RunProjections edited = LoadRunProjections(session);
  EXPECT_EQ(edited.tableName, "Projections_P1");
  ASSERT_EQ(edited.lines.size(), 3u);
  edited.lines[0].year = "2006";
  ASSERT_EQ(SaveRunProjections(session, edited), "");
  EXPECT_EQ(session.inputDatabase->ReadTable("Projections_P1").rows[2][0].ToText(), "2006");
  EXPECT_EQ(session.inputDatabase->ReadTable("Projections_P1").rows.size(), 5u);
  EXPECT_NE(Table().rows[2][0].ToText(), "2006");
}

TEST_F(RunProjectionsTest, AMissingTableIsReportedAndNothingIsWritten) {
  session.runTypeCodes[1] = "ZZ";
  EXPECT_THROW(LoadRunProjections(session), platform::DatabaseError);
  RunProjections projections;
  projections.tableName = "Projections_ZZ";
  projections.lines.resize(1);
  EXPECT_NE(SaveRunProjections(session, projections), "");
}

}  // namespace
}  // namespace forecast::policy
