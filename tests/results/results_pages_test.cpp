#include "core/pages/end_pages.h"
#include "core/pages/wizard_window.h"
#include "printing/page_printer.h"
#include "results/forecast_loaders.h"
#include "results/pages/results_pages.h"
#include "results/results_flow.h"
#include "results_fixture.h"
#include "support/fakes.h"
#include "support/recording_printer.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

namespace forecast::pages {
namespace {

class ResultsPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterEndPages(factories);
    RegisterResultsPages(factories);
    window = std::make_unique<WizardWindow>(factories);
    services = std::make_unique<AppServices>(AppServices{demo.session, messages, processes, clock, *window});
    window->SetServices(services.get());
    window->resize(1280, 800);
  }
  void Click(const char* button) {
    auto* target = window->CurrentPage()->findChild<QPushButton*>(button);
    ASSERT_NE(target, nullptr) << button;
    ASSERT_TRUE(target->isEnabled()) << button;
    QTest::mouseClick(target, Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  QString Form() const { return window->CurrentPage()->FormName(); }
  template <typename T>
  T* Child(const QString& name) const {
    return window->CurrentPage()->findChild<T*>(name);
  }

  testing::ForecastedRegion demo{3};
  platform::RecordingMessages messages;
  testing::FakeProcessRunner processes;
  platform::FixedClock clock{{2026, 12, 10}};
  PageFactories factories;
  std::unique_ptr<WizardWindow> window;
  std::unique_ptr<AppServices> services;
  testing::RecordingPrinter printer;
};

TEST_F(ResultsPagesTest, FromTheFinishedForecastThroughTheThreeReportPages) {
  window->ShowForm("p7_9");
  Click("cmdContinue");
  ASSERT_EQ(Form(), "p7_30_4");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(Child<QPushButton>("cmdGO")->isEnabled());

  auto* runs = Child<QComboBox>("Combo2");
  ASSERT_EQ(runs->count(), 2);
  EXPECT_EQ(runs->itemText(1), "BL: Baseline forecast");
  runs->setCurrentIndex(1);
  auto* periods = Child<QComboBox>("Combo1");
  ASSERT_EQ(periods->count(), 3);
  EXPECT_EQ(periods->itemText(1), "2005-2010");
  periods->setCurrentIndex(1);
  Click("cmdGO");
  ASSERT_EQ(Form(), "P7_45");
  EXPECT_EQ(demo.session.currentPeriodIndex, 2);
  EXPECT_EQ(Child<QLineEdit>("txtReport(1)")->text(), "Retail");
  EXPECT_FALSE(Child<QLineEdit>("txtReport(13)")->isVisibleTo(window->CurrentPage()));  // category 6 of five
  EXPECT_NEAR(Child<QLineEdit>("txtReport(8)")->text().toDouble(), (1.08 / 1.04 - 1) * 100, 0.01);
  EXPECT_EQ(Child<QLabel>("lblForcstPd(0)")->text(), "2005-2010");
  Click("cmdPrint");
  EXPECT_EQ(printer.reports, QStringList{"P7_45"});

  Click("cmdContinue");
  ASSERT_EQ(Form(), "P7_30_2");
  EXPECT_EQ(Child<QListWidget>("List2")->count(), 0);
  Click("cmdContinue");
  ASSERT_EQ(Form(), "P7_30_3");
  EXPECT_NE(Child<QLineEdit>("txtReport(0)")->text(), "0");
  Click("cmdContinue");
  EXPECT_EQ(Form(), "p7_30_4");
}

TEST_F(ResultsPagesTest, ABlankRunChoiceAndAnUnfinishedRunAreRefused) {
  window->ShowForm("p7_30_4");
  auto* runs = Child<QComboBox>("Combo2");
  runs->setCurrentIndex(1);
  runs->setCurrentIndex(0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Your selection is not a valid option. Please select another forecast run.");
  EXPECT_FALSE(Child<QPushButton>("cmdGO")->isEnabled());
  runs->setCurrentIndex(1);
  Click("cmdGO");  // no result database yet
  EXPECT_EQ(Form(), "p7_30_4");
  EXPECT_EQ(messages.shown.back().text, "You have not completed this policy run. Please pick another policy run.");
  EXPECT_FALSE(Child<QPushButton>("cmdGO")->isEnabled());
}

TEST_F(ResultsPagesTest, AFailedLoadSendsTheUserToRerunTheForecast) {
  std::filesystem::remove(demo.ForecastFile("DRMFCST", 2));
  window->ShowForm("p7_9");
  Click("cmdContinue");
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, results::kLoadFailedMessage);
  EXPECT_EQ(messages.shown[1].text, results::kForecastFailedMessage);
  EXPECT_EQ(Form(), "p7_1");  // the rerun page where the program has it, the welcome page here
}

TEST_F(ResultsPagesTest, AReportPageWithoutResultsReturnsToTheSelection) {
  demo.session.reviewRunIndex = 1;
  demo.session.currentPeriodIndex = 1;
  window->ShowForm("P7_45");
  EXPECT_EQ(Form(), "p7_30_4");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "You have not completed this policy run. Please pick another policy run.");
}

TEST_F(ResultsPagesTest, ContinueFollowsTheMapItSwitch) {
  window->ShowForm("p7_30_4");
  Click("cmdContinue");
  EXPECT_EQ(Form(), "p7_1");  // MAPIT_7_1 is not in this program yet
  demo.region.WriteLines("\\VORAN_SYS\\mapit.txt", {"Map it: False"});
  testing::FakeNavigator navigator;
  AppServices app{demo.session, messages, processes, clock, navigator};
  results::LeaveReviewSelection(app);
  demo.region.WriteLines("\\VORAN_SYS\\mapit.txt", {"Map it: True"});
  results::LeaveReviewSelection(app);
  EXPECT_EQ(navigator.shown, (std::vector<std::string>{"P7_8_1", "MAPIT_7_1"}));
}

TEST_F(ResultsPagesTest, ReportPagesPrintToAPdfFile) {
  window->ShowForm("p7_9");
  Click("cmdContinue");
  demo.session.reviewRunIndex = 1;
  demo.session.currentPeriodIndex = 1;
  std::unique_ptr<Page> page(CreateCategoryChangePage(*services));
  page->resize(1280, 800);
  const QString file = QString::fromStdString((demo.region.Path() / "report.pdf").string());
  ASSERT_TRUE(printing::WriteWidgetsToPdf({page.get()}, file));
  std::ifstream in(file.toStdString(), std::ios::binary);
  std::string head(4, '\0');
  in.read(head.data(), 4);
  EXPECT_EQ(head, "%PDF");
}

}  // namespace
}  // namespace forecast::pages
