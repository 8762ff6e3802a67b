#include "core/handoff_files.h"
#include "core/pages/end_pages.h"
#include "core/pages/wizard_window.h"
#include "support/fakes.h"
#include "support/region_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QTest>
#include <gtest/gtest.h>

namespace forecast::pages {
namespace {

QStringList logged;

void CaptureMessages(QtMsgType, const QMessageLogContext& context, const QString& message) {
  if (QString(context.category) == "forecast.pages") logged << message;
}

class WizardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterEndPages(factories);
    app.session.appFolder = region.Path();
    window = std::make_unique<WizardWindow>(factories);
    services = std::make_unique<AppServices>(
        AppServices{app.session, app.messages, app.processes, app.clock, *window});
    window->SetServices(services.get());
  }
  void Click(const char* button) {
    QPushButton* target = window->CurrentPage()->findChild<QPushButton*>(button);
    ASSERT_NE(target, nullptr) << button;
    QTest::mouseClick(target, Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  QString Form() const { return window->CurrentPage() ? window->CurrentPage()->FormName() : QString(); }

  testing::DemoRegionFolder region;
  testing::FakeApp app;
  PageFactories factories;
  std::unique_ptr<WizardWindow> window;
  std::unique_ptr<AppServices> services;
};

TEST_F(WizardTest, ExitOnTheWelcomePageWritesTheResumeFileAndEnds) {
  window->ShowForm(StartForm(region.Path()));
  window->show();
  EXPECT_EQ(Form(), "p7_1");
  EXPECT_EQ(window->windowTitle(), "VORAN");
  EXPECT_NE(window->CurrentPage()->findChild<QLabel*>("pageLabel"), nullptr);
  EXPECT_EQ(window->CurrentPage()->findChild<QLabel*>("pageLabel")->text(), "P7.1");
  Click("cmdExit");
  EXPECT_EQ(Form(), "P7_e");
  Click("cmdExit");
  EXPECT_TRUE(window->Ended());
  EXPECT_EQ(region.ReadLines("\\VORAN_SYS\\progress4.txt"), std::vector<std::string>{"P7_1"});
  EXPECT_EQ(StartForm(region.Path()), "p7_1");
}

TEST_F(WizardTest, BackOnTheWelcomePageWithoutCalibrationStaysWithTheSystemError) {
  window->ShowForm("p7_1");
  Click("cmdBack");
  EXPECT_EQ(Form(), "p7_1");
  ASSERT_EQ(app.messages.shown.size(), 1u);
  EXPECT_EQ(app.messages.shown[0].text, "SYSTEM ERROR! Please exit VORAN.");
  EXPECT_EQ(region.ReadLines("\\VORAN_SYS\\progress3.txt"), std::vector<std::string>{"P6_11"});
}

TEST_F(WizardTest, APageTheProgramDoesNotHaveShowsTheWelcomePage) {
  window->ShowPage("P7_3");
  EXPECT_EQ(Form(), "p7_1");
}

TEST_F(WizardTest, ExitBackReturnsToTheStoredPageCreatedAfresh) {
  window->ShowForm("P7_50");
  Page* first = window->CurrentPage();
  Click("cmdexit");
  EXPECT_EQ(Form(), "P7_e");
  EXPECT_EQ(app.session.resumePageName, "P7_8_1");
  Click("cmdBack");
  EXPECT_EQ(Form(), "P7_50");
  EXPECT_NE(window->CurrentPage(), first);
}

TEST_F(WizardTest, EveryPageSwitchIsLogged) {
  QLoggingCategory::setFilterRules("forecast.pages=true");
  logged.clear();
  const QtMessageHandler previous = qInstallMessageHandler(CaptureMessages);
  window->ShowForm("p7_1");
  Click("cmdExit");
  qInstallMessageHandler(previous);
  QLoggingCategory::setFilterRules("forecast.pages=false");
  EXPECT_EQ(logged, (QStringList{"page: p7_1", "page: P7_e"}));
}

}  // namespace
}  // namespace forecast::pages
