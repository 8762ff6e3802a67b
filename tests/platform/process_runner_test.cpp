#include "platform/process_runner.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace forecast::platform {
namespace {

TEST(ModelCommandLine, PrefixWordsThenTheProgramFoundFirstInTheWorkingFolder) {
  testing::TempDir work;
  testing::TempDir app;
  std::ofstream(app.Path() / "EMPALT.EXE") << "x";
  EXPECT_EQ(ModelCommandLine("", "EMPALT.EXE", {work.Path(), app.Path()}),
            std::vector<std::string>{(app.Path() / "EMPALT.EXE").string()});
  std::ofstream(work.Path() / "empalt.exe") << "x";
  EXPECT_EQ(ModelCommandLine("  nice  -n 5 ", "EMPALT.EXE", {work.Path(), app.Path()}),
            (std::vector<std::string>{"nice", "-n", "5", (work.Path() / "empalt.exe").string()}));
  // Not found anywhere: the bare name, so that the start fails.
  EXPECT_EQ(ModelCommandLine("", "DRAMT.EXE", {work.Path()}), std::vector<std::string>{"DRAMT.EXE"});
}

TEST(QtProcessRunner, AMissingSiblingIsAFailedStart) {
  testing::TempDir app;
  QtProcessRunner runner(app.Path());
  EXPECT_FALSE(runner.StartSibling(app.Path(), "calib.exe"));
  std::ofstream(app.Path() / "calib.exe") << "not executable";
  EXPECT_FALSE(runner.StartSibling(app.Path(), "calib.exe"));
}

TEST(QtProcessRunner, RunsAProgramInItsWorkingFolderAndReportsItsExitCode) {
  testing::TempDir work;
  const auto script = work.Path() / "STEP.EXE";
  std::ofstream(script) << "#!/bin/sh\npwd > where.txt\nexit 3\n";
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  QtProcessRunner runner(work.Path());
  const ProgramRun run = runner.RunAndWait(work.Path(), "STEP.EXE", WindowStyle::NormalNoFocus);
  EXPECT_TRUE(run.started);
  EXPECT_EQ(run.exitCode, 3);
  std::ifstream where(work.Path() / "where.txt");
  std::string line;
  std::getline(where, line);
  EXPECT_EQ(std::filesystem::path(line), std::filesystem::canonical(work.Path()));

  EXPECT_FALSE(runner.RunAndWait(work.Path(), "NOSUCH.EXE", WindowStyle::Hidden).started);
}

}  // namespace
}  // namespace forecast::platform
