#include "impedance/pages/chain_registrations.h"
#include "impedance/pages/impedance_explanations.h"
#include "impedance/pages/page_helpers.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <tuple>

namespace forecast::pages {

namespace {

class PreparationPage : public Page {
 public:
  explicit PreparationPage(AppServices& app) : Page(app, "P7_17") {
    SetPageHeading(this, kImpedanceHeading);
    Content()->addStretch(1);
    AddTitle("Future Zone-to-Zone Travel Time and/or Costs");
    AddParagraph(
        "Preparation of future zone-to-zone travel times, costs or composite impedances are done with the same steps "
        "provided by VORAN in an earlier ZANT section. ");
    AddLink("impedances", [this] { OpenImpedanceExplanation(this, "P7_17_1"); })->setProperty("control", "lblImped");
    AddParagraph("The link below will provide you with these steps for inputting future year impedances.");
    AddLink("Steps for Preparation of Zone-to-Zone Travel Impedances", [this] {
      OpenImpedanceExplanation(this, "P7_17_2");
    })->setProperty("control", "lblSteps");
    Content()->addStretch(2);
    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_30"); });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_16"); });
  }
};

class InputValuesPage : public Page {
 public:
  explicit InputValuesPage(AppServices& app) : Page(app, "P7_30") {
    SetPageHeading(this, kImpedanceHeading);
    Content()->addStretch(1);
    AddTitle("Impedance Input Values");
    AddParagraph(
        "Prepare the following impedance data inputs for use, by VORAN, in checking your impedance inputs and "
        "success of the conversion process.");
    const std::array<std::tuple<const char*, const char*, const char*>, 5> links = {
        std::tuple{"lblAvg", "Average Zonal Impedance", "P7_30_1a"},
        std::tuple{"lblSm", "Smallest Zone-to-Zone Impedance Value", "P7_30_1b"},
        std::tuple{"lblLarge", "Largest Zone-to-Zone Impedance Value", "P7_30_1c"},
        std::tuple{"lblTop", "Top 4x4 of Impedance Values", "P7_30_1d"},
        std::tuple{"lblBottom", "Bottom 4x4 of Impedance Values", "P7_30_1e"}};
    for (const auto& [name, text, form] : links) {
      const std::string explanation = form;
      AddLink(text, [this, explanation] { OpenImpedanceExplanation(this, explanation); })->setProperty("control", name);
    }
    Content()->addStretch(2);
    UseButtons(true, true);
    AddHelpPrintButton(this);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_18_1"); });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_17"); });
  }
};

class DataReadyPage : public Page {
 public:
  explicit DataReadyPage(AppServices& app) : Page(app, "p7_18_1") {
    SetPageHeading(this, kImpedanceHeading);
    Content()->addStretch(1);
    AddTitle("Travel Impedance Data");
    AddParagraph("Is your FY-ZANT Impedance data ready for input into VORAN?");
    AddParagraph("If it is prepared, select \"Yes\" and continue. ");
    AddParagraph(
        "If it is not prepared, select \"No\" and click \"Continue\" to view \"Steps for Preparation of Zone-to-Zone "
        "Travel Impedances\" and Exit QEST. When you re-enter QEST, you will return to this screen.");
    choice_ = AddYesNoChoice(this, Content(), session().impedanceDataReady);
    Content()->addStretch(2);
    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] {
      session().impedanceDataReady = choice_.yes->isChecked();
      if (session().impedanceDataReady) {
        this->app().navigator.ShowPage("P7_19");
      } else {
        OpenImpedanceExplanation(this, "P7_17_2");
      }
    });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_17"); });
  }

 private:
  YesNoChoice choice_;
};

}  // namespace

void RegisterPreparationPages(PageFactories& factories) {
  factories.Add("P7_17", [](AppServices& app) { return new PreparationPage(app); });
  factories.Add("P7_30", [](AppServices& app) { return new InputValuesPage(app); });
  factories.Add("p7_18_1", [](AppServices& app) { return new DataReadyPage(app); });
}

}  // namespace forecast::pages
