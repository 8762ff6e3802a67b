#include "policy/pages/constraint_help_pages.h"

#include "policy/pages/constraint_dialog.h"
#include "printing/page_printer.h"

#include <QVBoxLayout>

#include <vector>

namespace forecast::pages {

namespace {

struct HelpLink {
  const char* text;
  const char* form;
};

struct HelpContent {
  const char* form;
  const char* heading;
  std::vector<const char*> paragraphs;
  std::vector<HelpLink> links;
  const char* okShows;
  bool printable;
};

const std::vector<HelpContent>& HelpPages() {
  static const std::vector<HelpContent> kPages = {
      {"P7_5a",
       "Constraints",
       {"VORAN is capable of imposing four types of constraint on your model forecasts.  Constraints are used to "
        "control the number of employees and/or households that will locate in a specific zone(s).     "},
       {{"Type I: Set Employees and/or Households by Type and Zone", "P7_5a_1"},
        {"Type II: Set Total Employees and/or Households by Type and Zone", "P7_5a_2"},
        {"Type III: Maximum Employees and/or Households Set by Type and Zone", "P7_5a_3"},
        {"Type IV: Minimum Employees and/or Households Set by Type and Zone", "P7_5a_4"}},
       "P7_5",
       false},
      {"P7_5a_1",
       "Set Employees and/or Households by Type and Zone",
       {"A Type I constraint fixes the number of employees or households of one category in one zone for a forecast "
        "year. The model places exactly that number there and shares the rest of the region's growth among the other "
        "zones.",
        "Each row names the zone, the category (type) and the number."},
       {},
       "P7_5a",
       true},
      {"P7_5a_2",
       "Set Total Employees and/or Households by Type and Zone",
       {"A Type II constraint fixes the total number of employees or households of all categories in one zone. When "
        "one category of the zone also has a Type I constraint, the other categories are scaled so that the total is "
        "met.",
        "Each row names the zone and the total; there is no category."},
       {},
       "P7_5a",
       true},
      {"P7_5a_3",
       "Maximum Employees and/or Households Set by Type and Zone",
       {"A Type III constraint is a ceiling. It acts only when the forecast of the category in the zone would be "
        "higher than the number given; the excess goes to the other zones.",
        "Each row names the zone, the category (type) and the largest number allowed."},
       {},
       "P7_5a",
       true},
      {"P7_5a_4",
       "Minimum Employees and/or Households Set by Type and Zone",
       {"A Type IV constraint is a floor. It acts only when the forecast of the category in the zone would be lower "
        "than the number given; the zone then receives at least that number.",
        "Each row names the zone, the category (type) and the smallest number allowed."},
       {},
       "P7_5a",
       true},
      {"P7_5_1A",
       "An Example of Constraining Employees and/or Households by Type and Zone",
       {"A plant with 450 basic jobs opens in zone 3 in 2010. Answer Yes, check Employment Constraint for Year 2010 "
        "and enter one row: zone 3, type 1 (basic employment), value 450.",
        "The 2010 forecast then holds exactly 450 basic employees in zone 3."},
       {},
       "P7_5_1",
       true},
      {"P7_5_2A",
       "An Example of Constraining Total Employees and/or Households by Type and Zone",
       {"The plan for zone 9 allows 2,500 households in all by 2005. Answer Yes, check Household Constraint for Year "
        "2005 and enter one row: zone 9, value 2500. The grid shows no type column, since the total covers every "
        "household category."},
       {},
       "P7_5_2",
       true},
      {"P7_5_3A",
       "An Example of Setting Maximum Employees and/or Households by Type and Zone",
       {"Zoning limits retail in zone 5 to 800 employees. Answer Yes, check Employment Constraint for each year in "
        "which the limit holds and enter zone 5, type 2 (retail), value 800.",
        "For the later years the copy button brings the rows of the previous period forward."},
       {},
       "P7_5_3",
       true},
      {"P7_5_4A",
       "An Example of Setting Minimum Employees and/or Households by Type and Zone",
       {"A new residence hall keeps at least 40 student households in zone 2 from 2015. Answer Yes, check Household "
        "Constraint for Year 2015 and enter zone 2, type 6 (student households), value 40.",
        "If the model forecasts more than 40, the forecast stands; if fewer, zone 2 receives 40."},
       {},
       "P7_5_4",
       true},
      {"P7_5b",
       "Forecasting with Attractiveness Adjustments",
       {"This section is currently under construction."},
       {},
       "P7_5",
       false},
  };
  return kPages;
}

const HelpContent* FindHelp(const std::string& form) {
  for (const HelpContent& page : HelpPages()) {
    if (QString(page.form).compare(QString::fromStdString(form), Qt::CaseInsensitive) == 0) return &page;
  }
  return nullptr;
}

class ConstraintHelpPage : public Page {
 public:
  ConstraintHelpPage(AppServices& app, const HelpContent& content) : Page(app, content.form), okShows_(content.okShows) {
    SetPageLabel(this, "HELP");
    Content()->addStretch(1);
    AddTitle(content.heading);
    for (const char* paragraph : content.paragraphs) AddParagraph(paragraph);
    for (const HelpLink& link : content.links) {
      const std::string form = link.form;
      AddLink(link.text, [this, form] { OpenConstraintHelp(this->app(), form); });
    }
    Content()->addStretch(2);
    // OK in place of Continue; there is no Exit.
    UseButtons(false, true);
    ExitButton()->hide();
    ContinueButton()->setText("OK");
    ContinueButton()->setObjectName("cmdOK");
    if (content.printable) {
      connect(AddPrintButton(), &QPushButton::clicked, this, [this] { printing::ActivePagePrinter().PrintHelpPage(this); });
    }
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { Ok(); });
  }

 private:
  void Ok() {
    // Opened over another page: that page is still there underneath.
    if (isWindow()) {
      close();
      return;
    }
    app().navigator.ShowForm(okShows_);
  }

  std::string okShows_;
};

}  // namespace

void OpenConstraintHelp(AppServices& app, const std::string& formName) {
  if (const HelpContent* content = FindHelp(formName)) ShowAsModalWindow(new ConstraintHelpPage(app, *content));
}

void RegisterConstraintHelpPages(PageFactories& factories) {
  for (const HelpContent& content : HelpPages()) {
    factories.Add(content.form, [&content](AppServices& app) { return new ConstraintHelpPage(app, content); });
  }
}

}  // namespace forecast::pages
