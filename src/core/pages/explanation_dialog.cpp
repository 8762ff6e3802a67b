#include "core/pages/explanation_dialog.h"

#include "core/page_registry.h"
#include "core/pages/page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace forecast::pages {

ExplanationDialog::ExplanationDialog(QWidget* page, const QString& formName, const QString& title)
    : QDialog(page) {
  setObjectName(formName);
  setWindowTitle("VORAN");
  setAttribute(Qt::WA_DeleteOnClose);
  setAutoFillBackground(true);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  auto* help = new QLabel("HELP", this);
  help->setObjectName("heading");
  help->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  outer->addWidget(help);

  auto* body = new QWidget(this);
  body->setObjectName("body");
  content_ = new QVBoxLayout(body);
  content_->setContentsMargins(96, 32, 96, 24);
  content_->setSpacing(16);
  auto* heading = new QLabel(title, body);
  heading->setObjectName("title");
  heading->setAlignment(Qt::AlignCenter);
  heading->setWordWrap(true);
  content_->addWidget(heading);
  outer->addWidget(body, 1);

  auto* bar = new QWidget(this);
  bar->setObjectName("buttonBar");
  buttons_ = new QHBoxLayout(bar);
  auto* buttons = buttons_;
  buttons->setContentsMargins(24, 12, 24, 12);
  auto* label = new QLabel(QString::fromStdString(PageLabel(formName.toStdString())), bar);
  label->setObjectName("pageLabel");
  ok_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", bar);
  ok_->setObjectName("cmdOK");
  ok_->setMinimumSize(140, 44);
  buttons->addWidget(label);
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  outer->addWidget(bar);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

QPushButton* ExplanationDialog::AddPrintButton() {
  auto* print = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogDetailedView), "Print", this);
  print->setObjectName("cmdPrint");
  print->setMinimumSize(140, 44);
  buttons_->insertWidget(buttons_->indexOf(ok_), print);
  return print;
}

QLabel* ExplanationDialog::AddParagraph(const QString& text) { return AddParagraphTo(content_, text, this); }

QLabel* ExplanationDialog::AddLink(const QString& text, std::function<void()> onClick) {
  auto* label = NewLinkLabel(text, std::move(onClick), this);
  label->setAlignment(Qt::AlignCenter);
  content_->addWidget(label, 0, Qt::AlignHCenter);
  return label;
}

void ExplanationDialog::AddWidget(QWidget* widget) { content_->addWidget(widget, 0, Qt::AlignHCenter); }

void ExplanationDialog::OpenOverPage() {
  content_->addStretch(1);
  if (QWidget* host = parentWidget() ? parentWidget()->window() : nullptr) setGeometry(host->geometry());
  open();
}

}  // namespace forecast::pages
