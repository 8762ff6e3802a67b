#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "models/atrmod_program.h"
#include "models/employment_table.h"
#include "models/household_table.h"
#include "models/impedance_statistics.h"
#include "models/impedance_text.h"
#include "models/model_files.h"
#include "models/residual_file.h"
#include "program_runner.h"
#include "scratch_folder.h"
#include "test_region.h"

namespace forecast::models {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::RunBuiltProgram;
using testing::ScratchFolder;
using testing::WriteBytes;

void Truncate(const fs::path& file) {
  const std::string bytes = ReadBytes(file);
  WriteBytes(file, bytes.substr(0, bytes.size() / 2));
}

struct FailingRun {
  const char* program;
  std::function<void(const fs::path&)> spoil;
  const char* message;
  std::vector<const char*> outputs;  // none may be left, not even from an earlier run
};

TEST(ModelProgramsTest, BadInputFailsWithAMessageAndLeavesNoOutput) {
  const std::vector<FailingRun> cases = {
      {"EMPALT.EXE", [](const fs::path& f) { fs::remove(f / "DRMEMP.BIN"); }, "EMPALT: DRMEMP.BIN is missing in", {"EMPFCST.BIN", "EMPAL.OUT"}},
      {"EMPALT.EXE", [](const fs::path& f) { Truncate(f / "IMPD.BIN"); }, "EMPALT: IMPD.BIN is truncated", {"EMPFCST.BIN", "EMPAL.OUT"}},
      {"EMPALT.EXE", [](const fs::path& f) { fs::copy_file(f / "DRMEMP.BIN", f / "DRMDAT.BIN", fs::copy_options::overwrite_existing); },
       "EMPALT: DRMDAT.BIN holds zone employment data where zone households and land data are needed.", {"EMPFCST.BIN", "EMPAL.OUT"}},
      {"EMPALT.EXE", [](const fs::path& f) { WriteBytes(f / "EMPAL.CRD", ""); }, "EMPALT: EMPAL.CRD is empty.", {"EMPFCST.BIN", "EMPAL.OUT"}},
      {"DRAMT.EXE", [](const fs::path&) {}, "DRAMT: EMPFCST.BIN is missing in", {"DRMFCST.BIN", "DRAM.OUT"}},
      {"DRAMT.EXE", [](const fs::path& f) { fs::copy_file(f / "DRMEMP.BIN", f / "EMPFCST.BIN"); Truncate(f / "DRAM.CRD"); },
       "DRAMT: DRAM.CRD ends after line", {"DRMFCST.BIN", "DRAM.OUT"}},
      {"FCSTCNVT.EXE", [](const fs::path& f) { fs::copy_file(f / "DRMEMP.BIN", f / "EMPFCST.BIN"); }, "FCSTCNVT: DRMFCST.BIN is missing in",
       {"EMPFCST.TXT", "DRMFCST.TXT"}},
      {"ATRMODT.EXE", [](const fs::path&) {}, "ATRMODT: ATRMOD.CRD is missing in", {"ATRMOD.OUT"}},
      {"ATRMODT.EXE", [](const fs::path& f) { WriteOutputLines(f / "ATRMOD.CRD", testing::AtrmodCardLines(4, 1, 0, 2, 0.5, {1, 1})); },
       "ATRMODT: The residual file emprese1.bin of category 1 is missing", {"ATRMOD.OUT", "EKFAC.BIN"}},
      {"IMPD.exe", [](const fs::path&) {}, "IMPD: IMPD.TXT is missing in", {"IMPD.BIN", "impsetout.txt"}},
      {"IMPD.exe", [](const fs::path& f) { WriteOutputLines(f / "IMPD.TXT", {"         1      4.40", "         2      4.40"}); },
       "IMPD: IMPD.TXT holds 2 impedances", {"IMPD.BIN", "impsetout.txt"}},
  };
  for (const FailingRun& c : cases) {
    ScratchFolder folder;
    testing::WriteRunFolder(folder.Path(), testing::SyntheticRegion(4, 2, 2, 1));
    fs::remove(folder / "EKFAC.BIN");  // ATRMODT must not leave an earlier one either
    c.spoil(folder.Path());
    for (const char* output : c.outputs) WriteBytes(folder / output, "left by an earlier run");
    const testing::ProgramRun run = RunBuiltProgram(c.program, folder.Path());
    EXPECT_EQ(run.exitCode, 1) << c.program << " " << c.message;
    EXPECT_NE(run.errorText.find(c.message), std::string::npos) << c.program << ": " << run.errorText;
    for (const char* output : c.outputs) EXPECT_FALSE(fs::exists(folder / output)) << c.program << " left " << output;
  }
}

// Sums of a comma-separated forecast file's columns.
std::vector<double> ColumnSums(const fs::path& file) {
  std::vector<double> sums;
  for (const std::string& line : SplitLines(ReadBytes(file))) {
    size_t column = 0;
    size_t start = 0;
    while (start <= line.size()) {
      const size_t comma = std::min(line.find(',', start), line.size());
      if (sums.size() <= column) sums.push_back(0);
      sums[column++] += std::stod(line.substr(start, comma - start));
      start = comma + 1;
    }
  }
  return sums;
}

TEST(ModelProgramsTest, TwoPeriodsRunThroughAllProgramsAndChain) {
  ScratchFolder folder;
  testing::TestRegion region = testing::SyntheticRegion(9, 3, 4, 7);
  testing::WriteRunFolder(folder.Path(), region);
  // The impedances and K-factors come from the converter and the attractiveness modification.
  WriteOutputLines(folder / "IMPD.TXT", ImpedanceTextLines(region.impedance));
  ASSERT_EQ(RunBuiltProgram("IMPD.exe", folder.Path()).exitCode, 0);
  EXPECT_EQ(SplitLines(ReadBytes(folder / "impsetout.txt")), ImpedanceStatisticsLines(region.impedance));
  for (int side = 0; side <= 1; ++side) {
    const int categories = side == 0 ? 3 : 4;
    for (int k = 1; k <= categories; ++k) {
      std::vector<ResidualRow> rows;
      for (int z = 1; z <= 9; ++z) rows.push_back({z, 100.0 + z, 100.0 + 3 * k});
      WriteOutputLines(folder / ResidualFileName(static_cast<KFactorSide>(side), k), ResidualLines(rows));
    }
    WriteOutputLines(folder / "ATRMOD.CRD", testing::AtrmodCardLines(9, 1, side, categories, 0.5, {1, 1, 1, 1}));
    const testing::ProgramRun run = RunBuiltProgram("ATRMODT.EXE", folder.Path());
    ASSERT_EQ(run.exitCode, 0) << run.errorText;
  }

  for (int period = 1; period <= 2; ++period) {
    if (period == 2) {
      region.startYear = 2005;
      region.endYear = 2010;
      for (double& jobs : region.projections) jobs *= 1.04;
      region.projectedPopulation *= 1.03;
      region.employmentConstraints = {{ConstraintKind::Exact, 5, 2, 777, 0}};
      WriteOutputLines(folder / "EMPAL.CRD", testing::EmpalCardLines(region));
      WriteOutputLines(folder / "DRAM.CRD", testing::DramCardLines(region));
      fs::copy_file(folder / "EMPFCST.BIN", folder / "DRMEMP.BIN", fs::copy_options::overwrite_existing);
      fs::copy_file(folder / "DRMFCST.BIN", folder / "DRMDAT.BIN", fs::copy_options::overwrite_existing);
    }
    for (const char* program : {"EMPALT.EXE", "DRAMT.EXE", "FCSTCNVT.EXE"}) {
      const testing::ProgramRun run = RunBuiltProgram(program, folder.Path());
      ASSERT_EQ(run.exitCode, 0) << program << " period " << period << ": " << run.errorText;
    }
    EXPECT_GT(fs::file_size(folder / "EMPAL.OUT"), 0u);
    EXPECT_GT(fs::file_size(folder / "DRAM.OUT"), 0u);
    const EmploymentTable employment = ReadEmploymentTable(folder.Path(), "EMPFCST.BIN");
    const HouseholdTable households = ReadHouseholdTable(folder.Path(), "DRMFCST.BIN");
    EXPECT_EQ(employment.year, region.endYear);
    EXPECT_EQ(households.year, region.endYear);

    const std::vector<double> jobs = ColumnSums(folder / "EMPFCST.TXT");
    ASSERT_EQ(jobs.size(), 10u);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(jobs[static_cast<size_t>(k + 1)], region.projections[static_cast<size_t>(k)], 0.01);
    EXPECT_NEAR(jobs[9], jobs[1] + jobs[2] + jobs[3], 0.01);
    const std::vector<double> homes = ColumnSums(folder / "DRMFCST.TXT");
    ASSERT_EQ(homes.size(), 22u);
    EXPECT_NEAR(homes[10], region.projectedPopulation, 0.01);
    EXPECT_NEAR(homes[9], homes[1] + homes[2] + homes[3] + homes[4], 0.01);
    EXPECT_NEAR(homes[14], homes[15] + homes[19], 0.01);                                // total = unusable + usable
    EXPECT_NEAR(homes[19], homes[16] + homes[17] + homes[18] + homes[20] + homes[21], 0.01);  // usable
  }
  EXPECT_DOUBLE_EQ(ReadEmploymentTable(folder.Path(), "EMPFCST.BIN").Jobs(4, 1), 777);
  const std::string report = ReadBytes(folder / "EMPAL.OUT");
  EXPECT_NE(report.find("exact value"), std::string::npos);
  EXPECT_NE(report.find("\r\n"), std::string::npos);
}

}  // namespace
}  // namespace forecast::models
