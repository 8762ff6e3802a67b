#include "core/command_line.h"

#include <gtest/gtest.h>

namespace forecast {
namespace {

TEST(CommandLine, ChoosesTheRegionAndTheDemoSize) {
  const CommandLine plain = ParseCommandLine({});
  EXPECT_EQ(plain.action, CommandLine::Action::OpenWizard);
  EXPECT_TRUE(plain.appFolder.empty());

  const CommandLine project = ParseCommandLine({"--project", "/data/region"});
  EXPECT_EQ(project.appFolder, "/data/region");
  EXPECT_FALSE(project.writeDemoFirst);

  const CommandLine demo = ParseCommandLine({"--demo", "d", "--zones", "499", "--employment-categories", "8",
                                             "--household-categories", "4"});
  EXPECT_TRUE(demo.writeDemoFirst);
  EXPECT_EQ(demo.demo.zones, 499);
  EXPECT_EQ(demo.demo.employmentCategories, 8);

  const CommandLine make = ParseCommandLine({"make-demo", "out", "--zones", "30"});
  EXPECT_EQ(make.action, CommandLine::Action::MakeDemo);
  EXPECT_EQ(make.appFolder, "out");
  EXPECT_EQ(make.demo.zones, 30);

  EXPECT_EQ(ParseCommandLine({"--project", "x", "--help"}).action, CommandLine::Action::Help);
  EXPECT_EQ(ParseCommandLine({"--version"}).action, CommandLine::Action::Version);
}

TEST(CommandLine, BatchAndReportTakeTheirOptions) {
  const CommandLine batch = ParseCommandLine({"batch", "--project", "r", "--run", "P1", "--constraints",
                                              "1:Employee:2010,3:household:2015", "--impedance-years", "2010,2020"});
  ASSERT_EQ(batch.action, CommandLine::Action::Batch) << batch.error;
  EXPECT_EQ(batch.runCode, "P1");
  ASSERT_EQ(batch.constraints.size(), 2u);
  EXPECT_EQ(batch.constraints[1].type, 3);
  EXPECT_EQ(batch.constraints[1].group, "Household");
  EXPECT_EQ(batch.constraints[1].year, 2015);
  EXPECT_EQ(batch.impedanceYears, (std::vector<int>{2010, 2020}));

  const CommandLine report = ParseCommandLine({"report", "--project", "r", "--run", "BL", "--period", "2", "--pdf", "o.pdf"});
  ASSERT_EQ(report.action, CommandLine::Action::Report) << report.error;
  EXPECT_EQ(report.period, 2);
  EXPECT_EQ(report.pdfFile, "o.pdf");
}

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
  const std::vector<std::vector<std::string>> bad = {
      {"--frobnicate"}, {"--project"}, {"--zones", "500", "--demo", "d"}, {"--demo", "d", "--zones", "x"},
      {"--employment-categories", "3", "--demo", "d"}, {"--zones", "10"}, {"make-demo"}, {"extra"},
      {"--project", "a", "--demo", "b"}, {"batch"}, {"batch", "--project", "r", "--constraints", "5:Employee:2010"},
      {"batch", "--project", "r", "--constraints", "1:Firm:2010"}, {"batch", "--project", "r", "--impedance-years", "10"},
      {"report", "--project", "r", "--run", "BL"}, {"report", "--project", "r", "--period", "2"},
      {"--run", "BL"}, {"batch", "--project", "r", "--period", "2"}};
  for (const auto& arguments : bad) {
    const CommandLine line = ParseCommandLine(arguments);
    EXPECT_EQ(line.action, CommandLine::Action::Error) << arguments[0];
    EXPECT_FALSE(line.error.empty());
  }
}

}  // namespace
}  // namespace forecast
