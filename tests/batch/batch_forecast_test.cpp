#include "core/pages/wizard_window.h"
#include "core/startup.h"
#include "platform/database.h"
#include "results/pages/results_pages.h"
#include "results/report_text.h"
#include "results/result_files.h"
#include "runs/batch_forecast.h"
#include "support/fakes.h"
#include "support/region_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <gtest/gtest.h>

#include <sstream>

namespace forecast::runs {
namespace {

using platform::Database;
using platform::Value;

CommandLine BatchLine(const std::filesystem::path& folder) {
  CommandLine line;
  line.action = CommandLine::Action::Batch;
  line.appFolder = folder;
  return line;
}

int Batch(const CommandLine& line, platform::RecordingMessages& messages, std::string* output = nullptr) {
  std::ostringstream out;
  platform::QtProcessRunner processes(line.appFolder);
  const int code = RunBatchForecast(line, out, messages, processes);
  if (output) *output = out.str();
  return code;
}

double Query(const std::filesystem::path& file, const std::string& sql) {
  return Database::Open(file, Database::Mode::ReadOnly)->Query(sql).rows.at(0).at(0).ToDouble();
}

TEST(BatchForecast, RunsTheWholeRoadAndTheReportEqualsThePages) {
  testing::DemoRegionFolder region;
  platform::RecordingMessages messages;
  std::string output;
  ASSERT_EQ(Batch(BatchLine(region.Path()), messages, &output), kBatchSucceeded) << output;
  EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text;
  EXPECT_NE(output.find("period 6 (2030)"), std::string::npos) << output;
  EXPECT_NE(output.find("Result database: "), std::string::npos);
  const auto results = results::ResultDatabasePath(region.Path(), "BL");
  EXPECT_EQ(Query(results, "SELECT count(*) FROM EMP_2030_BL"), 12);

  // The report for period 2, as the command prints it and as the wizard's pages show it.
  SessionState session;
  ASSERT_TRUE(RunStartup(session, region.Path()).ok);
  ASSERT_TRUE(results::ChooseReviewByCode(session, "BL", 2, messages));
  results::CategoryChangePage page1;
  ASSERT_TRUE(results::ComputeCategoryChangePage(session, &page1));
  const std::vector<std::string> text = results::ReportText(session, page1, results::ComputeTotalsChangePage(session),
                                                            results::ComputeRatiosPage(session));
  const auto has = [&](const std::string& label, const QString& value) {
    for (const std::string& line : text) {
      if (line.find(label) != std::string::npos && line.find(value.toStdString()) != std::string::npos) return true;
    }
    return false;
  };
  testing::FakeApp fake;
  AppServices app{session, messages, fake.processes, fake.clock, fake.navigator};
  std::unique_ptr<pages::Page> first(pages::CreateCategoryChangePage(app));
  EXPECT_TRUE(has("Retail", first->findChild<QLineEdit*>("txtReport(9)")->text()));
  EXPECT_TRUE(has("HighInc", first->findChild<QLineEdit*>("txtReport(19)")->text()));
  std::unique_ptr<pages::Page> second(pages::CreateTotalsChangePage(app));
  for (int box = 0; box < 5; ++box) {
    const QString shown = second->findChild<QLineEdit*>(QString("txtReport(%1)").arg(box))->text();
    EXPECT_TRUE(has(results::TotalsRowLabels()[static_cast<size_t>(box)], shown)) << box;
  }
  std::unique_ptr<pages::Page> third(pages::CreateRatiosPage(app));
  EXPECT_TRUE(has("Population per Household:", third->findChild<QLineEdit*>("txtReport(0)")->text()));
  EXPECT_TRUE(has("Population per Employee:", third->findChild<QLineEdit*>("txtReport(1)")->text()));
}

TEST(BatchForecast, AnExactConstraintIsHeldAndTheTotalsStillFollowTheProjections) {
  testing::DemoRegionFolder region;
  Database::Open(region.File("\\VORAN_SYS\\BL_FORCST_IN.mdb"))
      ->Execute("INSERT INTO \"const\" (\"year\", contype, emphh, zone, \"type\", \"value\") VALUES (2010, 1, 'Employee', 3, 2, 1234)");
  CommandLine line = BatchLine(region.Path());
  line.constraints = {{1, "Employee", 2010}};
  platform::RecordingMessages messages;
  std::string output;
  ASSERT_EQ(Batch(line, messages, &output), kBatchSucceeded) << output;

  const auto results = results::ResultDatabasePath(region.Path(), "BL");
  EXPECT_EQ(Query(results, "SELECT Retail FROM EMP_2010_BL WHERE Zone = 3"), 1234);
  // Not chosen for 2015: the zone is free again.
  EXPECT_NE(Query(results, "SELECT Retail FROM EMP_2015_BL WHERE Zone = 3"), 1234);
  const auto input = region.File("\\VORAN_SYS\\BL_FORCST_IN.mdb");
  for (const char* year : {"2010", "2015"}) {
    const double projected = Query(input, std::string("SELECT F4 FROM Projections WHERE F1 = '") + year + "'");
    EXPECT_NEAR(Query(results, std::string("SELECT sum(Retail) FROM EMP_") + year + "_BL"), projected, 1e-6 * projected);
  }
}

TEST(BatchForecast, BadArgumentsAndFailuresHaveTheirExitCodes) {
  testing::DemoRegionFolder region;
  platform::RecordingMessages messages;
  CommandLine unknownRun = BatchLine(region.Path());
  unknownRun.runCode = "ZZ";
  EXPECT_EQ(Batch(unknownRun, messages), kBatchBadArguments);
  CommandLine offYear = BatchLine(region.Path());
  offYear.constraints = {{1, "Employee", 2012}};
  EXPECT_EQ(Batch(offYear, messages), kBatchBadArguments);

  // Without the calibration data there is no base period to start the chain from.
  std::filesystem::remove(region.File("\\VORAN_SYS\\CALIB\\DATA\\DRMDAT.BIN"));
  messages.shown.clear();
  EXPECT_EQ(Batch(BatchLine(region.Path()), messages), kBatchFailed);
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_NE(messages.shown.back().text.find("DRMDAT05BL.bin"), std::string::npos) << messages.shown.back().text;
}

// The two subcommands as a user runs them, on a machine without a display.
TEST(ForecastProgram, BatchThenReportWithoutADisplay) {
  testing::TempDir dir;
  const QString folder = QString::fromStdString((dir.Path() / "region").string());
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  const auto run = [&](const QStringList& arguments, QString* out) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(FORECAST_PROGRAM, arguments);
    process.waitForFinished(120000);
    if (out) *out = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitCode();
  };
  ASSERT_EQ(run({"make-demo", folder, "--zones", "20"}, nullptr), 0);
  ASSERT_EQ(run({"batch", "--project", folder}, nullptr), 0);
  QString report;
  const QString pdf = QString::fromStdString((dir.Path() / "report.pdf").string());
  ASSERT_EQ(run({"report", "--project", folder, "--run", "BL", "--period", "2", "--pdf", pdf}, &report), 0);
  EXPECT_TRUE(report.contains("Forecast Time Periods: 2005-2010")) << report.toStdString();
  EXPECT_TRUE(report.contains("Regional Percentage Change in Vacant Land"));
  EXPECT_GT(std::filesystem::file_size(dir.Path() / "report.pdf"), 1000u);
  EXPECT_EQ(run({"report", "--project", folder, "--run", "BL"}, nullptr), 2);
  EXPECT_EQ(run({"report", "--project", folder, "--run", "BL", "--period", "9"}, nullptr), 1);
}

}  // namespace
}  // namespace forecast::runs
