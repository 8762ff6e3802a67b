#include "run_region.h"

#include "platform/process_runner.h"
#include "platform/text_file.h"
#include "runs/file_check.h"
#include "runs/forecast_run.h"

#include <gtest/gtest.h>

#include <array>

namespace forecast::runs {
namespace {

namespace files = inputs::files;
using inputs::ModelFolder;
using inputs::PerPeriodFile;
using testing::Content;
using testing::FakeRun;
using testing::RunRegion;
using testing::WriteContent;

constexpr const char* kMissing = "<missing>";
// The per-period copies of the binary forecasts.
constexpr PerPeriodFile kPeriodEmpForecast{ModelFolder::Forecasting, "EMPFCST", ".bin"};
constexpr PerPeriodFile kPeriodDrmForecast{ModelFolder::Forecasting, "DRMFCST", ".bin"};

// Only this program fails, in this period, in this way, at most `times` times.
std::function<FakeRun(const std::string&, int)> Failing(const std::string& program, int period, FakeRun how,
                                                        int times = 99) {
  return [=, failures = 0](const std::string& name, int p) mutable {
    return name == program && p == period && failures++ < times ? how : FakeRun::Normal;
  };
}

std::vector<std::string> Shown(const RunRegion& region) {
  std::vector<std::string> shown;
  for (const auto& message : region.app.messages.shown) shown.push_back(message.title + ": " + message.text);
  return shown;
}

// The run stopped in this period: the periods before are done, nothing of this
// one is filed as done and no later period ran.
void ExpectStoppedIn(const RunRegion& region, int period) {
  EXPECT_EQ(FinishedPeriods(region.app.session), period - 1);
  EXPECT_FALSE(std::filesystem::exists(region.Period(files::kPeriodEmpalOut, period)));
  EXPECT_FALSE(std::filesystem::exists(region.Period(files::kPeriodDramOut, period)));
  EXPECT_EQ(region.models.Count("EMPALT.EXE", period + 1), 0);
}

const std::string kProblem =
    "Troubleshooting: Error! You have experienced a Forecasting problem. Please exit VORAN and contact your VORAN "
    "representatives for assistance.";

// A region whose file check and cards are done, ready for GO on the forecast page.
class ForecastRunTest : public ::testing::Test {
 protected:
  void SetUp() override { r.PrepareForecast(); }
  RunRegion r;
};

TEST_F(ForecastRunTest, EveryPeriodRunsOnItsOwnFilesAndStartsFromThePreviousForecast) {
  std::vector<std::string> progress;
  ForecastProgress report;
  report.periodStarted = [&](int p, int n, int year) {
    progress.push_back("start " + std::to_string(p) + "/" + std::to_string(n) + " " + ProcessingText(year));
  };
  report.periodFinished = [&](int p) { progress.push_back("done " + std::to_string(p)); };
  ASSERT_EQ(RunForecast(r.app.services, report), ForecastOutcome::Completed);
  EXPECT_TRUE(r.app.messages.shown.empty());
  EXPECT_EQ(progress, (std::vector<std::string>{"start 1/3 Processing Forecast Time Period: 2005", "done 1",
                                                "start 2/3 Processing Forecast Time Period: 2010", "done 2",
                                                "start 3/3 Processing Forecast Time Period: 2015", "done 3"}));

  const auto working = inputs::FolderPath(r.Path(), ModelFolder::Forecasting);
  ASSERT_EQ(r.app.processes.runs.size(), 9u);
  for (size_t i = 0; i < 9; ++i) {
    EXPECT_EQ(r.app.processes.runs[i].program, (std::array{"EMPALT.EXE", "DRAMT.EXE", "FCSTCNVT.EXE"}[i % 3]));
    EXPECT_EQ(r.app.processes.runs[i].folder, working);
  }
  for (int p = 1; p <= 3; ++p) {
    SCOPED_TRACE("period " + std::to_string(p));
    const auto* empal = r.models.Find("EMPALT.EXE", p);
    const auto* dram = r.models.Find("DRAMT.EXE", p);
    ASSERT_TRUE(empal && dram);
    // The period's own files under the working names.
    EXPECT_EQ(empal->inputs.at("EMPAL.CRD"), Content(r.Period(files::kEmpalCard, p)));
    EXPECT_EQ(empal->inputs.at("IMPD.BIN"), Content(r.Period(files::kPeriodWorkingImpedance, p)));
    EXPECT_EQ(empal->inputs.at("EKFAC.BIN"), Content(r.Period(files::kPeriodEmpKFactors, p)));
    EXPECT_EQ(dram->inputs.at("DRAM.CRD"), Content(r.Period(files::kDramCard, p)));
    EXPECT_EQ(dram->inputs.at("DKFAC.BIN"), Content(r.Period(files::kPeriodResKFactors, p)));
    EXPECT_NE(empal->inputs.at("EMPAL.CRD"), kMissing);
    // The chain: the base period's data first, then the forecast of the period before.
    if (p == 1) {
      EXPECT_EQ(empal->inputs.at("DRMEMP.BIN"), Content(r.Period(files::kPeriodDrmEmp, 1)));
      EXPECT_EQ(empal->inputs.at("DRMDAT.BIN"), Content(r.Period(files::kPeriodDrmDat, 1)));
    } else {
      EXPECT_EQ(empal->inputs.at("DRMEMP.BIN"), Content(r.Period(kPeriodEmpForecast, p - 1)));
      EXPECT_EQ(empal->inputs.at("DRMDAT.BIN"), Content(r.Period(kPeriodDrmForecast, p - 1)));
      EXPECT_EQ(dram->inputs.at("DRMDAT.BIN"), Content(r.Period(kPeriodDrmForecast, p - 1)));
    }
    EXPECT_EQ(dram->inputs.at("EMPFCST.BIN"), Content(r.Period(kPeriodEmpForecast, p)));
    // Each output filed under the period's name, the text forecasts also in GIS.
    EXPECT_EQ(Content(r.Period(kPeriodEmpForecast, p)), empal->outputs.at("EMPFCST.BIN"));
    EXPECT_EQ(Content(r.Period(files::kPeriodEmpalOut, p)), empal->outputs.at("EMPAL.OUT"));
    EXPECT_EQ(Content(r.Period(kPeriodDrmForecast, p)), dram->outputs.at("DRMFCST.BIN"));
    EXPECT_EQ(Content(r.Period(files::kPeriodDramOut, p)), dram->outputs.at("DRAM.OUT"));
    for (ModelFolder folder : {ModelFolder::Forecasting, ModelFolder::Gis}) {
      EXPECT_EQ(Content(r.Period(files::kPeriodEmpForecastText, p, folder)),
                "text of " + Content(r.Period(kPeriodEmpForecast, p)));
      EXPECT_EQ(Content(r.Period(files::kPeriodDrmForecastText, p, folder)),
                "text of " + Content(r.Period(kPeriodDrmForecast, p)));
    }
  }
  EXPECT_EQ(FinishedPeriods(r.app.session), 3);
}

// An empty output or an empty report filed before stops the run at once, without a rerun.
TEST(ForecastStopTest, AnEmptyOutputStopsTheRun) {
  struct Case {
    const char* name;
    const char* program;  // fails in period 2 with an empty binary output
    const PerPeriodFile* earlierEmpty;  // or this copy of period 2 is there and empty
  };
  const Case cases[] = {
      {"empty EMPFCST.BIN", "EMPALT.EXE", nullptr},
      {"empty DRMFCST.BIN", "DRAMT.EXE", nullptr},
      {"empty earlier EMPAL report", nullptr, &files::kPeriodEmpalOut},
      {"empty earlier DRAM report", nullptr, &files::kPeriodDramOut},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RunRegion region;
    region.PrepareForecast();
    if (c.program) {
      region.models.behaviour = Failing(c.program, 2, FakeRun::EmptyOutput);
    } else {
      WriteContent(region.Period(*c.earlierEmpty, 2), "");
    }
    EXPECT_EQ(RunForecast(region.app.services, {}), ForecastOutcome::Failed);
    EXPECT_EQ(Shown(region), std::vector<std::string>{kProblem});
    EXPECT_EQ(region.models.Count("EMPALT.EXE", 2), 1);
    ExpectStoppedIn(region, 2);
  }
}

// A program that fails every time: its message, two more tries of the same
// period, then the troubleshooting message; the period is not filed as done,
// not even when an earlier forecast had done it.
TEST(ForecastStopTest, AFailingProgramIsRetriedTwiceMoreThenTheRunStops) {
  const std::string programFailed =
      "VORAN: An error occurred while running Forecasting. Please exit VORAN and please seek assistance from a VORAN "
      "representative.";
  const std::string notStarted =
      "Troubleshoot: There was an error in processing. Once you click OK, Forecasting will rerun. Forecast year: 2010";
  struct Case {
    const char* program;
    FakeRun how;
    std::string message;
  };
  const Case cases[] = {
      {"EMPALT.EXE", FakeRun::EmptyReport, programFailed},  {"EMPALT.EXE", FakeRun::NothingWritten, programFailed},
      {"EMPALT.EXE", FakeRun::NotStarted, notStarted},      {"DRAMT.EXE", FakeRun::EmptyReport, programFailed},
      {"DRAMT.EXE", FakeRun::NothingWritten, programFailed}, {"DRAMT.EXE", FakeRun::NotStarted, notStarted},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.program) + " " + std::to_string(static_cast<int>(c.how)));
    RunRegion region;
    region.PrepareForecast();
    // After a forecast of every period: the new failure must undo the period's "done".
    ASSERT_EQ(RunForecast(region.app.services, {}), ForecastOutcome::Completed);
    region.models.runs.clear();
    region.models.Restart();
    region.models.behaviour = Failing(c.program, 2, c.how);
    EXPECT_EQ(RunForecast(region.app.services, {}), ForecastOutcome::Failed);
    EXPECT_EQ(Shown(region), (std::vector<std::string>{c.message, c.message, c.message, kProblem}));
    EXPECT_EQ(region.models.Count(c.program, 2), 3);
    EXPECT_EQ(region.models.Count("FCSTCNVT.EXE", 2), 0);
    ExpectStoppedIn(region, 2);
  }
}

TEST_F(ForecastRunTest, ARerunThatSucceedsCarriesOnWithTheSamePeriod) {
  r.models.behaviour = Failing("DRAMT.EXE", 2, FakeRun::EmptyReport, 1);
  ASSERT_EQ(RunForecast(r.app.services, {}), ForecastOutcome::Completed);
  ASSERT_EQ(r.app.messages.shown.size(), 1u);
  EXPECT_EQ(r.app.messages.shown[0].text, kProgramFailedMessage);
  EXPECT_EQ(r.models.Count("EMPALT.EXE", 2), 2);
  EXPECT_EQ(r.models.Count("DRAMT.EXE", 2), 2);
  // The rerun starts from the same inputs, and what it writes is what is filed.
  std::vector<const testing::FakeModels::Run*> empal, dram;
  for (const auto& run : r.models.runs) {
    if (run.period == 2 && run.program == "EMPALT.EXE") empal.push_back(&run);
    if (run.period == 2 && run.program == "DRAMT.EXE") dram.push_back(&run);
  }
  ASSERT_EQ(empal.size(), 2u);
  ASSERT_EQ(dram.size(), 2u);
  EXPECT_EQ(empal[0]->inputs, empal[1]->inputs);
  EXPECT_EQ(Content(r.Period(kPeriodEmpForecast, 2)), empal[1]->outputs.at("EMPFCST.BIN"));
  EXPECT_EQ(Content(r.Period(files::kPeriodDramOut, 2)), dram[1]->outputs.at("DRAM.OUT"));
  EXPECT_EQ(FinishedPeriods(r.app.session), 3);
}

// A missing input or output is reported by name and stops the run.
TEST(ForecastStopTest, AMissingFileIsNamedAndStopsTheRun) {
  struct Case {
    const char* name;
    const PerPeriodFile* removed;  // the copy of this period is removed beforehand
    int period;
    const char* named;
    const char* program = nullptr;  // or this program writes no binary output in period 2
  };
  const Case cases[] = {
      {"impedances of period 2", &files::kPeriodWorkingImpedance, 2, "IMPD10BL.bin"},
      {"household K-factors of period 2", &files::kPeriodResKFactors, 2, "DKFAC10BL.bin"},
      {"DRAM card of period 2", &files::kDramCard, 2, "DRAM10BL.CRD"},
      {"base data of period 1", &files::kPeriodDrmDat, 1, "DRMDAT05BL.bin"},
      {"EMPFCST.BIN not written", nullptr, 2, "EMPFCST.BIN", "EMPALT.EXE"},
      {"DRMFCST.BIN not written", nullptr, 2, "DRMFCST.BIN", "DRAMT.EXE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RunRegion region;
    region.PrepareForecast();
    if (c.removed) std::filesystem::remove(region.Period(*c.removed, c.period));
    if (c.program) region.models.behaviour = Failing(c.program, 2, FakeRun::NoOutput);
    EXPECT_EQ(RunForecast(region.app.services, {}), ForecastOutcome::Failed);
    ASSERT_EQ(region.app.messages.shown.size(), 1u);
    EXPECT_NE(region.app.messages.shown[0].text.find(c.named), std::string::npos) << region.app.messages.shown[0].text;
    EXPECT_LE(region.models.Count("EMPALT.EXE", c.period), 1);
    ExpectStoppedIn(region, c.period);
  }
}

TEST(ForecastFlagTest, TheCalibrationFlagGoesOnlyWhenNotEmptyAndTheForecastIsComplete) {
  struct Case {
    const char* name;
    const char* flag;  // nullptr: no flag
    bool fails;
    bool stays;
  };
  const Case cases[] = {
      {"no flag", nullptr, false, false},
      {"empty flag", "", false, true},
      {"flag with text", "1", false, false},
      {"flag with text, run failed", "1", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RunRegion region;
    region.PrepareForecast();
    const auto flag = region.File(files::kCalibrationFlag);
    if (c.flag) WriteContent(flag, c.flag);
    if (c.fails) region.models.behaviour = Failing("DRAMT.EXE", 3, FakeRun::EmptyOutput);
    EXPECT_EQ(RunForecast(region.app.services, {}), c.fails ? ForecastOutcome::Failed : ForecastOutcome::Completed);
    EXPECT_EQ(std::filesystem::exists(flag), c.stays);
    if (c.stays) {
      EXPECT_EQ(Content(flag), c.flag);
    }
  }
}

// Scripts standing in for the programs, run through the real process layer:
// it finds them in the working folder before the real programs beside this test.
class ScriptedProgramsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto forecasting = inputs::FolderPath(r.Path(), ModelFolder::Forecasting);
    testing::WriteScript(inputs::FolderPath(r.Path(), ModelFolder::Atrmod), "ATRMODT.EXE",
                         "if [ \"$(awk 'NR == 1 { print $3 }' ATRMOD.CRD)\" = 0 ]; then out=EKFAC.BIN; else "
                         "out=DKFAC.BIN; fi\n"
                         "echo \"K-factors from $(wc -l < EMPRES.TXT) lines\" > $out\n"
                         "echo done > ATRMOD.OUT");
    testing::WriteScript(forecasting, "EMPALT.EXE",
                         "cp DRMEMP.BIN EMPFCST.BIN && echo emp >> EMPFCST.BIN && cp EMPAL.CRD EMPAL.OUT");
    testing::WriteScript(forecasting, "DRAMT.EXE",
                         "cp DRMDAT.BIN DRMFCST.BIN && echo hh >> DRMFCST.BIN && cp DRAM.CRD DRAM.OUT");
    testing::WriteScript(forecasting, "FCSTCNVT.EXE",
                         "wc -c < EMPFCST.BIN > EMPFCST.TXT\nwc -c < DRMFCST.BIN > DRMFCST.TXT");
  }

  RunRegion r;
  platform::QtProcessRunner runner{r.Path()};
  AppServices services{r.app.session, r.app.messages, runner, r.app.clock, r.app.navigator};
};

TEST_F(ScriptedProgramsTest, TheFileCheckAndTheForecastRunTheScriptsPeriodByPeriod) {
  ASSERT_EQ(RunFileCheck(services, {}), FileCheckOutcome::Done);
  EXPECT_EQ(Content(r.Period(files::kPeriodEmpKFactors, 3)).rfind("K-factors from ", 0), 0u);
  EXPECT_NE(Content(r.File(files::kEmpKFactors)), kMissing);
  EXPECT_NE(Content(r.File(files::kResKFactors)), kMissing);
  ASSERT_TRUE(WriteAllCards(services));
  ASSERT_TRUE(CopySettingsForModels(r.app.session));
  ASSERT_EQ(RunForecast(services, {}), ForecastOutcome::Completed);
  EXPECT_TRUE(r.app.messages.shown.empty());

  const std::string baseEmployment = Content(r.Period(files::kPeriodDrmEmp, 1));
  const std::string baseHouseholds = Content(r.Period(files::kPeriodDrmDat, 1));
  std::string employment = baseEmployment;
  std::string households = baseHouseholds;
  for (int p = 1; p <= 3; ++p) {
    SCOPED_TRACE("period " + std::to_string(p));
    employment += "emp\n";
    households += "hh\n";
    EXPECT_EQ(Content(r.Period(kPeriodEmpForecast, p)), employment);
    EXPECT_EQ(Content(r.Period(kPeriodDrmForecast, p)), households);
    EXPECT_EQ(Content(r.Period(files::kPeriodEmpalOut, p)), Content(r.Period(files::kEmpalCard, p)));
    EXPECT_EQ(Content(r.Period(files::kPeriodDramOut, p)), Content(r.Period(files::kDramCard, p)));
    EXPECT_EQ(Content(r.Period(files::kPeriodEmpForecastText, p, ModelFolder::Gis)),
              std::to_string(employment.size()) + "\n");
    EXPECT_EQ(Content(r.Period(files::kPeriodDrmForecastText, p, ModelFolder::Gis)),
              std::to_string(households.size()) + "\n");
  }
}

TEST_F(ScriptedProgramsTest, AScriptThatAlwaysFailsRunsThreeTimes) {
  r.PrepareForecast();
  // Period 1 succeeds; the program fails from period 2 on, leaving nothing behind.
  testing::WriteScript(inputs::FolderPath(r.Path(), ModelFolder::Forecasting), "DRAMT.EXE",
                       "echo run >> attempts.txt\n"
                       "if [ $(wc -l < attempts.txt) -gt 1 ]; then exit 1; fi\n"
                       "cp DRMDAT.BIN DRMFCST.BIN && echo hh >> DRMFCST.BIN && cp DRAM.CRD DRAM.OUT");
  EXPECT_EQ(RunForecast(services, {}), ForecastOutcome::Failed);
  EXPECT_EQ(testing::Content(inputs::FolderPath(r.Path(), ModelFolder::Forecasting) / "attempts.txt"),
            "run\nrun\nrun\nrun\n");
  ASSERT_EQ(r.app.messages.shown.size(), 4u);
  EXPECT_EQ(r.app.messages.shown[0].text, kProgramFailedMessage);
  EXPECT_EQ(r.app.messages.shown[3].text, kForecastProblemMessage);
  EXPECT_EQ(FinishedPeriods(r.app.session), 1);
  EXPECT_FALSE(std::filesystem::exists(r.Period(kPeriodDrmForecast, 2)));
}

}  // namespace
}  // namespace forecast::runs
