#include "core/end_pages.h"
#include "policy/constraint_selection.h"
#include "policy/pages/constraint_dialogs.h"
#include "policy/pages/constraint_help_pages.h"
#include "policy/pages/constraint_pages.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPointer>
#include <QRadioButton>
#include <QVBoxLayout>

#include <vector>

namespace forecast::pages {

namespace {

using policy::PageResult;

enum class Preselected { None, Yes, No };

struct QuestionContent {
  const char* form;
  int type;  // 0 for P7_5, which asks whether to constrain at all
  const char* heading;
  const char* question;
  Preselected preselected;
  std::vector<const char*> links;
  const char* help;
  const char* back;
};

const std::vector<QuestionContent>& Questions() {
  static const std::vector<QuestionContent> kQuestions = {
      {"P7_5", 0, "Forecasting Constraints",
       "Using your agency's local planning knowledge, do you wish to impose employment and/or household location "
       "constraints during this model forecast? ",
       Preselected::No, {"location constraints"}, "P7_5a", "P7_13"},
      {"P7_5_1", 1, "Employees and/or Households Constrained by Type and Zone",
       "Do you wish to set an Absolute Employees and/or Households zonal constraint(s) to this model forecast?",
       Preselected::None, {"Absolute Employees", "and/or Households"}, "P7_5_1A", "P7_5"},
      {"P7_5_2", 2, "Total Employees and/or Households Constrained by Type and Zone",
       "Do you have any Total Constraints to add to this model forecast?", Preselected::Yes, {"Total Constraints"},
       "P7_5_2A", "P7_5_1"},
      {"P7_5_3", 3, "Maximum Employees and/or Households Set by Type and Zone",
       "Do you have any Maximum Category constraints to add to this model forecast?", Preselected::Yes,
       {"Maximum Category"}, "P7_5_3A", "P7_5_2"},
      {"P7_5_4", 4, "Minimum Employees and/or Households Set by Type and Zone",
       "Do you have any Minimum Category Constraints to add to this model forecast?", Preselected::Yes,
       {"Minimum Category"}, "P7_5_4A", "P7_5_3"},
  };
  return kQuestions;
}

class ConstraintQuestionPage : public Page {
 public:
  ConstraintQuestionPage(AppServices& app, const QuestionContent& content) : Page(app, content.form), content_(content) {
    setWindowTitle("VORAN");
    Content()->addStretch(1);
    AddTitle(content.heading);
    AddParagraph(content.question);
    const std::string help = content.help;
    for (const char* link : content.links) AddLink(link, [this, help] { OpenConstraintHelp(this->app(), help); });
    if (content.type == 0) {
      AddLink("Forecasting with Attractiveness Adjustments", [this] { OpenConstraintHelp(this->app(), "P7_5b"); });
    }

    auto* options = new QHBoxLayout();
    yes_ = new QRadioButton("Yes", this);
    yes_->setObjectName("optAdd0");
    no_ = new QRadioButton("No", this);
    no_->setObjectName("optAdd1");
    auto* group = new QButtonGroup(this);
    group->addButton(yes_);
    group->addButton(no_);
    yes_->setChecked(content.preselected == Preselected::Yes);
    no_->setChecked(content.preselected == Preselected::No);
    options->addStretch(1);
    options->addWidget(yes_);
    options->addSpacing(48);
    options->addWidget(no_);
    options->addStretch(1);
    Content()->addLayout(options);
    Content()->addStretch(2);

    UseButtons(true, true);
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage(content_.back); });
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { Continue(); });
  }

 private:
  void Continue() {
    if (!yes_->isChecked() && !no_->isChecked()) {
      app().messages.Show("You have not chosen an option. Please fix this.", kVoranTitle);
      return;
    }
    if (content_.type == 0) {
      if (yes_->isChecked()) {
        app().navigator.ShowPage("P7_5_1");
      } else {
        for (int type = 1; type <= policy::kConstraintTypeCount; ++type) policy::ClearConstraintType(session(), type);
        app().navigator.ShowPage("P7_3");
      }
      return;
    }
    if (no_->isChecked()) {
      policy::ClearConstraintType(session(), content_.type);
      Next();
      return;
    }
    QPointer<ConstraintQuestionPage> self(this);
    ShowConstraintYears(app(), content_.type, [self](PageResult result) {
      if (!self) return;
      switch (result) {
        case PageResult::Exit: self->DefaultExit(); return;
        case PageResult::Back: self->BackButton()->click(); return;
        case PageResult::Continue: self->Next(); return;
      }
    });
  }

  void Next() {
    if (content_.type < policy::kConstraintTypeCount) {
      // P7_5_4 has no page name of its own in the registry: ask for the form.
      app().navigator.ShowForm(Questions()[static_cast<size_t>(content_.type + 1)].form);
      return;
    }
    QPointer<ConstraintQuestionPage> self(this);
    // Back on the first summary returns here; Exit leaves as this page's Exit does.
    ReviewConstraints(app(), [self](PageResult result) {
      if (self && result == PageResult::Exit) self->DefaultExit();
    });
  }

  const QuestionContent& content_;
  QRadioButton* yes_ = nullptr;
  QRadioButton* no_ = nullptr;
};

}  // namespace

void RegisterConstraintPages(PageFactories& factories) {
  for (const QuestionContent& content : Questions()) {
    factories.Add(content.form, [&content](AppServices& app) { return new ConstraintQuestionPage(app, content); });
  }
  RegisterConstraintHelpPages(factories);
}

}  // namespace forecast::pages
