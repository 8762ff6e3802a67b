#include "core/pages/end_pages.h"

#include "core/end_pages.h"

#include <QLabel>
#include <QVBoxLayout>

namespace forecast::pages {

namespace {

class WelcomePage : public Page {
 public:
  explicit WelcomePage(AppServices& app) : Page(app, "p7_1") {
    Content()->addStretch(1);
    AddTitle("VORAN");
    AddParagraph("Welcome to the ")->setObjectName("subtitle");
    AddTitle("MODEL FORECASTING UNIT (QEST)");
    Content()->addStretch(2);
    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { WelcomeContinue(this->app()); });
    connect(BackButton(), &QPushButton::clicked, this, [this] { WelcomeBack(this->app()); });
  }
};

class ExitPage : public Page {
 public:
  explicit ExitPage(AppServices& app) : Page(app, "P7_e") {
    Content()->addStretch(1);
    AddTitle(" EXIT ");
    AddParagraph("from the")->setObjectName("subtitle");
    AddTitle("Model Forecasting Unit");
    Content()->addSpacing(24);
    AddParagraph(
        "This ends your current session. When you resume, QEST will automatically return you to the previous screen "
        "in the QEST.");
    Content()->addStretch(2);
    UseButtons(true, true);
    ContinueButton()->setText("Return");
    ContinueButton()->setObjectName("cmdReturn");
    disconnect(ExitButton(), nullptr, this, nullptr);
    connect(ExitButton(), &QPushButton::clicked, this, [this] { ExitPageExit(this->app()); });
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { ExitPageReturn(this->app()); });
    connect(BackButton(), &QPushButton::clicked, this, [this] { ExitPageBack(this->app()); });
  }
};

class EndPage : public Page {
 public:
  explicit EndPage(AppServices& app) : Page(app, "P7_50") {
    Content()->addStretch(1);
    AddParagraph("This ends your VORAN QEST session.  Please exit. ")->setObjectName("subtitle");
    Content()->addStretch(2);
    UseButtons(true, false);
    ExitButton()->setObjectName("cmdexit");
    connect(BackButton(), &QPushButton::clicked, this, [this] { EndPageBack(this->app()); });
  }
};

}  // namespace

void RegisterEndPages(PageFactories& factories) {
  factories.Add("p7_1", [](AppServices& app) { return new WelcomePage(app); });
  factories.Add("P7_e", [](AppServices& app) { return new ExitPage(app); });
  factories.Add("P7_50", [](AppServices& app) { return new EndPage(app); });
}

}  // namespace forecast::pages
