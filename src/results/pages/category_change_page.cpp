#include "results/pages/change_chart.h"
#include "results/pages/report_parts.h"
#include "results/pages/results_pages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace forecast::pages {

namespace {

// P7_45, page 1 of 3: percentage change per employment and household category.
class CategoryChangePage : public Page {
 public:
  explicit CategoryChangePage(AppServices& app) : Page(app, "P7_45") {
    results::CategoryChangePage report;
    const bool ok = results::ComputeCategoryChangePage(session(), &report);
    AddTitle(kReportTitle);
    AddParagraph("Employment and Household growth or decline in your region, as measured by");
    AddParagraph("Regional Percentage Change")->setObjectName("subtitle");

    auto* frame = new QGroupBox(kFrameCaption, this);
    frame->setStyleSheet("QGroupBox { font-size: 12pt; font-weight: 600; }");
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);
    AddCategoryRows(grid, 0, "Employment Category", report.employmentHeadings, report.employment, 0, 8, 0, report);
    AddCategoryRows(grid, 3, "Household Category", report.householdHeadings, report.households, 24, 16, 1, report);
    grid->setColumnStretch(9, 1);
    // The numbers keep their room; the chart takes what is left.
    frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    Content()->addWidget(frame);

    std::vector<ChangeChart::Bar> bars;
    for (size_t k = 1; k <= 8; ++k) {
      if (report.employment[k].visible && !report.employmentHeadings[k].empty()) {
        bars.push_back({QString::fromStdString(report.employmentHeadings[k]), report.employment[k].value, false});
      }
    }
    for (size_t k = 1; k <= 8; ++k) {
      if (report.households[k].visible && !report.householdHeadings[k].empty()) {
        bars.push_back({QString::fromStdString(report.householdHeadings[k]), report.households[k].value, false});
      }
    }
    auto* chart = new ChangeChart(bars, this);
    // Bars as long as the screen is wide are hard to compare: the chart keeps a readable width.
    chart->setMaximumWidth(look::kReadableWidth);
    auto* chartRow = new QHBoxLayout;
    chartRow->addStretch(1);
    chartRow->addWidget(chart, 100);
    chartRow->addStretch(1);
    Content()->addLayout(chartRow, 1);
    auto* pageOf = MakeLabel("Page 1 of 3", "pageOf", this);
    pageOf->setAlignment(Qt::AlignRight);
    Content()->addWidget(pageOf);

    UseButtons(true, true);
    ConnectReportPrint(this);
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_30_4"); });
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_30_2"); });
    if (!ok) {
      this->app().messages.Show(results::kRunNotCompletedMessage, "VORAN");
      this->app().navigator.ShowPage("P7_30_4");
    }
  }

 private:
  // A heading row of category names and a value row, as text boxes numbered as the report numbers them.
  void AddCategoryRows(QGridLayout* grid, int row, const QString& heading, const std::array<std::string, 9>& headings,
                       const std::array<results::ReportBox, 9>& values, int headingBase, int valueBase, int captionIndex,
                       const results::CategoryChangePage& report) {
    // The heading stands centred over the categories the region has, not over all eight places.
    int named = 0;
    for (size_t k = 1; k <= 8; ++k) named += headings[k].empty() ? 0 : 1;
    grid->addWidget(MakeLabel(heading, "caption", this), row, 1, 1, std::max(named, 1), Qt::AlignCenter);
    for (size_t k = 1; k <= 8; ++k) {
      results::ReportBox head;
      head.text = headings[k];
      head.visible = !headings[k].empty();
      auto* headBox = MakeValueBox(head, QString("txtReport(%1)").arg(headingBase + static_cast<int>(k) - 1), this);
      headBox->setAlignment(Qt::AlignCenter);
      headBox->setStyleSheet("font-size: 12pt; font-weight: 600; background: #eef2f7;");
      grid->addWidget(headBox, row + 1, static_cast<int>(k));
      grid->addWidget(MakeValueBox(values[k], QString("txtReport(%1)").arg(valueBase + static_cast<int>(k) - 1), this),
                      row + 2, static_cast<int>(k));
    }
    grid->addWidget(MakeLabel("Forecast Time Periods", "paragraph", this), row + 1, 0);
    auto* caption = MakeLabel(QString::fromStdString(report.periodCaption), "subtitle", this);
    caption->setObjectName(QString("lblForcstPd(%1)").arg(captionIndex));
    grid->addWidget(caption, row + 2, 0);
  }
};

}  // namespace

Page* CreateCategoryChangePage(AppServices& app) { return new CategoryChangePage(app); }

}  // namespace forecast::pages
