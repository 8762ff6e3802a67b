#include "run_region.h"

#include "platform/text_file.h"
#include "runs/file_check.h"

#include <gtest/gtest.h>

#include <optional>

namespace forecast::runs {
namespace {

namespace files = inputs::files;
using inputs::ModelFolder;
using testing::Content;
using testing::FakeRun;
using testing::RunRegion;
using testing::WriteContent;

constexpr const char* kMissing = "<missing>";

TEST(FileCheckTest, GathersEveryInputPerPeriodAndRunsAtrmodForBothSides) {
  RunRegion r;
  const auto& settings = r.app.session.regionSettings;
  ASSERT_EQ(RunFileCheck(r.app.services, {}), FileCheckOutcome::Done);
  EXPECT_TRUE(r.app.messages.shown.empty());

  for (int k = 1; k <= settings.empCategoryCount; ++k) {
    EXPECT_EQ(Content(inputs::PerCategoryPath(r.Path(), files::kAtrmodEmpCalibration, k)),
              Content(inputs::PerCategoryPath(r.Path(), files::kEmpCalibration, k)))
        << k;
  }
  for (int k = 1; k <= settings.hhCategoryCount; ++k) {
    EXPECT_EQ(Content(inputs::PerCategoryPath(r.Path(), files::kAtrmodResCalibration, k)),
              Content(inputs::PerCategoryPath(r.Path(), files::kResCalibration, k)))
        << k;
  }

  // ATRMODT.EXE ran in its own folder, employment first, each time on the card of its side.
  const auto atrmodFolder = inputs::FolderPath(r.Path(), ModelFolder::Atrmod);
  ASSERT_EQ(r.app.processes.runs.size(), 2u);
  for (const auto& run : r.app.processes.runs) {
    EXPECT_EQ(run.program, "ATRMODT.EXE");
    EXPECT_EQ(run.folder, atrmodFolder);
  }
  ASSERT_EQ(r.models.runs.size(), 2u);
  EXPECT_EQ(r.models.runs[0].side, "EMP");
  EXPECT_EQ(r.models.runs[1].side, "RES");
  EXPECT_EQ(r.models.runs[0].inputs.at("EMPRES.TXT"), Content(inputs::PerCategoryPath(r.Path(), files::kEmpCalibration, 1)));
  EXPECT_EQ(r.models.runs[0].inputs.at("DRMRES.TXT"), Content(inputs::PerCategoryPath(r.Path(), files::kResCalibration, 1)));

  struct Filed {
    std::filesystem::path source;
    inputs::ModelFile working;
    inputs::PerPeriodFile perPeriod;
  };
  const Filed filed[] = {
      {r.File(files::kCalibDrmEmp), files::kDrmEmp, files::kPeriodDrmEmp},
      {r.File(files::kCalibDrmDat), files::kDrmDat, files::kPeriodDrmDat},
      {r.File(files::kImpedance), files::kWorkingImpedance, files::kPeriodWorkingImpedance},
      {r.File(files::kAtrmodEmpKFactors), files::kEmpKFactors, files::kPeriodEmpKFactors},
      {r.File(files::kAtrmodResKFactors), files::kResKFactors, files::kPeriodResKFactors},
  };
  for (const Filed& f : filed) {
    const std::string source = Content(f.source);
    ASSERT_NE(source, kMissing) << f.source;
    ASSERT_FALSE(source.empty()) << f.source;
    EXPECT_EQ(Content(r.File(f.working)), source) << f.working.name;
    for (int p = 1; p <= 3; ++p) EXPECT_EQ(Content(r.Period(f.perPeriod, p)), source) << r.Period(f.perPeriod, p);
  }
  EXPECT_EQ(Content(r.File(files::kEmpKFactors)), r.models.runs[0].outputs.at("EKFAC.BIN"));
  EXPECT_EQ(Content(r.File(files::kResKFactors)), r.models.runs[1].outputs.at("DKFAC.BIN"));
}

// Which impedance file each period gets when forecast-year files were taken in.
TEST(FileCheckTest, PeriodImpedancesFallBackToTheLastOwnFileTheOriginalOrTheBaseYearFile) {
  enum Own { Present, Empty, Absent };
  struct Case {
    const char* name;
    Own own[3];  // DATA\IMPD yy BL.BIN of periods 1 to 3
    bool original;  // DATA\IMPD_ORIG.BIN
    std::optional<std::array<const char*, 3>> expected;  // nothing: the check fails
  };
  const Case cases[] = {
      {"files for the first two years, with the original", {Present, Present, Absent}, true, {{"own 1", "own 2", "own 2"}}},
      {"files for the first two years, without the original", {Present, Present, Absent}, false, {{"own 1", "own 2", "base"}}},
      {"first year absent, with the original", {Absent, Present, Absent}, true, {{"original", "own 2", "own 2"}}},
      {"first year absent, without the original", {Absent, Present, Absent}, false, {{"base", "own 2", "base"}}},
      {"empty after an own file", {Present, Empty, Absent}, true, {{"own 1", "own 1", "own 1"}}},
      {"empty after an own file, without the original", {Present, Empty, Absent}, false, {{"own 1", "own 1", "base"}}},
      {"empty first, with the original", {Empty, Present, Empty}, true, {{"original", "own 2", "own 2"}}},
      {"empty first, without the original", {Empty, Present, Absent}, false, std::nullopt},
      {"all own files", {Present, Present, Present}, false, {{"own 1", "own 2", "own 3"}}},
  };
  RunRegion r;
  r.app.session.impedanceFileCount = 2;
  WriteContent(r.File(files::kImpedance), "base");
  for (const Case& c : cases) {
    if (c.original) {
      WriteContent(r.File(files::kOriginalImpedance), "original");
    } else {
      platform::RemoveFileIfExists(r.File(files::kOriginalImpedance));
    }
    for (int p = 1; p <= 3; ++p) {
      const auto own = r.Period(files::kPeriodImpedance, p);
      switch (c.own[p - 1]) {
        case Present: WriteContent(own, "own " + std::to_string(p)); break;
        case Empty: WriteContent(own, ""); break;
        case Absent: platform::RemoveFileIfExists(own); break;
      }
      platform::RemoveFileIfExists(r.Period(files::kPeriodWorkingImpedance, p));
    }
    platform::RemoveFileIfExists(r.File(files::kWorkingImpedance));

    const FileCheckOutcome outcome = GatherForecastFiles(r.app.session);
    if (!c.expected) {
      EXPECT_EQ(outcome, FileCheckOutcome::NotFound) << c.name;
      continue;
    }
    ASSERT_EQ(outcome, FileCheckOutcome::Done) << c.name;
    for (int p = 1; p <= 3; ++p) {
      EXPECT_EQ(Content(r.Period(files::kPeriodWorkingImpedance, p)), (*c.expected)[static_cast<size_t>(p - 1)])
          << c.name << ", period " << p;
    }
    // The working name is left to the forecast, which copies each period's file to it.
    EXPECT_FALSE(std::filesystem::exists(r.File(files::kWorkingImpedance))) << c.name;
  }
}

TEST(FileCheckTest, WithoutForecastYearFilesEveryPeriodGetsTheBaseYearFile) {
  RunRegion r;
  r.app.session.impedanceFileCount = 0;
  WriteContent(r.File(files::kImpedance), "base");
  WriteContent(r.Period(files::kPeriodImpedance, 2), "own 2");  // not looked at
  ASSERT_EQ(GatherForecastFiles(r.app.session), FileCheckOutcome::Done);
  EXPECT_EQ(Content(r.File(files::kWorkingImpedance)), "base");
  for (int p = 1; p <= 3; ++p) EXPECT_EQ(Content(r.Period(files::kPeriodWorkingImpedance, p)), "base") << p;
}

// A missing input is skipped without a word; an empty one stops GO before ATRMODT.EXE runs.
TEST(FileCheckTest, MissingInputsAreSkippedAndEmptyOnesStopTheCheck) {
  struct Case {
    const char* name;
    const char* file;  // below the application folder
    bool empty;        // else removed
    bool stops;
  };
  const Case cases[] = {
      {"missing calibration file", "\\VORAN_SYS\\CALIB\\emprese2.txt", false, false},
      {"empty calibration file", "\\VORAN_SYS\\CALIB\\emprese2.txt", true, true},
      {"empty household calibration file", "\\VORAN_SYS\\CALIB\\drmresh1.txt", true, true},
      {"empty file beyond the employment categories", "\\VORAN_SYS\\CALIB\\emprese6.txt", true, false},
      {"empty file beyond the household categories", "\\VORAN_SYS\\CALIB\\drmresh5.txt", true, false},
      {"missing DRMEMP.BIN", "\\VORAN_SYS\\calib\\DATA\\DRMEMP.BIN", false, false},
      {"empty DRMEMP.BIN", "\\VORAN_SYS\\calib\\DATA\\DRMEMP.BIN", true, true},
      {"empty DRMDAT.BIN", "\\VORAN_SYS\\CALIB\\DATA\\DRMDAT.BIN", true, true},
      {"empty base-year impedances", "\\DATA\\IMPD.BIN", true, true},
  };
  for (const Case& c : cases) {
    RunRegion r;
    ASSERT_EQ(r.app.session.regionSettings.empCategoryCount, 5);
    ASSERT_EQ(r.app.session.regionSettings.hhCategoryCount, 4);
    // What an earlier check left in the forecasting folder.
    WriteContent(r.File(files::kDrmEmp), "earlier");
    WriteContent(r.Period(files::kPeriodDrmEmp, 1), "earlier");
    const auto file = r.region.File(c.file);
    if (c.empty) {
      WriteContent(file, "");
    } else {
      ASSERT_TRUE(std::filesystem::exists(file)) << c.name;
      std::filesystem::remove(file);
    }

    const FileCheckOutcome outcome = RunFileCheck(r.app.services, {});
    if (c.stops) {
      EXPECT_EQ(outcome, FileCheckOutcome::ReadError) << c.name;
      ASSERT_EQ(r.app.messages.shown.size(), 1u) << c.name;
      EXPECT_EQ(r.app.messages.shown[0].text, "Error! VORAN is unable to read your files for forecasting.");
      EXPECT_EQ(r.app.messages.shown[0].title, "Troubleshoot");
      EXPECT_TRUE(r.app.processes.runs.empty()) << c.name;
      EXPECT_FALSE(std::filesystem::exists(r.Period(files::kPeriodEmpKFactors, 1))) << c.name;
    } else {
      EXPECT_EQ(outcome, FileCheckOutcome::Done) << c.name;
      EXPECT_TRUE(r.app.messages.shown.empty()) << c.name;
      EXPECT_EQ(r.app.processes.runs.size(), 2u) << c.name;
    }
    if (std::string(c.name) == "missing calibration file") {
      EXPECT_FALSE(std::filesystem::exists(inputs::PerCategoryPath(r.Path(), files::kAtrmodEmpCalibration, 2)));
      EXPECT_TRUE(platform::IsUsableFile(inputs::PerCategoryPath(r.Path(), files::kAtrmodEmpCalibration, 3)));
    }
    if (std::string(c.name) == "missing DRMEMP.BIN") {
      EXPECT_EQ(Content(r.File(files::kDrmEmp)), "earlier");
      EXPECT_EQ(Content(r.Period(files::kPeriodDrmEmp, 1)), "earlier");
      EXPECT_EQ(Content(r.Period(files::kPeriodDrmEmp, 2)), kMissing);
    }
  }
}

// ATRMODT.EXE failing in any way ends the check with the system failure, even
// when an earlier check left its outputs behind.
TEST(FileCheckTest, AtrmodFailuresEndTheCheck) {
  struct Case {
    const char* name;
    const char* side;
    FakeRun how;
    bool earlierOutputs;
  };
  const Case cases[] = {
      {"empty employment K-factors", "EMP", FakeRun::EmptyOutput, false},
      {"empty report of the household run", "RES", FakeRun::EmptyReport, false},
      {"household K-factors never written", "RES", FakeRun::NoOutput, false},
      {"not started", "EMP", FakeRun::NotStarted, false},
      {"nothing written over an earlier check's outputs", "EMP", FakeRun::NothingWritten, true},
      {"household run writes nothing over an earlier check's outputs", "RES", FakeRun::NothingWritten, true},
  };
  for (const Case& c : cases) {
    RunRegion r;
    if (c.earlierOutputs) {
      WriteContent(r.File(files::kAtrmodOut), "earlier report");
      WriteContent(r.File(files::kAtrmodEmpKFactors), "earlier");
      WriteContent(r.File(files::kAtrmodResKFactors), "earlier");
    }
    int served = 0;
    int atrmodRuns = 0;
    r.models.behaviour = [&](const std::string&, int) {
      const bool employment = atrmodRuns++ == 0;
      return employment == (std::string(c.side) == "EMP") ? c.how : FakeRun::Normal;
    };
    ASSERT_EQ(GatherForecastFiles(r.app.session), FileCheckOutcome::Done);
    EXPECT_EQ(RunAttractivenessModification(r.app.services, [&] { ++served; }, 200), FileCheckOutcome::SystemFailure)
        << c.name;
    EXPECT_EQ(atrmodRuns, std::string(c.side) == "EMP" ? 1 : 2) << c.name;
    if (c.how == FakeRun::NoOutput) {
      EXPECT_GT(served, 0) << c.name;
    }
    // A failed side files nothing for the forecast.
    const auto& failed = std::string(c.side) == "EMP" ? files::kPeriodEmpKFactors : files::kPeriodResKFactors;
    EXPECT_FALSE(std::filesystem::exists(r.Period(failed, 1))) << c.name;
  }
}

TEST(FileCheckTest, AtrmodFailureIsShownAsSystemFailure) {
  RunRegion r;
  r.models.behaviour = [](const std::string&, int) { return FakeRun::EmptyOutput; };
  EXPECT_EQ(RunFileCheck(r.app.services, {}), FileCheckOutcome::SystemFailure);
  ASSERT_EQ(r.app.messages.shown.size(), 1u);
  EXPECT_EQ(r.app.messages.shown[0].text, "SYSTEM FAILURE. Please exit the VORAN System.");
  EXPECT_EQ(r.app.messages.shown[0].title, "Troubleshoot");
}

}  // namespace
}  // namespace forecast::runs
