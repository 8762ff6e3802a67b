#include "results/pages/report_parts.h"
#include "results/pages/results_pages.h"
#include "results/results_flow.h"
#include "results/review_selection.h"

#include <QComboBox>
#include <QGridLayout>
#include <QVBoxLayout>

namespace forecast::pages {

namespace {

// p7_30_4: choose a run and a period, GO to the review report.
class ReviewSelectionPage : public Page {
 public:
  explicit ReviewSelectionPage(AppServices& app) : Page(app, "p7_30_4") {
    Content()->addStretch(1);
    AddTitle(kReportTitle);
    AddParagraph("This analysis is used to describe the spatial allocation of your region's future employment and households.");
    AddParagraph("View your reports by selecting a Policy Run and Forecast Time Period, then click GO.");
    Content()->addSpacing(18);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(40);
    grid->addWidget(MakeLabel("Policy Run", "subtitle", this), 0, 0);
    grid->addWidget(MakeLabel("Forecast Time Period", "subtitle", this), 0, 1);
    runs_ = new QComboBox(this);
    runs_->setObjectName("Combo2");
    periods_ = new QComboBox(this);
    periods_->setObjectName("Combo1");
    for (QComboBox* box : {runs_, periods_}) {
      box->setMinimumWidth(340);
      box->setStyleSheet("font-size: 13pt; padding: 4px;");
    }
    grid->addWidget(runs_, 1, 0);
    grid->addWidget(periods_, 1, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addLayout(grid);
    row->addStretch(1);
    Content()->addLayout(row);
    Content()->addSpacing(18);
    AddParagraph("We recommend you print your forecast reports to keep on file with your VORAN project.");
    Content()->addStretch(2);

    UseButtons(true, true, true);
    GoButton()->setEnabled(false);
    for (const std::string& entry : results::RunListEntries(session())) runs_->addItem(QString::fromStdString(entry));
    runs_->setCurrentIndex(0);
    periods_->setEnabled(false);
    // Connected after filling, so that the list's own first selection is no choice.
    connect(runs_, &QComboBox::currentIndexChanged, this, [this](int) { RunChosen(); });
    connect(GoButton(), &QPushButton::clicked, this, [this] {
      if (results::ChooseReview(session(), runs_->currentIndex(), periods_->currentIndex(), this->app().messages)) {
        this->app().navigator.ShowPage("P7_45");
      } else {
        GoButton()->setEnabled(false);
      }
    });
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { results::LeaveReviewSelection(this->app()); });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_9"); });
  }

 private:
  void RunChosen() {
    periods_->clear();
    if (results::IsInvalidRunEntry(runs_->currentText().toStdString())) {
      app().messages.Show(results::kInvalidRunMessage, "VORAN");
      periods_->setEnabled(false);
      GoButton()->setEnabled(false);
      return;
    }
    periods_->setEnabled(true);
    for (const std::string& label : results::SetPeriodLabels(session(), runs_->currentIndex())) {
      periods_->addItem(QString::fromStdString(label));
    }
    periods_->setCurrentIndex(0);
    GoButton()->setEnabled(periods_->count() > 0);
  }

  QComboBox* runs_;
  QComboBox* periods_;
};

}  // namespace

Page* CreateReviewSelectionPage(AppServices& app) { return new ReviewSelectionPage(app); }

}  // namespace forecast::pages
