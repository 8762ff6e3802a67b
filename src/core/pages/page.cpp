#include "core/pages/page.h"

#include "core/end_pages.h"
#include "core/page_registry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace forecast::pages {

namespace {

class ClickableLabel : public QLabel {
 public:
  ClickableLabel(const QString& text, std::function<void()> onClick, QWidget* parent)
      : QLabel(text, parent), onClick_(std::move(onClick)) {
    setCursor(Qt::PointingHandCursor);
    setObjectName("link");
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    setStyleSheet(QString("color: %1;").arg(look::kVisitedLink));
    if (onClick_) onClick_();
  }

 private:
  std::function<void()> onClick_;
};

// The page label takes the same room on every page, so that Exit does not move.
constexpr int kPageLabelWidth = 76;

QPushButton* MakeButton(const QString& text, QStyle::StandardPixmap icon, const char* name, QWidget* parent) {
  auto* button = new QPushButton(parent->style()->standardIcon(icon), text, parent);
  button->setObjectName(name);
  button->setMinimumWidth(140);
  button->setMinimumHeight(44);
  button->setIconSize(QSize(20, 20));
  return button;
}

}  // namespace

Page::Page(AppServices& app, QString formName, QWidget* parent)
    : QWidget(parent), app_(app), formName_(std::move(formName)) {
  setObjectName(formName_);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  auto* banner = new QLabel("Model Forecasting Unit", this);
  banner->setObjectName("heading");
  banner->setAlignment(Qt::AlignCenter);
  outer->addWidget(banner);

  auto* body = new QWidget(this);
  body->setObjectName("body");
  // The content is a centred column: on a wide screen tables and captions stay close together.
  auto* columns = new QHBoxLayout(body);
  columns->setContentsMargins(0, 0, 0, 0);
  columns->setSpacing(0);
  auto* column = new QWidget(body);
  column->setMaximumWidth(look::kContentWidth);
  content_ = new QVBoxLayout(column);
  content_->setContentsMargins(64, 32, 64, 24);
  content_->setSpacing(14);
  columns->addStretch(1);
  columns->addWidget(column, 100);
  columns->addStretch(1);
  outer->addWidget(body, 1);

  auto* bar = new QWidget(this);
  bar->setObjectName("buttonBar");
  auto* buttons = buttons_ = new QHBoxLayout(bar);
  buttons->setContentsMargins(24, 12, 24, 12);
  buttons->setSpacing(12);
  auto* label = new QLabel(QString::fromStdString(PageLabel(formName_.toStdString())), bar);
  label->setObjectName("pageLabel");
  label->setFixedWidth(kPageLabelWidth);
  exit_ = MakeButton("Exit", QStyle::SP_DialogCloseButton, "cmdExit", bar);
  back_ = MakeButton("Back", QStyle::SP_ArrowBack, "cmdBack", bar);
  continue_ = MakeButton("Continue", QStyle::SP_ArrowForward, "cmdContinue", bar);
  go_ = MakeButton("GO", QStyle::SP_MediaPlay, "cmdGO", bar);
  buttons->addWidget(label);
  buttons->addWidget(exit_);
  buttons->addStretch(1);
  // Back, then the page's own action, then on: GO sits where Continue would be when a page has none.
  buttons->addWidget(back_);
  buttons->addWidget(go_);
  buttons->addWidget(continue_);
  outer->addWidget(bar);
  go_->hide();

  QObject::connect(exit_, &QPushButton::clicked, this, [this] { DefaultExit(); });
}

void Page::UseButtons(bool back, bool cont, bool go) {
  back_->setVisible(back);
  continue_->setVisible(cont);
  go_->setVisible(go);
}

QPushButton* Page::AddPrintButton() {
  auto* print = MakeButton("Print", QStyle::SP_FileDialogDetailedView, "cmdPrint", this);
  // After the stretch, before Back, GO and Continue.
  buttons_->insertWidget(buttons_->indexOf(back_), print);
  return print;
}

void Page::DefaultExit() { PressExit(app_, formName_.toStdString()); }

QLabel* Page::AddTitle(const QString& text) {
  auto* label = new QLabel(text, this);
  label->setObjectName("title");
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  content_->addWidget(label);
  return label;
}

QLabel* Page::AddParagraph(const QString& text) { return AddParagraphTo(content_, text, this); }

QLabel* AddParagraphTo(QVBoxLayout* content, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName("paragraph");
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignCenter);
  AddReadableLabel(content, label);
  return label;
}

void AddReadableLabel(QVBoxLayout* content, QLabel* label) {
  label->setMaximumWidth(look::kReadableWidth);
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->addStretch(1);
  row->addWidget(label, 100);
  row->addStretch(1);
  content->addLayout(row);
}

QLabel* NewLinkLabel(const QString& text, std::function<void()> onClick, QWidget* parent) {
  return new ClickableLabel(text, std::move(onClick), parent);
}

QLabel* Page::AddLink(const QString& text, std::function<void()> onClick) {
  auto* label = NewLinkLabel(text, std::move(onClick), this);
  label->setAlignment(Qt::AlignCenter);
  // Only as wide as its text: a click beside a link opens nothing.
  content_->addWidget(label, 0, Qt::AlignHCenter);
  return label;
}

}  // namespace forecast::pages
