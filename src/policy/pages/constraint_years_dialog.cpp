#include "policy/constraint_calendar.h"
#include "policy/pages/constraint_dialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

#include <memory>
#include <vector>

namespace forecast::pages {

namespace {

using policy::DialogWalk;
using policy::PageResult;

class ConstraintYearsDialog : public ConstraintDialog {
 public:
  ConstraintYearsDialog(AppServices& app, int type) : ConstraintDialog(app, "P7_5_BC", "P7.5.BC"), type_(type) {
    AddTitle("Select Constraints for Constraint Type " + QString::fromUtf8(policy::RomanNumeral(type).data()))
        ->setObjectName("lblConstraintTypeDesc");
    auto* hiddenType = new QLabel(QString::number(type), this);
    hiddenType->setObjectName("lblConstraintType");
    hiddenType->hide();

    const policy::ConstraintCalendar calendar = policy::CalendarOf(app.session.regionSettings);
    auto* rows = new QGridLayout();
    rows->setHorizontalSpacing(48);
    rows->setVerticalSpacing(16);
    for (int i = 0; i < calendar.periodCount; ++i) {
      auto* year = new QLabel("Year " + QString::number(calendar.YearOfPeriod(i + 1)), this);
      year->setObjectName("lblYear");
      auto* employment = new QCheckBox("Employment Constraint", this);
      employment->setObjectName("chkEmployment");
      auto* household = new QCheckBox("Household Constraint", this);
      household->setObjectName("chkHousehold");
      rows->addWidget(year, i, 0);
      rows->addWidget(employment, i, 1);
      rows->addWidget(household, i, 2);
      boxes_.push_back({employment, household});
    }
    Content()->addLayout(rows);
    Content()->addStretch(1);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { Continue(); });
  }

 private:
  struct RowBoxes {
    QCheckBox* employment;
    QCheckBox* household;
  };

  void Continue() {
    std::vector<policy::PeriodChoice> choices;
    for (const RowBoxes& row : boxes_) choices.push_back({row.employment->isChecked(), row.household->isChecked()});
    entries_ = policy::ApplyYearChoices(session(), type_, choices);
    if (entries_.empty()) {
      app().messages.Show("You have previously selected to use the constraint. Please make the choices or go back.", "");
      return;
    }
    walk_ = std::make_unique<DialogWalk>(static_cast<int>(entries_.size()));
    Go(walk_->Start());
  }

  void Go(DialogWalk::Step step) {
    switch (step) {
      case DialogWalk::Step::Show:
        EditConstraints(app(), entries_[static_cast<size_t>(walk_->Current())],
                        [this](PageResult result) {
                          // A grid closed after this choice has gone (the program closing) decides nothing.
                          if (isVisible()) Go(walk_->After(result));
                        });
        return;
      case DialogWalk::Step::Finished:
        Finish(PageResult::Continue);
        return;
      case DialogWalk::Step::BackedOut:
        // The year choice stays open, with its boxes as they were.
        session().constraintPageResult = static_cast<std::int16_t>(PageResult::Back);
        return;
      case DialogWalk::Step::Exited:
        Finish(PageResult::Exit);
        return;
    }
  }

  int type_;
  std::vector<RowBoxes> boxes_;
  std::vector<policy::ConstraintEntry> entries_;
  std::unique_ptr<DialogWalk> walk_;
};

}  // namespace

void ShowConstraintYears(AppServices& app, int type, ConstraintDialog::Done done) {
  (new ConstraintYearsDialog(app, type))->Open(std::move(done));
}

}  // namespace forecast::pages
