#include "platform/text_file.h"
#include "results/review_report.h"
#include "results/review_selection.h"
#include "support/region_fixture.h"

#include <gtest/gtest.h>

namespace forecast::results {
namespace {

TEST(ReviewSelection, RunListAndPeriodLabels) {
  SessionState session;
  session.runTypeCount = 2;
  session.runTypeCodes[1] = "BL";
  session.runTypeDescriptions[1] = "Baseline forecast";
  session.runTypeCodes[2] = "P1";
  session.runTypeDescriptions[2] = "Ring road";
  session.runTypePeriodCounts[2] = 3;
  session.regionSettings.currentDataYear = "2000";
  session.forecastYears[2] = {0, 2005, 2010, 2015};
  EXPECT_EQ(RunListEntries(session), (std::vector<std::string>{" ", "BL: Baseline forecast", "P1: Ring road"}));
  EXPECT_EQ(SetPeriodLabels(session, 2), (std::vector<std::string>{"2000-2005", "2005-2010", "2010-2015"}));
  EXPECT_EQ(session.periodLabels[2], "2005-2010");
  EXPECT_TRUE(IsInvalidRunEntry(" "));
  EXPECT_TRUE(IsInvalidRunEntry("***"));
  EXPECT_FALSE(IsInvalidRunEntry("P1: Ring road"));
}

TEST(ReviewSelection, GoNeedsTheRunsResultDatabase) {
  testing::DemoRegionFolder region;
  SessionState session;
  session.appFolder = region.Path();
  session.runTypeCount = 1;
  session.runTypeCodes[1] = "BL";
  platform::RecordingMessages messages;
  EXPECT_FALSE(ChooseReview(session, 1, 1, messages));
  EXPECT_EQ(session.currentPeriodIndex, 2);
  EXPECT_EQ(session.reviewRunIndex, 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, kRunNotCompletedMessage);
  platform::WriteTextLines(region.File("\\VORAN_SYS\\BL_FORCST_OUT.mdb"), {"x"});
  EXPECT_TRUE(ChooseReview(session, 1, 0, messages));
}

TEST(ReviewSelection, TheMapItSwitchReadsTheFirstLine) {
  testing::DemoRegionFolder region;
  const struct {
    std::vector<std::string> lines;
    bool on;
  } cases[] = {{{"Map it:  True  "}, true}, {{"True"}, true},      {{"Map it: true"}, false},
               {{"Map it: False"}, false},  {{"", "x: True"}, false}};
  for (const auto& c : cases) {
    region.WriteLines("\\VORAN_SYS\\mapit.txt", c.lines);
    EXPECT_EQ(MapItSwitchOn(region.Path()), c.on) << (c.lines.empty() ? "" : c.lines[0]);
  }
  std::filesystem::remove(region.File("\\VORAN_SYS\\mapit.txt"));
  EXPECT_FALSE(MapItSwitchOn(region.Path()));
}

}  // namespace
}  // namespace forecast::results
