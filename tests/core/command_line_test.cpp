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

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
  const std::vector<std::vector<std::string>> bad = {
      {"--frobnicate"}, {"--project"}, {"--zones", "500", "--demo", "d"}, {"--demo", "d", "--zones", "x"},
      {"--employment-categories", "3", "--demo", "d"}, {"--zones", "10"}, {"make-demo"}, {"extra"},
      {"--project", "a", "--demo", "b"}};
  for (const auto& arguments : bad) {
    const CommandLine line = ParseCommandLine(arguments);
    EXPECT_EQ(line.action, CommandLine::Action::Error) << arguments[0];
    EXPECT_FALSE(line.error.empty());
  }
}

}  // namespace
}  // namespace forecast
