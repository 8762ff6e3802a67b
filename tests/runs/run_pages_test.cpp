#include "run_region.h"

#include "core/pages/busy_notice.h"
#include "core/pages/wizard_window.h"
#include "platform/process_runner.h"
#include "platform/text_file.h"
#include "runs/forecast_run.h"
#include "runs/pages/run_pages.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace forecast::pages {
namespace {

namespace files = inputs::files;
using inputs::ModelFolder;
using testing::FakeRun;
using testing::RunRegion;
using testing::WriteContent;

// The run pages in the wizard's window, on the demo region.
class RunPagesTest : public ::testing::Test {
 protected:
  // The demo region with this many periods; the programs are the stand-ins
  // unless another runner is given.
  void Open(int periods, platform::ProcessRunner* runner = nullptr) {
    r = std::make_unique<RunRegion>(periods);
    RegisterRunPages(factories);
    window = std::make_unique<WizardWindow>(factories);
    services = std::make_unique<AppServices>(AppServices{r->app.session, r->app.messages,
                                                         runner ? *runner : r->app.processes, r->app.clock, *window});
    window->SetServices(services.get());
    window->resize(1280, 800);
    window->show();
  }
  void Show(const char* page) {
    window->ShowPage(page);
    QCoreApplication::processEvents();
  }
  void Click(const char* name) {
    QCoreApplication::processEvents();
    ASSERT_NE(Page(), nullptr) << "no page to press " << name << " on";
    auto* button = Page()->findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isVisible() && button->isEnabled()) << name << " on " << Form();
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  pages::Page* Page() const { return window->CurrentPage(); }
  std::string Form() const { return Page()->FormName().toStdString(); }
  bool Enabled(const char* button) const { return Page()->findChild<QPushButton*>(button)->isEnabled(); }
  // Which check marks of the forecast page are shown, as "1 2 ...".
  std::string Marks() const {
    std::string shown;
    for (int p = 0; p < 6; ++p) {
      auto* mark = Page()->findChild<QLabel*>(QString("Image1(%1)").arg(p));
      if (mark && mark->isVisibleTo(Page())) shown += (shown.empty() ? "" : " ") + std::to_string(p + 1);
    }
    return shown;
  }
  std::vector<std::string> Shown() const {
    std::vector<std::string> shown;
    for (const auto& message : r->app.messages.shown) shown.push_back(message.title + ": " + message.text);
    return shown;
  }

  std::unique_ptr<RunRegion> r;
  PageFactories factories;
  std::unique_ptr<WizardWindow> window;
  std::unique_ptr<AppServices> services;
};

TEST_F(RunPagesTest, TheDemoBaselineIsForecastWithTheRealPrograms) {
  Open(6);
  platform::QtProcessRunner real{r->Path()};
  services = std::make_unique<AppServices>(
      AppServices{r->app.session, r->app.messages, real, r->app.clock, *window});
  window->SetServices(services.get());
  const int periods = 6;
  ASSERT_EQ(runs::RunPeriodCount(r->app.session), periods);

  Show("P7_3");
  ASSERT_EQ(Form(), "P7_3");
  Click("cmdGO");
  ASSERT_EQ(Form(), "p7_4") << ::testing::PrintToString(Shown());
  EXPECT_EQ(Page()->findChild<QLabel*>("lblRun")->text(), "BL");
  Click("cmdContinue");
  ASSERT_EQ(Form(), "p7_7");
  Click("cmdContinue");
  ASSERT_EQ(Form(), "P7_8");
  EXPECT_TRUE(Enabled("cmdGO"));
  EXPECT_FALSE(Enabled("cmdContinue"));
  EXPECT_EQ(Marks(), "");
  for (int p = 1; p <= periods; ++p) {
    EXPECT_EQ(Page()->findChild<QLabel*>(QString("lblForecast(%1)").arg(p - 1))->text().toStdString(),
              std::to_string(r->Year(p)));
  }
  Click("cmdGO");
  EXPECT_TRUE(r->app.messages.shown.empty()) << ::testing::PrintToString(Shown());
  EXPECT_EQ(Marks(), "1 2 3 4 5 6");
  EXPECT_TRUE(Enabled("cmdContinue"));
  EXPECT_FALSE(Enabled("cmdGO"));

  const inputs::PerPeriodFile perPeriod[] = {
      files::kEmpalCard,        files::kDramCard,           files::kPeriodDrmDat,
      files::kPeriodDrmEmp,     files::kPeriodWorkingImpedance, files::kPeriodEmpKFactors,
      files::kPeriodResKFactors, {ModelFolder::Forecasting, "EMPFCST", ".bin"},
      {ModelFolder::Forecasting, "DRMFCST", ".bin"}, files::kPeriodEmpalOut,
      files::kPeriodDramOut,    files::kPeriodEmpForecastText, files::kPeriodDrmForecastText,
  };
  for (int p = 1; p <= periods; ++p) {
    for (const auto& file : perPeriod) EXPECT_TRUE(platform::IsUsableFile(r->Period(file, p))) << r->Period(file, p);
    for (const auto& text : {files::kPeriodEmpForecastText, files::kPeriodDrmForecastText}) {
      EXPECT_EQ(testing::Content(r->Period(text, p, ModelFolder::Gis)), testing::Content(r->Period(text, p)));
    }
  }

  // Back on the page later: the forecast is there to continue with.
  Show("P7_8");
  EXPECT_EQ(Marks(), "1 2 3 4 5 6");
  EXPECT_TRUE(Enabled("cmdContinue"));
  EXPECT_FALSE(Enabled("cmdGO"));

  // A run whose later periods are missing asks for GO again.
  std::filesystem::remove(r->Period(files::kPeriodDramOut, 5));
  std::filesystem::remove(r->Period(files::kPeriodDramOut, 6));
  Show("P7_8");
  EXPECT_EQ(Marks(), "1 2 3 4");
  EXPECT_FALSE(Enabled("cmdContinue"));
  EXPECT_TRUE(Enabled("cmdGO"));
  Click("cmdGO");
  EXPECT_EQ(Marks(), "1 2 3 4 5 6");
  EXPECT_TRUE(Enabled("cmdContinue"));
  EXPECT_TRUE(r->app.messages.shown.empty()) << ::testing::PrintToString(Shown());
}

TEST_F(RunPagesTest, OnLoadTheMarksShowThePeriodsDoneFromTheFirst) {
  struct Case {
    const char* name;
    const char* empal;  // which periods have their EMPAL report: "1" .. "3", "e" for an empty one
    const char* dram;
    const char* marks;
    bool complete;
  };
  const Case cases[] = {
      {"all done", "111", "111", "1 2 3", true},
      {"first two done", "110", "110", "1 2", false},
      {"none done", "000", "000", "", false},
      {"a gap", "101", "101", "1", false},
      {"only the EMPAL report", "111", "011", "", false},
      {"an empty report counts as missing", "111", "11e", "1 2", false},
  };
  Open(3);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int p = 1; p <= 3; ++p) {
      for (const auto& [report, flags] : {std::pair{files::kPeriodEmpalOut, c.empal}, std::pair{files::kPeriodDramOut, c.dram}}) {
        const char flag = flags[p - 1];
        const auto file = r->Period(report, p);
        if (flag == '0') {
          platform::RemoveFileIfExists(file);
        } else {
          WriteContent(file, flag == 'e' ? "" : "report");
        }
      }
    }
    Show("P7_8");
    ASSERT_EQ(Form(), "P7_8");
    EXPECT_EQ(Marks(), c.marks);
    EXPECT_EQ(Enabled("cmdContinue"), c.complete);
    EXPECT_EQ(Enabled("cmdGO"), !c.complete);
  }
  // The models read the region settings from their own folder.
  EXPECT_EQ(testing::Content(r->File(files::kSettingsCopy)),
            testing::Content(r->region.File("\\VORAN_SYS\\settings.txt")));
}

TEST_F(RunPagesTest, WhileTheProgramsRunTheNoticeNamesThePeriodAndTheButtonsAreDisabled) {
  Open(3);
  r->PrepareForecast();
  std::vector<std::string> seen;
  auto program = r->app.processes.onRun;
  r->app.processes.onRun = [&](const std::filesystem::path& folder, const std::string& name) {
    std::string notice = "no notice";
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* busy = dynamic_cast<BusyNotice*>(widget);
      if (!busy || !busy->isVisible()) continue;
      const auto* bar = busy->findChild<QProgressBar*>();
      notice = busy->windowTitle().toStdString() + " | " + busy->findChild<QLabel*>()->text().toStdString() + " | " +
               bar->text().toStdString() + " | " + std::to_string(bar->value()) + " done";
    }
    bool anyEnabled = false;
    for (const char* button : {"cmdGO", "cmdBack", "cmdContinue", "cmdExit"}) anyEnabled |= Enabled(button);
    if (name == "EMPALT.EXE") seen.push_back(notice + (anyEnabled ? " | a button enabled" : ""));
    return program(folder, name);
  };
  Show("P7_8");
  Click("cmdGO");
  EXPECT_EQ(seen, (std::vector<std::string>{"VORAN | Processing Forecast Time Period: 2005 | Period 1 of 3 | 0 done",
                                            "VORAN | Processing Forecast Time Period: 2010 | Period 2 of 3 | 1 done",
                                            "VORAN | Processing Forecast Time Period: 2015 | Period 3 of 3 | 2 done"}));
  EXPECT_EQ(Marks(), "1 2 3");
  EXPECT_TRUE(Enabled("cmdContinue") && Enabled("cmdBack") && Enabled("cmdExit"));
  EXPECT_FALSE(Enabled("cmdGO"));
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (dynamic_cast<BusyNotice*>(widget)) {
      EXPECT_FALSE(widget->isVisible());
    }
  }
}

TEST_F(RunPagesTest, AFailedForecastLeavesGoForAnotherTry) {
  Open(3);
  r->PrepareForecast();
  r->models.behaviour = [](const std::string& name, int p) {
    return name == "EMPALT.EXE" && p == 2 ? FakeRun::EmptyReport : FakeRun::Normal;
  };
  Show("P7_8");
  Click("cmdGO");
  ASSERT_EQ(r->app.messages.shown.size(), 4u);
  EXPECT_EQ(r->app.messages.shown.back().title, "Troubleshooting");
  EXPECT_EQ(Form(), "P7_8");
  EXPECT_EQ(Marks(), "1");
  EXPECT_TRUE(Enabled("cmdGO") && Enabled("cmdBack") && Enabled("cmdExit"));
  EXPECT_FALSE(Enabled("cmdContinue"));

  // The program works again: GO forecasts the whole run.
  r->models.behaviour = nullptr;
  r->models.Restart();
  r->app.messages.shown.clear();
  Click("cmdGO");
  EXPECT_TRUE(r->app.messages.shown.empty());
  EXPECT_EQ(Marks(), "1 2 3");
  EXPECT_TRUE(Enabled("cmdContinue"));
}

TEST_F(RunPagesTest, AFailedFileCheckKeepsGoDisabledOnThePage) {
  Open(3);
  WriteContent(r->region.File("\\VORAN_SYS\\CALIB\\emprese2.txt"), "");
  Show("P7_3");
  Click("cmdGO");
  EXPECT_EQ(Shown(), std::vector<std::string>{"Troubleshoot: Error! VORAN is unable to read your files for forecasting."});
  EXPECT_EQ(Form(), "P7_3");
  EXPECT_FALSE(Enabled("cmdGO"));
  EXPECT_TRUE(Enabled("cmdBack") && Enabled("cmdExit"));
  EXPECT_TRUE(r->app.processes.runs.empty());
}

TEST_F(RunPagesTest, ACardThatCannotBeWrittenKeepsTheWarningPage) {
  Open(3);
  r->PrepareForecast();
  r->app.session.inputDatabase->Execute("DELETE FROM \"Projections_BL\" WHERE \"F1\" = '2015'");
  Show("P7_7");
  Click("cmdContinue");
  EXPECT_EQ(Form(), "p7_7");
  ASSERT_EQ(r->app.messages.shown.size(), 1u);
  EXPECT_NE(r->app.messages.shown[0].text.find("Projections_BL"), std::string::npos) << r->app.messages.shown[0].text;
  EXPECT_NE(r->app.messages.shown[0].text.find("2015"), std::string::npos) << r->app.messages.shown[0].text;
  EXPECT_TRUE(Enabled("cmdContinue"));
  EXPECT_TRUE(r->app.processes.runs.empty());
}

TEST_F(RunPagesTest, TheTroubleshootingPageOffersOnlyPrintAndExit) {
  Open(3);
  window->ShowForm("P7_3a");
  QCoreApplication::processEvents();
  ASSERT_EQ(Form(), "P7_3a");
  for (const char* button : {"cmdGO", "cmdBack", "cmdContinue"}) {
    auto* found = Page()->findChild<QPushButton*>(button);
    EXPECT_TRUE(!found || !found->isVisible()) << button;
  }
  for (const char* button : {"cmdPrint", "cmdExit"}) {
    auto* found = Page()->findChild<QPushButton*>(button);
    ASSERT_NE(found, nullptr) << button;
    EXPECT_TRUE(found->isVisible()) << button;
  }
}

}  // namespace
}  // namespace forecast::pages
