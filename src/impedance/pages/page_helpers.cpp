#include "impedance/pages/page_helpers.h"

#include "core/numeric_key_filter.h"
#include "impedance/impedance_files.h"
#include "impedance/year_choice.h"
#include "printing/page_printer.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace forecast::pages {

namespace {

class DigitsFilter : public QObject {
 public:
  DigitsFilter(QObject* parent, platform::MessageSink& messages) : QObject(parent), messages_(messages) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().isEmpty()) return false;  // moving keys and the like
    const int code = key->text().at(0).unicode();
    return !NumericKeyFilter(code, kDigits, messages_).has_value();
  }

 private:
  platform::MessageSink& messages_;
};

class EnterFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(watched, &tab);
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void SetPageHeading(Page* page, const QString& heading) {
  if (auto* label = page->findChild<QLabel*>("heading")) label->setText(heading);
}

void AcceptDigitsOnly(QLineEdit* box, platform::MessageSink& messages) {
  box->installEventFilter(new DigitsFilter(box, messages));
}

void EnterMovesToNextBox(QLineEdit* box) { box->installEventFilter(new EnterFilter(box)); }

YesNoChoice AddYesNoChoice(Page* page, QVBoxLayout* content, bool yesSelected) {
  auto* row = new QWidget(page);
  row->setStyleSheet("QRadioButton { font-size: 13pt; }");
  auto* layout = new QHBoxLayout(row);
  layout->addStretch(1);
  YesNoChoice choice;
  choice.yes = new QRadioButton("Yes", row);
  choice.yes->setObjectName("optAdd0");
  choice.no = new QRadioButton("No", row);
  choice.no->setObjectName("optAdd1");
  auto* group = new QButtonGroup(row);
  group->addButton(choice.yes);
  group->addButton(choice.no);
  layout->addWidget(choice.yes);
  layout->addSpacing(48);
  layout->addWidget(choice.no);
  layout->addStretch(1);
  (yesSelected ? choice.yes : choice.no)->setChecked(true);
  content->addWidget(row);
  return choice;
}

QString WithValue(const QString& before, const QString& value, const QString& after) {
  return before.toHtmlEscaped() + "<b>" + value.toHtmlEscaped() + "</b>" + after.toHtmlEscaped();
}

void AddReportPrintButton(Page* page) {
  QObject::connect(page->AddPrintButton(), &QPushButton::clicked, page,
                   [page] { printing::ActivePagePrinter().PrintReportPage(page); });
}

void AddHelpPrintButton(Page* page) {
  QObject::connect(page->AddPrintButton(), &QPushButton::clicked, page,
                   [page] { printing::ActivePagePrinter().PrintHelpPage(page); });
}

QLabel* FindControlLabel(QWidget* page, const QString& control) {
  for (QLabel* label : page->findChildren<QLabel*>()) {
    if (label->property("control").toString() == control) return label;
  }
  return nullptr;
}

QString CurrentFileCaption(const SessionState& session) {
  return QString::fromStdString(impedance::UserImpedanceFileCaption(impedance::CurrentImpedanceYear(session)));
}

}  // namespace forecast::pages
