#include "core/pages/end_pages.h"
#include "core/pages/wizard_window.h"
#include "core/startup.h"
#include "impedance/converter_statistics.h"
#include "impedance/pages/impedance_pages.h"
#include "impedance/pages/page_helpers.h"
#include "inputs/demo_region.h"
#include "models/demo_model_data.h"
#include "platform/process_runner.h"
#include "platform/text_file.h"
#include "printing/page_printer.h"
#include "support/fakes.h"
#include "support/region_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace forecast::pages {
namespace {

std::string Bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The constraints page that ends the chain belongs elsewhere; a plain page stands in for it.
class ConstraintsStandIn : public Page {
 public:
  explicit ConstraintsStandIn(AppServices& app) : Page(app, "P7_5") {}
};

// The demo region with its impedance files, the real converter and the wizard.
class ImpedancePagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    const inputs::DemoRegion demo = inputs::BuildDemoRegion(testing::DemoRegionFolder::SmallOptions());
    ASSERT_TRUE(models::WriteDemoModelData(region.Path(), demo, &error)) << error;
    years = models::DemoImpedanceYears(demo);
    ASSERT_EQ(years.size(), 2u);
    const StartupResult started = RunStartup(app.session, region.Path());
    ASSERT_TRUE(started.ok) << started.error;

    RegisterEndPages(factories);
    RegisterImpedancePages(factories);
    factories.Add("P7_5", [](AppServices& pageServices) { return new ConstraintsStandIn(pageServices); });
    window = std::make_unique<WizardWindow>(factories);
    services = std::make_unique<AppServices>(AppServices{app.session, app.messages, runner, app.clock, *window});
    window->SetServices(services.get());
    window->resize(1280, 800);
    window->show();
  }

  void Click(const char* name) {
    QCoreApplication::processEvents();  // a page set into a shown window appears with the next events
    auto* button = window->CurrentPage()->findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isVisible() && button->isEnabled()) << name << " on " << Form().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  QString Form() const { return window->CurrentPage()->FormName(); }
  template <typename T>
  T* Find(const QString& name) {
    return window->CurrentPage()->findChild<T*>(name);
  }
  void Type(const QString& box, const std::string& text) { Find<QLineEdit>(box)->setText(QString::fromStdString(text)); }

  // The control values the travel model gives for the file of a year, as the planner types them.
  ImpedanceControlValues ControlValues(int year) {
    const auto lines = platform::ReadTextLines(region.Path() / "DATA" /
                                               ("IMPD" + std::to_string(year).substr(2, 2) + "_control_values.txt"));
    EXPECT_TRUE(lines.has_value());
    const std::vector<std::string> statistics(lines->begin() + 3, lines->end());
    const auto found = impedance::ParseConverterStatistics(statistics, nullptr);
    EXPECT_TRUE(found.has_value());
    ImpedanceControlValues values;
    values.average = found->average;
    values.smallest = found->smallest;
    values.largest = found->largest;
    for (size_t k = 0; k < 16; ++k) {
      values.top[k] = found->top[k / 4][k % 4];
      values.bottom[k] = found->bottom[k / 4][k % 4];
    }
    return values;
  }
  void EnterControlValues(const ImpedanceControlValues& values) {
    ASSERT_EQ(Form(), "P7_19");
    Type("txtImp0", values.average);
    Type("txtImp1", values.smallest);
    Type("txtImp2", values.largest);
    for (int k = 0; k < 16; ++k) {
      Type(QString("txtTopImp%1").arg(k), values.top[static_cast<size_t>(k)]);
      Type(QString("txtBottomImp%1").arg(k), values.bottom[static_cast<size_t>(k)]);
    }
  }
  // From the control values to the check report.
  void CheckFile() {
    Click("cmdContinue");
    ASSERT_EQ(Form(), "P7_20");
    Click("cmdContinue");
    ASSERT_EQ(Form(), "P7_21");
    Click("cmdGO");
    ASSERT_EQ(Form(), "P7_23");
    Click("cmdGO");
    ASSERT_EQ(Form(), "P7_24");
  }

  testing::DemoRegionFolder region;
  testing::FakeApp app;
  platform::QtProcessRunner runner{platform::ExecutableFolder()};
  std::vector<int> years;
  PageFactories factories;
  std::unique_ptr<WizardWindow> window;
  std::unique_ptr<AppServices> services;
};

TEST_F(ImpedancePagesTest, TwoFilesWalkedWithOneMistypedValueEndAtTheConstraints) {
  const std::string baseText = Bytes(region.Path() / "DATA" / "IMPD.TXT");
  const std::string baseBinary = Bytes(region.Path() / "DATA" / "IMPD.BIN");

  window->ShowForm("p7_13");
  Find<QRadioButton>("optAdd0")->setChecked(true);
  Click("cmdContinue");
  ASSERT_EQ(Form(), "p7_14");
  Click("cmdContinue");
  ASSERT_EQ(Form(), "P7_14a");
  EXPECT_TRUE(app.session.impedanceBackupPending);
  Click("cmdContinue");
  ASSERT_EQ(Form(), "p7_15");
  Type("txtFileNum", "2");
  Type("txtImpFiles0", std::to_string(years[0]));
  Type("txtImpFiles1", std::to_string(years[1]));
  Click("cmdContinue");
  ASSERT_EQ(Form(), "p7_16");
  auto* names = Find<QListWidget>("List1");
  ASSERT_EQ(names->count(), 2);
  EXPECT_EQ(names->item(1)->text().toStdString(), "IMPD" + std::to_string(years[1]).substr(2, 2) + ".TXT");
  for (const char* next : {"P7_17", "P7_30", "p7_18_1", "P7_19"}) {
    Click("cmdContinue");
    ASSERT_EQ(Form(), next);
  }

  // File 1, with the average mistyped: the mismatch path leads back to the values.
  ImpedanceControlValues first = ControlValues(years[0]);
  ImpedanceControlValues mistyped = first;
  mistyped.average = "9" + first.average;
  EnterControlValues(mistyped);
  CheckFile();
  ASSERT_EQ(app.messages.shown.size(), 1u);
  EXPECT_EQ(app.messages.shown[0].text,
            "There are discrepancies between the impedance data you entered and the data gathered from IMPD.txt.");
  EXPECT_FALSE(Find<QPushButton>("cmdBack")->isEnabled());
  EXPECT_TRUE(Find<QLineEdit>("txt_empl0")->styleSheet().contains("#c00000"));
  EXPECT_FALSE(Find<QLineEdit>("txt_empl1")->styleSheet().contains("#c00000"));
  Click("cmdContinue");
  ASSERT_EQ(Form(), "P7_25");
  Click("cmdBack");
  ASSERT_EQ(Form(), "P7_19");
  EXPECT_EQ(Find<QLineEdit>("txtImp0")->text().toStdString(), mistyped.average);
  Type("txtImp0", first.average);
  CheckFile();
  EXPECT_TRUE(Find<QPushButton>("cmdBack")->isEnabled());
  EXPECT_EQ(Find<QListWidget>("List1")->item(1)->text().toStdString(),
            platform::FormatShortest(platform::LeadingNumber(first.top[4])));
  Click("cmdContinue");
  ASSERT_EQ(Form(), "P7_26");

  // File 2 starts with empty boxes.
  Click("cmdContinue");
  ASSERT_EQ(Form(), "P7_19");
  EXPECT_EQ(app.session.currentPeriodIndex, 2);
  EXPECT_EQ(Find<QLineEdit>("txtImp0")->text(), "");
  EnterControlValues(ControlValues(years[1]));
  CheckFile();
  Click("cmdContinue");
  ASSERT_EQ(Form(), "P7_26");
  Click("cmdContinue");
  EXPECT_EQ(Form(), "P7_5");
  EXPECT_EQ(app.session.previousPageName, "P7_26");

  EXPECT_EQ(Bytes(region.Path() / "DATA" / "IMPD.TXT"), baseText);
  EXPECT_EQ(Bytes(region.Path() / "DATA" / "IMPD.BIN"), baseBinary);
  for (int year : years) {
    const std::string name = "IMPD" + std::to_string(year).substr(2, 2) + "BL";
    EXPECT_TRUE(platform::IsUsableFile(region.Path() / "DATA" / (name + ".BIN"))) << name;
    EXPECT_TRUE(platform::IsUsableFile(region.Path() / "VORAN_SYS" / "FORECASTING" / (name + ".bin"))) << name;
    EXPECT_NE(Bytes(region.Path() / "DATA" / (name + ".BIN")), baseBinary) << name;
  }
}

TEST_F(ImpedancePagesTest, NoNewFilesGoStraightToTheConstraints) {
  app.session.previousPageName = "P7_26_1";
  window->ShowForm("p7_13");
  EXPECT_TRUE(Find<QRadioButton>("optAdd1")->isChecked());
  EXPECT_TRUE(FindControlLabel(window->CurrentPage(), "lblYear")->text().contains("2000"));
  Click("cmdContinue");
  EXPECT_EQ(Form(), "P7_5");
  EXPECT_EQ(app.session.previousPageName, "P7_13");
}

TEST_F(ImpedancePagesTest, YearBoxesTakeDigitsOnlyAndAnOffGridYearExplains) {
  window->ShowPage("P7_15");
  QLineEdit* year = Find<QLineEdit>("txtImpFiles0");
  year->setFocus();
  QTest::keyClicks(year, "20a07");
  EXPECT_EQ(year->text(), "2007");
  ASSERT_EQ(app.messages.shown.size(), 1u);
  EXPECT_EQ(app.messages.shown[0].text, "Please enter a number.");
  Type("txtFileNum", "1");
  Click("cmdContinue");
  auto* explanation = window->CurrentPage()->findChild<QDialog*>("P7_15_1");
  ASSERT_NE(explanation, nullptr);
  QTest::mouseClick(explanation->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(Form(), "p7_15");
  EXPECT_EQ(Find<QLineEdit>("txtFileNum")->text(), "1");
  EXPECT_EQ(Find<QLineEdit>("txtImpFiles0")->text(), "");  // the off-grid year was not kept
}

TEST_F(ImpedancePagesTest, EnterInABlockBoxMovesOn) {
  app.session.impedanceFileCount = 1;
  app.session.currentPeriodIndex = 1;
  window->ShowPage("P7_19");
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QLineEdit* box = Find<QLineEdit>("txtTopImp3");
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(box->text(), "");
  EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>("txtTopImp4"));
}

TEST_F(ImpedancePagesTest, AMissingFileIsReportedAndAnEmptyOneNeedsTroubleshooting) {
  app.session.impedanceFileCount = 1;
  app.session.impedanceYears[1][1] = 2035;
  app.session.currentPeriodIndex = 1;
  window->ShowPage("P7_21");
  Click("cmdGO");
  EXPECT_EQ(Form(), "P7_21");
  ASSERT_EQ(app.messages.shown.size(), 1u);
  EXPECT_EQ(app.messages.shown[0].title, "Troubleshoot");

  std::ofstream(region.Path() / "DATA" / "IMPD35.TXT").close();
  Click("cmdGO");
  ASSERT_EQ(Form(), "P7_22_1");
  EXPECT_TRUE(FindControlLabel(window->CurrentPage(), "lblYear1")->text().contains("IMPD35.txt"));
  Click("cmdOK");
  EXPECT_EQ(Form(), "P7_21");
}

TEST_F(ImpedancePagesTest, NotReadyShowsThePreparationStepsOverThePage) {
  window->ShowPage("P7_18_1");
  Find<QRadioButton>("optAdd1")->setChecked(true);
  Click("cmdContinue");
  EXPECT_EQ(Form(), "p7_18_1");
  EXPECT_NE(window->CurrentPage()->findChild<QDialog*>("P7_17_2"), nullptr);
  window->ShowPage("P7_18_1");
  EXPECT_TRUE(Find<QRadioButton>("optAdd1")->isChecked());
}

TEST_F(ImpedancePagesTest, NoFilesChosenLeadOnToTheConstraints) {
  window->ShowPage("P7_15");
  Type("txtFileNum", "0");
  Click("cmdContinue");
  ASSERT_EQ(Form(), "p7_16");
  Click("cmdContinue");
  EXPECT_EQ(Form(), "P7_5");
}

TEST_F(ImpedancePagesTest, PagesOffTheChainStillLeadSomewhere) {
  struct Case {
    const char* page;
    const char* button;
    QString shows;
  };
  for (const Case& c : {Case{"P7_22", "cmdContinue", "P7_21"}, Case{"P7_22", "cmdTroubleshoot", "P7_22_1"},
                        Case{"P7_27", "cmdBack", "P7_24"}, Case{"P7_27", "cmdExit", "P7_e"}}) {
    window->ShowPage(c.page);
    Click(c.button);
    EXPECT_EQ(Form(), c.shows) << c.page << " " << c.button;
  }
}

class RecordingPrinter : public printing::PagePrinter {
 public:
  void PrintReportPage(QWidget* page) override { reports.push_back(page->objectName()); }
  void PrintHelpPage(QWidget* page) override { help.push_back(page->objectName()); }
  QStringList reports, help;
};

TEST_F(ImpedancePagesTest, ReportsPrintWithPageSetupAndExplanationsAtOnce) {
  RecordingPrinter printer;
  printing::SetActivePagePrinter(&printer);
  app.session.currentPeriodIndex = 1;
  window->ShowPage("P7_24");
  Click("cmdPrint");
  window->ShowPage("P7_30");
  QCoreApplication::processEvents();
  QTest::mouseClick(FindControlLabel(window->CurrentPage(), "lblTop"), Qt::LeftButton);
  auto* explanation = window->CurrentPage()->findChild<QDialog*>("P7_30_1d");
  ASSERT_NE(explanation, nullptr);
  QTest::mouseClick(explanation->findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
  printing::SetActivePagePrinter(nullptr);
  EXPECT_EQ(printer.reports, QStringList{"P7_24"});
  EXPECT_EQ(printer.help, QStringList{"P7_30_1d"});
}

}  // namespace
}  // namespace forecast::pages
