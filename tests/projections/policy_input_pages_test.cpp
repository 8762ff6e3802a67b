#include "core/pages/end_pages.h"
#include "core/pages/wizard_window.h"
#include "core/startup.h"
#include "impedance/pages/impedance_pages.h"
#include "impedance/pages/page_helpers.h"
#include "policy/projections/pages/policy_input_pages.h"
#include "support/fakes.h"
#include "support/region_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace forecast::pages {
namespace {

class PolicyInputPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterEndPages(factories);
    RegisterPolicyInputPages(factories);
    RegisterImpedancePages(factories);
    const StartupResult started = RunStartup(app.session, region.Path());
    ASSERT_TRUE(started.ok) << started.error;
    window = std::make_unique<WizardWindow>(factories);
    services = std::make_unique<AppServices>(AppServices{app.session, app.messages, app.processes, app.clock, *window});
    window->SetServices(services.get());
  }
  void Click(const char* name) {
    auto* button = window->CurrentPage()->findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  QString Form() const { return window->CurrentPage()->FormName(); }
  QLineEdit* Box(const QString& name) { return window->CurrentPage()->findChild<QLineEdit*>(name); }
  QString Heading(int index) {
    auto* label = window->CurrentPage()->findChild<QLabel*>(QString("txtReport%1").arg(index));
    return label ? label->text() : QString("<none>");
  }
  std::string Cell(int row, int column) {
    return app.session.inputDatabase->ReadTable("Projections_BL").rows[static_cast<size_t>(row - 1)]
        [static_cast<size_t>(column - 1)].ToText();
  }

  testing::DemoRegionFolder region;
  testing::FakeApp app;
  PageFactories factories;
  std::unique_ptr<WizardWindow> window;
  std::unique_ptr<AppServices> services;
};

TEST_F(PolicyInputPagesTest, TheGridShowsEveryPeriodAndTheRegionsCategories) {
  window->ShowForm("P7_8_4");
  EXPECT_EQ(Form(), "P7_8_4");
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(Heading(c - 1).toStdString(), app.session.regionSettings.empCategoryNames[c]);
  for (int c = 6; c <= 8; ++c) EXPECT_EQ(Heading(c - 1), "");
  EXPECT_EQ(Heading(8), "Total Employment");
  EXPECT_EQ(Heading(69), "Total population");
  for (int p = 1; p <= 6; ++p) {
    EXPECT_EQ(Box(QString("txtFcst%1").arg(p - 1))->text().toStdString(), Cell(p + 2, 1));
    EXPECT_EQ(Box(QString("txtReport%1").arg(62 + p))->text().toStdString(), Cell(p + 2, 2));
    EXPECT_EQ(Box(QString("txtReport%1").arg(8 + p + 6 * 2))->text().toStdString(), Cell(p + 2, 5));
    EXPECT_EQ(Box(QString("txtReport%1").arg(56 + p))->text().toStdString(), Cell(p + 2, 11));
  }
  EXPECT_EQ(Box("txtFcst0")->maxLength(), 6);
  EXPECT_EQ(Box("txtReport9")->maxLength(), 8);
}

TEST_F(PolicyInputPagesTest, FewerPeriodsShowFewerLines) {
  app.session.runTypePeriodCounts[1] = 4;
  window->ShowForm("P7_8_4");
  window->show();
  EXPECT_TRUE(Box("txtReport60")->isVisible());   // total employment of period 4
  EXPECT_FALSE(Box("txtReport61")->isVisible());  // period 5
  EXPECT_FALSE(Box("txtFcst4")->isVisible());
}

TEST_F(PolicyInputPagesTest, ContinueWritesTheEditsAndGoesToTheImpedanceQuestion) {
  window->ShowForm("P7_8_4");
  Box("txtReport58")->setText("999999");
  Click("cmdContinue");
  EXPECT_EQ(Form(), "p7_13");
  EXPECT_EQ(app.session.previousPageName, "P7_8_4");
  EXPECT_EQ(Cell(4, 11), "999999");
  // Back on the impedance question returns to the projections.
  Click("cmdBack");
  EXPECT_EQ(Form(), "P7_8_4");
}

TEST_F(PolicyInputPagesTest, BackDropsTheEdits) {
  const std::string before = Cell(4, 11);
  window->ShowForm("P7_8_4");
  Box("txtReport58")->setText("999999");
  Click("cmdBack");
  EXPECT_EQ(Form(), "p7_26_1");
  EXPECT_EQ(Cell(4, 11), before);
}

TEST_F(PolicyInputPagesTest, ExitAndClosingTheWindowWriteTheEdits) {
  window->ShowForm("P7_8_4");
  Box("txtReport63")->setText("4242");
  Click("cmdExit");
  EXPECT_EQ(Form(), "P7_e");
  EXPECT_EQ(app.session.resumePageName, "P7_26_1");
  EXPECT_EQ(Cell(3, 2), "4242");

  window->ShowForm("P7_8_4");
  window->show();
  QCoreApplication::processEvents();
  Box("txtFcst5")->setText("2031");
  window->close();
  EXPECT_EQ(Cell(8, 1), "2031");
}

TEST_F(PolicyInputPagesTest, TheQuestionLeadsToTheProjectionsOrToTheImpedances) {
  window->ShowForm("p7_26_1");
  EXPECT_TRUE(window->CurrentPage()->findChild<QRadioButton*>("optAdd1")->isChecked());
  Click("cmdContinue");
  EXPECT_EQ(Form(), "p7_13");
  EXPECT_EQ(app.session.previousPageName, "P7_26_1");
  Click("cmdBack");
  EXPECT_EQ(Form(), "p7_26_1");
  window->CurrentPage()->findChild<QRadioButton*>("optAdd0")->setChecked(true);
  Click("cmdContinue");
  EXPECT_EQ(Form(), "P7_8_4");
}

TEST_F(PolicyInputPagesTest, IntroductionPagesNameTheRunAndOpenTheirHelp) {
  window->ShowPage("P7_2");
  window->show();
  auto* link = FindControlLabel(window->CurrentPage(), "lblFcst");
  QTest::mouseClick(link, Qt::LeftButton);
  auto* help = window->CurrentPage()->findChild<QDialog*>("P7_2_1");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(link->styleSheet().contains("#800080"));
  QTest::mouseClick(help->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  EXPECT_EQ(Form(), "p7_2");
  Click("cmdContinue");
  EXPECT_EQ(Form(), "p7_2a");
  EXPECT_TRUE(FindControlLabel(window->CurrentPage(), "lblPolicy")->text().contains("BL"));
  Click("cmdContinue");
  EXPECT_EQ(Form(), "p7_26_1");
}

}  // namespace
}  // namespace forecast::pages
