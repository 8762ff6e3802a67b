#include "core/end_pages.h"
#include "core/handoff_files.h"
#include "core/numeric_key_filter.h"
#include "support/fakes.h"
#include "platform/text_file.h"
#include "support/region_fixture.h"

#include <gtest/gtest.h>

namespace forecast {
namespace {

class EndPagesTest : public ::testing::Test {
 protected:
  void SetUp() override { app.session.appFolder = region.Path(); }
  testing::DemoRegionFolder region;
  testing::FakeApp app;
};

TEST_F(EndPagesTest, ExitOnTheWelcomePageResumesThereNextTime) {
  PressExit(app.services, "p7_1");
  EXPECT_EQ(app.navigator.shown, std::vector<std::string>{"<exit page>"});
  ExitPageExit(app.services);
  EXPECT_TRUE(app.navigator.ended);
  EXPECT_EQ(region.ReadLines("\\VORAN_SYS\\progress4.txt"), std::vector<std::string>{"P7_1"});
  EXPECT_EQ(StartForm(region.Path()), "p7_1");
}

TEST_F(EndPagesTest, ExitFromP78ResumesAtP77) {
  PressExit(app.services, "P7_8");
  ExitPageExit(app.services);
  EXPECT_EQ(StartForm(region.Path()), "p7_7");
}

TEST_F(EndPagesTest, BackOnTheExitPageShowsTheStoredPage) {
  for (const auto& [form, expected] : {std::pair{"P7_24", "P7_23"}, std::pair{"p7_8_1", "P7_30_4"}}) {
    app.navigator.shown.clear();
    PressExit(app.services, form);
    ExitPageBack(app.services);
    EXPECT_EQ(app.navigator.shown.back(), expected) << form;
  }
}

TEST_F(EndPagesTest, WelcomeBackWithoutTheCalibrationProgramShowsTheSystemError) {
  WelcomeBack(app.services);
  EXPECT_EQ(region.ReadLines("\\VORAN_SYS\\progress3.txt"), std::vector<std::string>{"P6_11"});
  EXPECT_EQ(app.processes.siblings, std::vector<std::string>{"calib.exe"});
  ASSERT_EQ(app.messages.shown.size(), 1u);
  EXPECT_EQ(app.messages.shown[0].text, "SYSTEM ERROR! Please exit VORAN.");
  EXPECT_EQ(app.messages.shown[0].title, "VORAN");
  EXPECT_FALSE(app.navigator.ended);
  EXPECT_TRUE(app.navigator.shown.empty());
}

TEST_F(EndPagesTest, WelcomeBackHandsOverOrReturnsToTheProjections) {
  app.processes.siblingsStart = true;
  WelcomeBack(app.services);
  EXPECT_TRUE(app.navigator.ended);
  EXPECT_TRUE(app.messages.shown.empty());

  testing::FakeApp fromProjections;
  fromProjections.session.appFolder = region.Path();
  fromProjections.session.previousPageName = "P7_8_4";
  WelcomeBack(fromProjections.services);
  EXPECT_EQ(fromProjections.navigator.shown, std::vector<std::string>{"P7_8_4"});
  EXPECT_TRUE(fromProjections.processes.siblings.empty());
}

TEST_F(EndPagesTest, ReturnWritesTheDataEntryHandOffAndStartsIt) {
  platform::WriteTextLines(region.File("\\VORAN_SYS\\progress.txt"), {"old", "lines"});
  app.processes.siblingsStart = true;
  ExitPageReturn(app.services);
  EXPECT_EQ(region.ReadLines("\\VORAN_SYS\\progress.txt"), std::vector<std::string>{"p0_2"});
  EXPECT_EQ(app.processes.siblings, std::vector<std::string>{"OMRI.exe"});
  EXPECT_TRUE(app.navigator.ended);
}

TEST_F(EndPagesTest, WelcomeContinueAndEndPageBack) {
  WelcomeContinue(app.services);
  EXPECT_EQ(app.session.previousPageName, "P7_1");
  EndPageBack(app.services);
  EXPECT_EQ(app.navigator.shown, (std::vector<std::string>{"P7_2", "P7_8_1"}));
}

TEST(NumericKeyFilter, LetsDigitsAndControlKeysThrough) {
  platform::RecordingMessages messages;
  EXPECT_EQ(NumericKeyFilter('7', kDigits, messages), '7');
  EXPECT_EQ(NumericKeyFilter(8, kDigits, messages), 8);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(NumericKeyFilter('a', kDigits, messages));
  EXPECT_EQ(NumericKeyFilter('a', "A", messages), 'A');
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Please enter a number.");
}

}  // namespace
}  // namespace forecast
