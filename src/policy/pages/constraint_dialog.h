#pragma once

#include "core/pages/page.h"
#include "policy/constraint_kinds.h"

#include <functional>

namespace forecast::pages {

// A constraint dialog page: a window of its own shown modally over the wizard
// page that opened it. Its Exit, Back and Continue report 1, 2 and 4 back to
// the opener instead of leaving the wizard.
class ConstraintDialog : public Page {
 public:
  using Done = std::function<void(policy::PageResult)>;

  ConstraintDialog(AppServices& app, const QString& formName, const QString& pageLabel);
  // Shows the dialog; `done` runs once it has closed.
  void Open(Done done);

 protected:
  // Stores the result in the session, closes the window and tells the opener.
  void Finish(policy::PageResult result);
  void closeEvent(QCloseEvent* event) override;

 private:
  Done done_;
  bool finished_ = false;
  policy::PageResult result_ = policy::PageResult::Back;
};

// Shows a page as a modal window of its own, deleted when closed.
void ShowAsModalWindow(QWidget* page);
// The small page label at the bottom left, where it differs from the form name.
void SetPageLabel(Page* page, const QString& label);

}  // namespace forecast::pages
