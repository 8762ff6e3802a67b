#include "results/pages/report_parts.h"
#include "results/pages/results_pages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace forecast::pages {

namespace {

// P7_30_3, page 3 of 3: population per household and per employee, with warnings.
class RatiosPage : public Page {
 public:
  explicit RatiosPage(AppServices& app) : Page(app, "P7_30_3") {
    const results::RatiosPage report = results::ComputeRatiosPage(session());
    AddTitle(kReportTitle);
    Content()->addWidget(MakePeriodCaption(report.periodCaption, "lblForcstPd", this));
    AddParagraph("REGIONAL RATIOS")->setObjectName("subtitle");
    AddParagraph(
        "The following two ratios, calculated from QEST variables, are indicators of your region's socioeconomic "
        "structure.");

    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(36);
    auto* computation = MakeLabel("Computation \nfrom QEST", "caption", this);
    auto* range = MakeLabel("Expected Value \nRange", "caption", this);
    computation->setAlignment(Qt::AlignCenter);
    range->setAlignment(Qt::AlignCenter);
    grid->addWidget(computation, 0, 1);
    grid->addWidget(range, 0, 2);
    for (size_t i = 0; i < 2; ++i) {
      auto* label = MakeLabel(QString::fromStdString(results::RatioRowLabels()[i]), "paragraph", this);
      label->setObjectName(QString("Label3(%1)").arg(i));
      grid->addWidget(label, static_cast<int>(i) + 1, 0);
      grid->addWidget(MakeValueBox(report.ratios[i], QString("txtReport(%1)").arg(i), this), static_cast<int>(i) + 1, 1);
      auto* expected = MakeLabel("1.00 - 3.00", "paragraph", this);
      expected->setAlignment(Qt::AlignCenter);
      grid->addWidget(expected, static_cast<int>(i) + 1, 2);
    }
    grid->setColumnStretch(0, 1);
    // Two rows of three columns: kept together in a centred block so the eye can follow each row.
    auto* block = new QWidget(this);
    block->setMaximumWidth(look::kReadableWidth);
    auto* blockLayout = new QVBoxLayout(block);
    blockLayout->setContentsMargins(0, 0, 0, 0);
    blockLayout->addWidget(frame);
    MakeCommentList(report.comments, " Comments for Computations Appearing in Red Type", "List1", this, blockLayout);
    auto* blockRow = new QHBoxLayout;
    blockRow->addStretch(1);
    blockRow->addWidget(block, 100);
    blockRow->addStretch(1);
    Content()->addLayout(blockRow);
    Content()->addStretch(1);
    auto* pageOf = MakeLabel("Page 3 of 3", "pageOf", this);
    pageOf->setAlignment(Qt::AlignRight);
    Content()->addWidget(pageOf);

    UseButtons(true, true);
    ConnectReportPrint(this);
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_30_2"); });
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_30_4"); });
  }
};

}  // namespace

Page* CreateRatiosPage(AppServices& app) { return new RatiosPage(app); }

}  // namespace forecast::pages
