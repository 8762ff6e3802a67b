#include "core/pages/explanation_dialog.h"
#include "impedance/pages/page_helpers.h"
#include "policy/projections/pages/policy_input_pages.h"
#include "policy/projections/pages/projections_page.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace forecast::pages {

namespace {

ExplanationDialog* Help(QWidget* over, const char* form, const char* title, const char* text) {
  auto* dialog = new ExplanationDialog(over, form, title);
  dialog->AddParagraph(text);
  return dialog;
}

void OpenBaselineHelp(QWidget* over) {
  Help(over, "P7_2_1a", "Baseline Forecasting",
       "Baseline Forecasting is the spatial allocation of employment and households to zones based on an observed "
       "level of activity and calibrated attractiveness variables obtained from your current year data inputs.  ")
      ->OpenOverPage();
}

void OpenPolicyHelp(QWidget* over) {
  Help(over, "P7_2_1b", "Policy Forecasting ",
       "A policy Forecast is quite similar to a Baseline Forecast. You can implement a Policy Forecast  by (a) "
       "imposing zonal and employment location constraints and (b) changing zone-to-zone impedance values. Both cases "
       "reflect regional or zonal policies that can alter the pattern of employment and household location.")
      ->OpenOverPage();
}

void OpenForecastingHelp(QWidget* over) {
  auto* dialog = Help(over, "P7_2_1", "Employment and Household Forecasting",
                      "Model forecasting is the spatial allocation of employment and households to regional zones.  "
                      "Spatial location is based on the set of attractiveness variables calibrated in BRAK.  There are "
                      "two distinct QEST forecasting sections: ");
  dialog->AddLink("Baseline Forecasting", [dialog] { OpenBaselineHelp(dialog); })->setProperty("control", "lblBaseline");
  dialog->AddLink("Policy Forecasting", [dialog] { OpenPolicyHelp(dialog); })->setProperty("control", "lblPolicies");
  dialog->OpenOverPage();
}

void OpenImpedanceHelp(QWidget* over) {
  auto* dialog = Help(over, "P7_2_2", "Forecast Year Travel Impedance",
                      "Your forecasts can use the travel impedances of your current data year for every forecast "
                      "period, or impedance files that your agency's travel model has prepared for future years.");
  dialog->AddParagraph(
      "Future impedance files are optional. Where you provide one, the forecast periods from its year on use it; the "
      "other periods keep the impedances you already have.");
  dialog->OpenOverPage();
}

class ForecastingIntroductionPage : public Page {
 public:
  explicit ForecastingIntroductionPage(AppServices& app) : Page(app, "p7_2") {
    Content()->addStretch(1);
    AddParagraph(
        "In this unit we will begin forecasting the future spatial distribution of employment and households for "
        "your region.");
    AddParagraph("The main components in this unit include:");
    AddLink("Forecast Year Travel Impedance", [this] { OpenImpedanceHelp(this); })->setProperty("control", "lblZANT2");
    AddParagraph("File Check");
    AddLink("Employment and Household Forecasting", [this] { OpenForecastingHelp(this); })->setProperty("control", "lblFcst");
    AddParagraph("Analysis of Forecast Spatial Patterns");
    Content()->addStretch(2);
    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_2a"); });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_1"); });
  }
};

class CurrentRunPage : public Page {
 public:
  explicit CurrentRunPage(AppServices& app) : Page(app, "p7_2a") {
    Content()->addStretch(1);
    AddTitle(WithValue("Forecasting: ", QString::fromStdString(session().CurrentRunCode())))->setProperty("control", "lblPolicy");
    AddParagraph("With your region's data in place, VORAN will begin forecasting future employee and household location.");
    AddParagraph("VORAN uses BL as an abbreviation for your Baseline Forecast.");
    Content()->addStretch(2);
    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowForm("p7_26_1"); });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_2"); });
  }
};

class ChangeProjectionsQuestionPage : public Page {
 public:
  explicit ChangeProjectionsQuestionPage(AppServices& app) : Page(app, "p7_26_1") {
    Content()->addStretch(1);
    AddTitle("Regional Employment and Population Projections");
    AddParagraph(
        "In WEFO you provided VORAN with a table of regional employment and population projections. QEST provides "
        "your agency with an opportunity to change the regional projections for future time periods.");
    AddParagraph("Do you wish to change your regional employment and population projections for any future time "
                 "period(s)?  ");
    choice_ = AddYesNoChoice(this, Content(), false);
    Content()->addStretch(2);
    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] {
      if (choice_.yes->isChecked()) {
        this->app().navigator.ShowForm("P7_8_4");
      } else {
        session().previousPageName = "P7_26_1";
        this->app().navigator.ShowPage("P7_13");
      }
    });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_2a"); });
  }

 private:
  YesNoChoice choice_;
};

}  // namespace

void RegisterPolicyInputPages(PageFactories& factories) {
  factories.Add("p7_2", [](AppServices& app) { return new ForecastingIntroductionPage(app); });
  factories.Add("p7_2a", [](AppServices& app) { return new CurrentRunPage(app); });
  factories.Add("p7_26_1", [](AppServices& app) { return new ChangeProjectionsQuestionPage(app); });
  factories.Add("P7_8_4", [](AppServices& app) { return NewProjectionsPage(app); });
}

}  // namespace forecast::pages
