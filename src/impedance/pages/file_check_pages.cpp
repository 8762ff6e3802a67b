#include "core/end_pages.h"
#include "impedance/file_pickup.h"
#include "impedance/impedance_conversion.h"
#include "impedance/impedance_files.h"
#include "impedance/pages/chain_registrations.h"
#include "impedance/pages/page_helpers.h"
#include "impedance/year_choice.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

namespace forecast::pages {

namespace {

// GO looks for the user's file of the current year.
class FileLookPage : public Page {
 public:
  explicit FileLookPage(AppServices& app) : Page(app, "P7_21") {
    SetPageHeading(this, kImpedanceHeading);
    Content()->addStretch(1);
    AddTitle("Impedance File Check");
    AddParagraph(WithValue("Press GO if you are ready to have FY-ZANT look for your ", CurrentFileCaption(session()),
                           " file: "))
        ->setProperty("control", "lblYear");
    Content()->addStretch(2);
    UseButtons(false, false, true);
    connect(GoButton(), &QPushButton::clicked, this, [this] { Go(); });
  }

 private:
  void Go() {
    const auto outcome = impedance::PickUpImpedanceFile(session());
    switch (outcome.kind) {
      case impedance::PickUpOutcome::Kind::Found:
        app().navigator.ShowPage("P7_23");
        break;
      case impedance::PickUpOutcome::Kind::Troubleshoot:
        app().messages.Show(outcome.message, impedance::kTroubleshootTitle);
        app().navigator.ShowPage("P7_22_1");
        break;
      case impedance::PickUpOutcome::Kind::NotFound:
        app().messages.Show(outcome.message, impedance::kTroubleshootTitle);
        break;
    }
  }
};

// Not reached from the chain itself; kept for a resume at its name.
class FileNotFoundPage : public Page {
 public:
  explicit FileNotFoundPage(AppServices& app) : Page(app, "P7_22") {
    SetPageHeading(this, kImpedanceHeading);
    Content()->addStretch(1);
    AddTitle("ERROR!");
    AddParagraph(WithValue("I'm Sorry, but Forecast Year ZANT is unable to locate your ",
                           QString::number(impedance::CurrentImpedanceYear(session())), " file."))
        ->setProperty("control", "lblYear");
    auto* troubleshoot = new QPushButton("TROUBLESHOOT", this);
    troubleshoot->setObjectName("cmdTroubleshoot");
    troubleshoot->setMinimumSize(200, 44);
    Content()->addWidget(troubleshoot, 0, Qt::AlignHCenter);
    Content()->addStretch(2);
    UseButtons(false, true);
    connect(troubleshoot, &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_22_1"); });
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_21"); });
  }
};

class TroubleshootingPage : public Page {
 public:
  explicit TroubleshootingPage(AppServices& app) : Page(app, "P7_22_1") {
    SetPageHeading(this, "HELP");
    const QString file = CurrentFileCaption(session());
    Content()->addStretch(1);
    AddTitle("Impedance File Troubleshooting");
    AddParagraph(WithValue("1. Is your ", file, " in text (.TXT) or ASCII (.ASC) format?"))->setProperty("control", "lblYear0");
    AddParagraph(WithValue("2. Is your ", file, " file located in the VORAN DATA subdirectory?"))
        ->setProperty("control", "lblYear1");
    AddParagraph(WithValue("3. Have you spelled ", file, " correctly?"))->setProperty("control", "lblYear2");
    Content()->addSpacing(16);
    AddParagraph(" Please minimize this screen to check your IMPD file.");
    AddParagraph(" When you return, select Continue to retry your Impedance File Check.");
    Content()->addStretch(2);
    UseButtons(false, true);
    ContinueButton()->setText("OK");
    ContinueButton()->setObjectName("cmdOK");
    AddHelpPrintButton(this);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_21"); });
  }
};

// GO converts the file and checks it against the values entered.
class ConversionPage : public Page {
 public:
  explicit ConversionPage(AppServices& app) : Page(app, "P7_23") {
    SetPageHeading(this, kImpedanceHeading);
    Content()->addStretch(1);
    AddTitle("Impedance File Check");
    AddParagraph(WithValue("Your IMPD file ", CurrentFileCaption(session()), " has been found."))->setProperty("control", "lblYear");
    AddParagraph("Press GO to view your Forecast Year ZANT Impedance Report.");
    Content()->addStretch(2);
    UseButtons(true, false, true);
    connect(GoButton(), &QPushButton::clicked, this, [this] { Go(); });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_21"); });
  }

 private:
  void Go() {
    // While the converter runs the window is served, so no button may start anything else.
    SetButtonsEnabled(false);
    QPointer<ConversionPage> self(this);
    impedance::StatisticsWait wait;
    wait.serveEvents = [] { QCoreApplication::processEvents(); };
    wait.pageStillOpen = [self] { return !self.isNull(); };
    AppServices& services = app();
    const auto outcome = impedance::ConvertAndCheck(services.session, services.processes, wait);
    if (self.isNull()) return;
    SetButtonsEnabled(true);
    if (outcome.kind == impedance::ConversionOutcome::Kind::Failed) {
      services.messages.Show(outcome.message, outcome.title);
      return;
    }
    if (outcome.discrepancy) services.messages.Show(outcome.message, outcome.title);
    services.navigator.ShowPage("P7_24");
  }

  void SetButtonsEnabled(bool enabled) {
    for (QPushButton* button : {GoButton(), BackButton(), ExitButton()}) button->setEnabled(enabled);
  }
};

}  // namespace

void RegisterFileCheckPages(PageFactories& factories) {
  factories.Add("P7_21", [](AppServices& app) { return new FileLookPage(app); });
  factories.Add("P7_22", [](AppServices& app) { return new FileNotFoundPage(app); });
  factories.Add("P7_22_1", [](AppServices& app) { return new TroubleshootingPage(app); });
  factories.Add("P7_23", [](AppServices& app) { return new ConversionPage(app); });
}

}  // namespace forecast::pages
