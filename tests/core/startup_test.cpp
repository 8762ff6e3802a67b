#include "core/startup.h"
#include "support/region_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace forecast {
namespace {

using platform::Database;
using platform::Value;

std::string Bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

class StartupTest : public ::testing::Test {
 protected:
  std::unique_ptr<Database> Input() { return Database::Open(region.File("\\VORAN_SYS\\BL_FORCST_IN.mdb")); }
  testing::DemoRegionFolder region;
  SessionState session;
};

TEST_F(StartupTest, LoadsTheDemoRegion) {
  const StartupResult result = RunStartup(session, region.Path());
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(session.regionSettings.zoneCount, "12");
  EXPECT_EQ(session.runTypeCount, 1);
  EXPECT_EQ(session.currentRunIndex, 1);
  EXPECT_EQ(session.CurrentRunCode(), "BL");
  EXPECT_EQ(session.runTypePeriodCounts[1], 6);
  EXPECT_EQ(session.ForecastYear(1, 1), 2005);
  EXPECT_EQ(session.ForecastYear(100, 6), 2030);
  EXPECT_EQ(session.ForecastYear(1, 7), 0);
  EXPECT_EQ(session.regressionValues[1], "0.8743");
  EXPECT_EQ(session.empAtrmodParameters.Get("ATTEN_FACTOR"), "0.5");
  EXPECT_EQ(session.dramCardParameters.Get("BET4"), "0.125");
  EXPECT_EQ(session.empalCardParameters.Get("NDAT5"), "1");
  EXPECT_GT(session.baseEmploymentTotals.total, 0);
  EXPECT_FLOAT_EQ(session.baseLandUseTotals.developed,
                  session.baseLandUseTotals.values[1] + session.baseLandUseTotals.values[2] +
                      session.baseLandUseTotals.values[3] + session.baseLandUseTotals.values[4]);
  EXPECT_TRUE(Input()->TableExists("Projections_BL"));
}

TEST_F(StartupTest, TheBaselineTakesItsPeriodCountFromTheSettings) {
  auto lines = region.ReadLines("\\VORAN_SYS\\settings.txt");
  lines[16] = "The number of forecast time periods: 4";
  region.WriteLines("\\VORAN_SYS\\settings.txt", lines);
  ASSERT_TRUE(RunStartup(session, region.Path()).ok);
  EXPECT_EQ(session.runTypePeriodCounts[1], 4);
  EXPECT_EQ(Input()->Query("SELECT run_type_num_fcst_yrs FROM runtype WHERE run_type = 'BL'").rows[0][0].ToInteger(), 4);
}

TEST_F(StartupTest, RunsTheTransferProcedureAndCopiesTheProjections) {
  {
    auto db = Input();
    db->Execute("UPDATE Projections SET F11 = '1' WHERE F1 = '2010'");
    db->Execute("DROP TABLE IF EXISTS Projections_BL");
    db->Execute("CREATE TABLE Projections_BL (junk TEXT)");
  }
  ASSERT_TRUE(RunStartup(session, region.Path()).ok);
  auto db = Input();
  const auto f11 = db->Query("SELECT F11 FROM Projections WHERE F1 = '2010'").rows[0][0].ToDouble();
  EXPECT_GT(f11, 1000);
  EXPECT_EQ(db->ReadTable("Projections_BL").rows.size(), 8u);
  EXPECT_EQ(db->ColumnNames("Projections_BL").size(), 11u);
}

TEST_F(StartupTest, ProjectionRowsSetThePeriodsOfEveryRun) {
  {
    auto db = Input();
    db->Execute("DELETE FROM Projections WHERE CAST(F1 AS INTEGER) > 2005");
  }
  ASSERT_TRUE(RunStartup(session, region.Path()).ok);
  EXPECT_EQ(session.ForecastYear(1, 1), 2005);
  EXPECT_EQ(session.ForecastYear(50, 1), 2005);
  EXPECT_EQ(session.ForecastYear(50, 2), 0);
  {
    auto db = Input();
    for (int year = 2010; year <= 2050; year += 5) {
      db->Execute("INSERT INTO Projections (F1) VALUES (?)", {Value(std::to_string(year))});
    }
  }
  SessionState tenPeriods;
  ASSERT_TRUE(RunStartup(tenPeriods, region.Path()).ok);
  EXPECT_EQ(tenPeriods.ForecastYear(7, 10), 2050);
}

TEST_F(StartupTest, TheLastCurrentRunWinsAndNoneLeavesZero) {
  {
    auto db = Input();
    db->Execute("INSERT INTO runtype VALUES (2, 'P1', 'Policy one', 6, 1)");
    db->Execute("INSERT INTO runtype VALUES (3, 'P2', 'Policy two', 6, 1)");
  }
  ASSERT_TRUE(RunStartup(session, region.Path()).ok);
  EXPECT_EQ(session.currentRunIndex, 3);
  Input()->Execute("UPDATE runtype SET yn_current_run = 0");
  SessionState none;
  ASSERT_TRUE(RunStartup(none, region.Path()).ok);
  EXPECT_EQ(none.currentRunIndex, 0);
}

// Each broken region stops start-up with one message naming what is wrong,
// and leaves the parameter database as it was.
TEST_F(StartupTest, ABrokenRegionGivesOneClearMessage) {
  const struct {
    const char* what;
    std::function<void(testing::DemoRegionFolder&)> breakIt;
    const char* mentioned;
  } cases[] = {
      {"settings missing", [](auto& r) { std::filesystem::remove(r.File("\\VORAN_SYS\\settings.txt")); }, "settings.txt"},
      {"line 9 not numeric",
       [](auto& r) {
         auto lines = r.ReadLines("\\VORAN_SYS\\settings.txt");
         lines[8] = "The number of employment categories: many";
         r.WriteLines("\\VORAN_SYS\\settings.txt", lines);
       },
       "Line 9"},
      {"table missing",
       [](auto& r) { Database::Open(r.File("\\VORAN_SYS\\BL_FORCST_IN.mdb"))->Execute("DROP TABLE CONV_MATRIX"); },
       "CONV_MATRIX"},
      {"parameter table missing",
       [](auto& r) { Database::Open(r.File("\\VORAN_SYS\\parmfiles.mdb"))->Execute("DROP TABLE parmsh7"); }, "parmsh7"},
      {"column missing",
       [](auto& r) {
         Database::Open(r.File("\\VORAN_SYS\\BL_FORCST_IN.mdb"))->Execute("ALTER TABLE EMP_ATRMOD DROP COLUMN ATTEN_FACTOR");
       },
       "ATTEN_FACTOR"},
      {"gap in run IDs",
       [](auto& r) {
         Database::Open(r.File("\\VORAN_SYS\\BL_FORCST_IN.mdb"))->Execute("INSERT INTO runtype VALUES (5, 'P1', '', 6, 0)");
       },
       "ID = 2"},
      {"print file missing", [](auto& r) { std::filesystem::remove(r.File("\\VORAN_SYS\\GIS_hh.prn")); }, "GIS_hh.prn"},
      {"print file too long",
       [](auto& r) { r.WriteLines("\\VORAN_SYS\\GIS_lu.prn", std::vector<std::string>(501, "         1")); }, "GIS_lu.prn"},
      {"database is junk",
       [](auto& r) {
         std::ofstream(r.File("\\VORAN_SYS\\BL_FORCST_IN.mdb"), std::ios::trunc) << "garbage garbage garbage garbage";
       },
       "BL_FORCST_IN.mdb"},
  };
  for (const auto& c : cases) {
    testing::DemoRegionFolder broken;
    c.breakIt(broken);
    const std::string parmBefore = Bytes(broken.File("\\VORAN_SYS\\parmfiles.mdb"));
    SessionState state;
    const StartupResult result = RunStartup(state, broken.Path());
    EXPECT_FALSE(result.ok) << c.what;
    EXPECT_NE(result.error.find(c.mentioned), std::string::npos) << c.what << ": " << result.error;
    EXPECT_EQ(Bytes(broken.File("\\VORAN_SYS\\parmfiles.mdb")), parmBefore) << c.what;
  }
}

}  // namespace
}  // namespace forecast
