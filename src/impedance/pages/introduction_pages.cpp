#include "impedance/impedance_chain.h"
#include "impedance/pages/chain_registrations.h"
#include "impedance/pages/impedance_explanations.h"
#include "impedance/pages/page_helpers.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace forecast::pages {

namespace {

// Whether new impedance files are wanted at all.
class NewImpedanceQuestionPage : public Page {
 public:
  explicit NewImpedanceQuestionPage(AppServices& app) : Page(app, "p7_13") {
    Content()->addStretch(1);
    AddTitle("Travel Impedance ");
    auto* year = AddParagraph(WithValue(
        "In ZANT you provided VORAN with an impedance file for year ",
        QString::fromStdString(session().regionSettings.currentDataYear),
        ". QEST provides your agency with an opportunity to add impedance files that will reflect your region’s "
        "zone-to-zone interactions for future time periods."));
    year->setProperty("control", "lblYear");
    AddLink("impedance files", [this] { OpenImpedanceExplanation(this, "P7_13a"); })->setProperty("control", "lblPolicies");
    AddParagraph("Do you wish to add a travel impedance file(s) for any future time period(s)?  ");
    choice_ = AddYesNoChoice(this, Content(), false);
    Content()->addStretch(2);
    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] {
      if (choice_.yes->isChecked()) {
        this->app().navigator.ShowPage("P7_14");
      } else {
        session().previousPageName = "P7_13";
        this->app().navigator.ShowPage("P7_5");
      }
    });
    connect(BackButton(), &QPushButton::clicked, this, [this] {
      this->app().navigator.ShowForm(session().previousPageName == "P7_8_4" ? "P7_8_4" : "p7_26_1");
    });
  }

 private:
  YesNoChoice choice_;
};

// The welcome of the impedance preparation; its Continue enters the chain.
class ImpedanceWelcomePage : public Page {
 public:
  explicit ImpedanceWelcomePage(AppServices& app) : Page(app, "p7_14") {
    SetPageHeading(this, kImpedanceHeading);
    Content()->addStretch(1);
    AddTitle("VORAN");
    AddParagraph("Welcome to the ")->setObjectName("subtitle");
    AddTitle("Forecast Year Travel Impedance Preparation Unit");
    AddParagraph("(FY-ZANT)")->setObjectName("subtitle");
    Content()->addStretch(2);
    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] {
      impedance::StartImpedanceChain(session());
      this->app().navigator.ShowPage("P7_14a");
    });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_13"); });
  }
};

class ConsistencyPage : public Page {
 public:
  explicit ConsistencyPage(AppServices& app) : Page(app, "P7_14a") {
    SetPageHeading(this, kImpedanceHeading);
    Content()->addStretch(1);
    AddTitle("Consistency of Base Year and Forecast Year Impedances");
    AddParagraph(
        "In order to correctly model the effects of changes in transportation infrastructure on employment and "
        "household location the means by which both base and forecast year impedances were prepared must be "
        "consistent.");
    AddParagraph(
        "If your agencies travel models have been revised since you obtained your baseline impedances, you must "
        "discuss with your agency transportation staff if your model should be recalibrated.");
    Content()->addStretch(2);
    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_15"); });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_14"); });
  }
};

}  // namespace

void RegisterIntroductionPages(PageFactories& factories) {
  factories.Add("p7_13", [](AppServices& app) { return new NewImpedanceQuestionPage(app); });
  factories.Add("p7_14", [](AppServices& app) { return new ImpedanceWelcomePage(app); });
  factories.Add("P7_14a", [](AppServices& app) { return new ConsistencyPage(app); });
}

}  // namespace forecast::pages
