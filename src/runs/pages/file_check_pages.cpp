#include "printing/page_printer.h"
#include "runs/file_check.h"
#include "runs/pages/run_pages.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace forecast::pages {

namespace {

// P7_3: gathers the files for the forecast and runs the attractiveness modification.
class FileCheckPage : public Page {
 public:
  explicit FileCheckPage(AppServices& app) : Page(app, "P7_3") {
    Content()->addStretch(1);
    AddTitle("File Check");
    AddParagraph("In each section of VORAN several data files are generated and exported for use in forecasting.  ");
    AddParagraph("File Check gives VORAN the opportunity to organize your files for your next forecast.");
    AddParagraph("Press GO if you are ready to have QEST look for your files.  ")->setObjectName("subtitle");
    Content()->addStretch(2);
    UseButtons(true, false, true);
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_5"); });
    connect(GoButton(), &QPushButton::clicked, this, [this] { Go(); });
  }

 private:
  void Go() {
    GoButton()->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const runs::FileCheckOutcome outcome = runs::RunFileCheck(app(), [] { QApplication::processEvents(); });
    QApplication::restoreOverrideCursor();
    // After a failure GO stays disabled: only Back and Exit lead on.
    if (outcome == runs::FileCheckOutcome::Done) app().navigator.ShowPage("P7_4");
  }
};

// P7_3a: what to do when the file check fails.
class FileCheckTroubleshootingPage : public Page {
 public:
  explicit FileCheckTroubleshootingPage(AppServices& app) : Page(app, "P7_3a") {
    Content()->addStretch(1);
    AddTitle("File Check Troubleshooting");
    AddParagraph("An error can only occur if the VORAN project folder has been moved or altered.");
    AddParagraph(
        "The file check looks for the calibration results in VORAN_SYS\\CALIB, the calibration data in "
        "VORAN_SYS\\CALIB\\DATA and the travel impedances in DATA. Put the project folder back where the other units "
        "of VORAN left it, or run those units again, then return to the File Check and press GO.");
    Content()->addStretch(2);
    UseButtons(false, false);
    connect(AddPrintButton(), &QPushButton::clicked, this, [this] { printing::ActivePagePrinter().PrintHelpPage(this); });
  }
};

}  // namespace

Page* CreateFileCheckPage(AppServices& app) { return new FileCheckPage(app); }
Page* CreateFileCheckTroubleshootingPage(AppServices& app) { return new FileCheckTroubleshootingPage(app); }

}  // namespace forecast::pages
