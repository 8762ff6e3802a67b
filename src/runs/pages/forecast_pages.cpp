#include "core/pages/busy_notice.h"
#include "runs/forecast_run.h"
#include "runs/pages/run_pages.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include <memory>

namespace forecast::pages {

namespace {

// p7_4: the files are ready; the forecast of the run comes next.
class FilesReadyPage : public Page {
 public:
  explicit FilesReadyPage(AppServices& app) : Page(app, "p7_4") {
    Content()->addStretch(1);
    AddTitle("File Check is Complete!");
    AddParagraph("You may Continue to the Forecasting section for: ");
    const std::string run = session().previousPageName == "P7_1" ? std::string("BL") : session().CurrentRunCode();
    AddTitle(QString::fromStdString(run))->setObjectName("lblRun");
    AddParagraph("This section is likely to take several minutes to complete.");
    Content()->addStretch(2);
    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_7"); });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_3"); });
  }
};

// p7_7: a warning, then the cards of every period.
class LongRunWarningPage : public Page {
 public:
  explicit LongRunWarningPage(AppServices& app) : Page(app, "p7_7") {
    Content()->addStretch(1);
    AddTitle("IMPORTANT!");
    AddParagraph(
        "QEST runs are computationally intensive.  In order to simplify this task, QEST does all forecasts in one pass. "
        "This can take up to 30 minutes to complete.");
    AddParagraph(
        "Interrupting the system, during forecasting, can cause program errors from which it will be very time "
        "consuming to recover.");
    Content()->addStretch(2);
    UseButtons(true, true);
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_4"); });
    connect(ContinueButton(), &QPushButton::clicked, this, [this] {
      // A card that cannot be written has been reported; the models must not run on it.
      if (runs::WriteAllCards(this->app())) this->app().navigator.ShowPage("P7_8");
    });
  }
};

// P7_8: runs the models period by period.
class ForecastPage : public Page {
 public:
  explicit ForecastPage(AppServices& app) : Page(app, "P7_8") {
    Content()->addStretch(1);
    AddTitle("Forecasting");
    AddParagraph("Press GO to forecast every period of the run. The check marks show the periods that are done.");
    auto* runLine = AddTitle(QString("Forecast run: %1").arg(QString::fromStdString(session().CurrentRunCode())));
    runLine->setObjectName("lblRun");
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    const int periods = runs::RunPeriodCount(session());
    const QPixmap mark = style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(28, 28);
    for (int p = 1; p <= periods; ++p) {
      auto* year = new QLabel(QString::number(session().ForecastYear(session().currentRunIndex, p)), this);
      year->setObjectName(QString("lblForecast(%1)").arg(p - 1));
      year->setStyleSheet("font-size: 15pt;");
      auto* check = new QLabel(this);
      check->setObjectName(QString("Image1(%1)").arg(p - 1));
      check->setPixmap(mark);
      check->setFixedSize(32, 32);
      // A hidden mark keeps its room, so the years do not shift as the periods finish.
      QSizePolicy keep = check->sizePolicy();
      keep.setRetainSizeWhenHidden(true);
      check->setSizePolicy(keep);
      check->setVisible(false);
      grid->addWidget(year, p - 1, 0);
      grid->addWidget(check, p - 1, 1);
      marks_.push_back(check);
    }
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addLayout(grid);
    row->addStretch(1);
    Content()->addLayout(row);
    Content()->addStretch(2);
    UseButtons(true, true, true);

    runs::CopySettingsForModels(session());
    const int done = runs::FinishedPeriods(session());
    for (int p = 0; p < done; ++p) marks_[static_cast<size_t>(p)]->setVisible(true);
    const bool complete = periods > 0 && done == periods;
    ContinueButton()->setEnabled(complete);
    GoButton()->setEnabled(!complete);

    connect(GoButton(), &QPushButton::clicked, this, [this] { Go(); });
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_9"); });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_7"); });
  }

 private:
  void Go() {
    for (QPushButton* button : {GoButton(), BackButton(), ContinueButton(), ExitButton()}) button->setEnabled(false);
    for (QLabel* mark : marks_) mark->setVisible(false);
    auto notice = std::make_unique<BusyNotice>(QString(), window());
    notice->show();
    runs::ForecastProgress progress;
    progress.periodStarted = [&](int period, int periods, int year) {
      notice->SetText(QString::fromStdString(runs::ProcessingText(year)));
      notice->SetProgress(period, periods);
    };
    progress.periodFinished = [this](int period) {
      if (period <= static_cast<int>(marks_.size())) marks_[static_cast<size_t>(period - 1)]->setVisible(true);
      QApplication::processEvents();
    };
    const runs::ForecastOutcome outcome = runs::RunForecast(app(), progress);
    notice->close();
    const bool completed = outcome == runs::ForecastOutcome::Completed;
    ContinueButton()->setEnabled(completed);
    GoButton()->setEnabled(!completed);
    BackButton()->setEnabled(true);
    ExitButton()->setEnabled(true);
  }

  std::vector<QLabel*> marks_;
};

}  // namespace

Page* CreateFileCheckPage(AppServices& app);
Page* CreateFileCheckTroubleshootingPage(AppServices& app);

void RegisterRunPages(PageFactories& factories) {
  factories.Add("P7_3", CreateFileCheckPage);
  factories.Add("P7_3a", CreateFileCheckTroubleshootingPage);
  factories.Add("p7_4", [](AppServices& app) { return new FilesReadyPage(app); });
  factories.Add("p7_7", [](AppServices& app) { return new LongRunWarningPage(app); });
  factories.Add("P7_8", [](AppServices& app) { return new ForecastPage(app); });
}

}  // namespace forecast::pages
