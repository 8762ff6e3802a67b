#include "policy/pages/constraint_dialog.h"

#include <QCloseEvent>
#include <QLabel>

namespace forecast::pages {

void ShowAsModalWindow(QWidget* page) {
  page->setWindowFlag(Qt::Window, true);
  page->setWindowModality(Qt::ApplicationModal);
  page->setAttribute(Qt::WA_DeleteOnClose);
  page->setWindowTitle("VORAN");
  page->showMaximized();
}

void SetPageLabel(Page* page, const QString& label) {
  if (auto* pageLabel = page->findChild<QLabel*>("pageLabel")) pageLabel->setText(label);
}

ConstraintDialog::ConstraintDialog(AppServices& app, const QString& formName, const QString& pageLabel)
    : Page(app, formName) {
  SetPageLabel(this, pageLabel);
  UseButtons(true, true);
  disconnect(ExitButton(), nullptr, this, nullptr);
  connect(ExitButton(), &QPushButton::clicked, this, [this] { Finish(policy::PageResult::Exit); });
  connect(BackButton(), &QPushButton::clicked, this, [this] { Finish(policy::PageResult::Back); });
}

void ConstraintDialog::Open(Done done) {
  done_ = std::move(done);
  ShowAsModalWindow(this);
}

void ConstraintDialog::Finish(policy::PageResult result) {
  if (finished_) return;
  finished_ = true;
  result_ = result;
  close();
}

void ConstraintDialog::closeEvent(QCloseEvent* event) {
  Page::closeEvent(event);
  // Closing the window itself counts as Back: nothing is decided.
  if (!finished_) {
    finished_ = true;
    result_ = policy::PageResult::Back;
  }
  session().constraintPageResult = static_cast<std::int16_t>(result_);
  Done done = std::move(done_);
  done_ = nullptr;
  if (done) done(result_);
}

}  // namespace forecast::pages
