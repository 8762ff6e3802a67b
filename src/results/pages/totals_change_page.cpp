#include "results/pages/change_chart.h"
#include "results/pages/report_parts.h"
#include "results/pages/results_pages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace forecast::pages {

namespace {

// P7_30_2, page 2 of 3: percentage change of the regional totals and of land use, with warnings.
class TotalsChangePage : public Page {
 public:
  explicit TotalsChangePage(AppServices& app) : Page(app, "P7_30_2") {
    const results::TotalsChangePage report = results::ComputeTotalsChangePage(session());
    AddTitle(kReportTitle);
    Content()->addWidget(MakePeriodCaption(report.periodCaption, "lblForcstPd", this));

    auto* frame = new QGroupBox(kFrameCaption, this);
    frame->setStyleSheet("QGroupBox { font-size: 12pt; font-weight: 600; }");
    auto* columns = new QHBoxLayout(frame);
    auto* left = new QVBoxLayout;
    columns->addLayout(left, 3);

    left->addWidget(MakeLabel("PERCENTAGE CHANGE", "subtitle", this));
    auto* upper = new QGridLayout;
    upper->addWidget(MakeLabel("Computation From QEST", "caption", this), 0, 1, 1, 2, Qt::AlignRight);
    AddRow(upper, 1, 0, report);
    AddRow(upper, 2, 1, report);
    AddRow(upper, 3, 2, report);
    left->addLayout(upper);
    MakeCommentList(report.upperComments, "Comments for Computations Appearing in Red Type", "List2", this, left);

    left->addWidget(MakeLabel("PERCENTAGE CHANGE IN LAND USE ", "subtitle", this));
    auto* lower = new QGridLayout;
    AddRow(lower, 0, 3, report);
    AddRow(lower, 1, 4, report);
    left->addLayout(lower);
    MakeCommentList(report.lowerComments, "Comments for Computations Appearing in Red Type", "List1", this, left);

    std::vector<ChangeChart::Bar> bars;
    const char* shortNames[5] = {"Households", "Employment", "Population", "Developed land", "Vacant land"};
    for (size_t i = 0; i < 5; ++i) bars.push_back({shortNames[i], report.boxes[i].value, report.boxes[i].flagged});
    columns->addWidget(new ChangeChart(bars, this), 2);
    Content()->addWidget(frame, 1);

    auto* pageOf = MakeLabel("Page 2 of 3", "pageOf", this);
    pageOf->setAlignment(Qt::AlignRight);
    Content()->addWidget(pageOf);

    UseButtons(true, true);
    ConnectReportPrint(this);
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_45"); });
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_30_3"); });
  }

 private:
  void AddRow(QGridLayout* grid, int row, size_t box, const results::TotalsChangePage& report) {
    // The labels keep their numbers: the land-use rows are 4 and 5.
    const int labelIndex = box < 3 ? static_cast<int>(box) : static_cast<int>(box) + 1;
    auto* label = MakeLabel(QString::fromStdString(results::TotalsRowLabels()[box]), "paragraph", this);
    label->setObjectName(QString("Label3(%1)").arg(labelIndex));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(label, row, 0);
    grid->addWidget(MakeValueBox(report.boxes[box], QString("txtReport(%1)").arg(box), this), row, 1, Qt::AlignRight);
    grid->addWidget(MakeLabel("%", "paragraph", this), row, 2);
    // Both blocks of rows line their boxes up under each other.
    grid->setColumnMinimumWidth(0, 470);
    grid->setColumnMinimumWidth(1, 230);
    grid->setColumnStretch(0, 1);
  }
};

}  // namespace

Page* CreateTotalsChangePage(AppServices& app) { return new TotalsChangePage(app); }

}  // namespace forecast::pages
