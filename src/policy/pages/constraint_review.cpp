#include "policy/constraint_selection.h"
#include "policy/pages/constraint_dialogs.h"

#include <memory>

namespace forecast::pages {

namespace {

using policy::DialogWalk;
using policy::PageResult;

// One review: the summary of each year in turn. The open summary holds the
// review alive through its callback.
class ConstraintReview : public std::enable_shared_from_this<ConstraintReview> {
 public:
  ConstraintReview(AppServices& app, std::function<void(PageResult)> leftEarly)
      : app_(app), years_(policy::YearsWithConstraints(app.session)), walk_(static_cast<int>(years_.size())),
        leftEarly_(std::move(leftEarly)) {}

  void Start() { Go(walk_.Start()); }

 private:
  void Go(DialogWalk::Step step) {
    switch (step) {
      case DialogWalk::Step::Show:
        ShowConstraintSummary(app_, years_[static_cast<size_t>(walk_.Current())],
                              [self = shared_from_this()](PageResult result) { self->Go(self->walk_.After(result)); });
        return;
      case DialogWalk::Step::Finished:
        app_.navigator.ShowPage("P7_3");
        return;
      case DialogWalk::Step::BackedOut:
        LeaveEarly(PageResult::Back);
        return;
      case DialogWalk::Step::Exited:
        LeaveEarly(PageResult::Exit);
        return;
    }
  }

  void LeaveEarly(PageResult result) {
    app_.session.constraintPageResult = static_cast<std::int16_t>(result);
    if (leftEarly_) leftEarly_(result);
  }

  AppServices& app_;
  std::vector<int> years_;
  DialogWalk walk_;
  std::function<void(PageResult)> leftEarly_;
};

}  // namespace

void ReviewConstraints(AppServices& app, std::function<void(PageResult)> leftEarly) {
  std::make_shared<ConstraintReview>(app, std::move(leftEarly))->Start();
}

}  // namespace forecast::pages
