#include "core/end_pages.h"
#include "impedance/control_values.h"
#include "impedance/impedance_chain.h"
#include "impedance/impedance_files.h"
#include "impedance/impedance_report.h"
#include "impedance/pages/chain_registrations.h"
#include "impedance/pages/impedance_report_view.h"
#include "impedance/pages/page_helpers.h"
#include "impedance/year_choice.h"

#include <QLabel>
#include <QVBoxLayout>

namespace forecast::pages {

namespace {

// The values the converter found; showing it files the converted file for the run.
class CheckReportPage : public Page {
 public:
  explicit CheckReportPage(AppServices& app) : Page(app, "P7_24") {
    SetPageHeading(this, kImpedanceHeading);
    Content()->addStretch(1);
    AddTitle("Impedance Report");
    AddParagraph(WithValue("This report is generated from your ", CurrentFileCaption(session()), " file:"))
        ->setProperty("control", "lblYear");
    const auto report =
        impedance::CheckReport(impedance::StoredControlValues(session()), session().impdCheckValues);
    Content()->addWidget(new ImpedanceReportView(report, this), 0, Qt::AlignHCenter);
    Content()->addStretch(2);
    UseButtons(true, true);
    BackButton()->setEnabled(!session().impedanceDiscrepancy);
    AddReportPrintButton(this);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] {
      this->app().navigator.ShowPage(session().impedanceDiscrepancy ? "P7_25" : "P7_26");
    });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_23"); });

    if (!impedance::FileConvertedImpedance(session())) app.messages.Show(impedance::kFilingFailedMessage, kVoranTitle);
  }
};

class MismatchPage : public Page {
 public:
  explicit MismatchPage(AppServices& app) : Page(app, "P7_25") {
    SetPageHeading(this, kImpedanceHeading);
    Content()->addStretch(1);
    AddTitle("ERROR!");
    AddParagraph(WithValue("The data found in your ", CurrentFileCaption(session()),
                           " file does not match your Forecast Year ZANT input data. See agency transportation "
                           "staff."))
        ->setProperty("control", "lblYear");
    Content()->addStretch(2);
    UseButtons(true, false);
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_19"); });
  }
};

// The file matches; Continue goes to the next file or ends the chain.
class MatchPage : public Page {
 public:
  explicit MatchPage(AppServices& app) : Page(app, "P7_26") {
    SetPageHeading(this, kImpedanceHeading);
    const QString file = CurrentFileCaption(session());
    Content()->addStretch(1);
    AddTitle("Congratulations!");
    AddParagraph(WithValue("The data in your ", file, " file matches your Forecast Year-ZANT impedance inputs."))
        ->setProperty("control", "lblYear0");
    AddParagraph(WithValue("Your ", file, " file has been converted and exported for use by VORAN."))
        ->setProperty("control", "lblYear1");
    Content()->addStretch(2);
    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] {
      switch (impedance::AdvanceImpedanceChain(session())) {
        case impedance::ChainStep::NextFile:
          this->app().navigator.ShowPage("P7_19");
          break;
        case impedance::ChainStep::Finished:
          this->app().navigator.ShowPage("P7_5");
          break;
        case impedance::ChainStep::RestoreFailed:
          this->app().messages.Show(impedance::kRestoreFailedMessage, kVoranTitle);
          break;
      }
    });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_24"); });
  }
};

// Not reached from the chain itself; kept for a resume at its name.
class StaffAdvicePage : public Page {
 public:
  explicit StaffAdvicePage(AppServices& app) : Page(app, "P7_27") {
    SetPageHeading(this, kImpedanceHeading);
    Content()->addStretch(1);
    AddTitle("Impedance File Check");
    AddParagraph(
        "If after checking this information you are unable to correct your errors, please use your printed "
        "Impedance Reports to discuss this problem with the transportation staff. ");
    Content()->addStretch(2);
    UseButtons(true, false);
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_24"); });
  }
};

}  // namespace

void RegisterCheckResultPages(PageFactories& factories) {
  factories.Add("P7_24", [](AppServices& app) { return new CheckReportPage(app); });
  factories.Add("P7_25", [](AppServices& app) { return new MismatchPage(app); });
  factories.Add("P7_26", [](AppServices& app) { return new MatchPage(app); });
  factories.Add("P7_27", [](AppServices& app) { return new StaffAdvicePage(app); });
}

}  // namespace forecast::pages
