#include "results/pages/report_parts.h"

#include "printing/page_printer.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace forecast::pages {

QLabel* MakeLabel(const QString& text, const char* role, QWidget* parent, bool wrap) {
  auto* label = new QLabel(text, parent);
  const QString r(role);
  QString style = "font-size: 13pt; color: #222;";
  if (r == "subtitle") style = "font-size: 15pt; color: #1f3a5f;";
  if (r == "caption") style = "font-size: 13pt; font-weight: 600; color: #1f3a5f;";
  if (r == "pageOf") style = "font-size: 11pt; color: #555;";
  label->setStyleSheet(style);
  label->setWordWrap(wrap);
  return label;
}

QLineEdit* MakeValueBox(const results::ReportBox& box, const QString& name, QWidget* parent) {
  auto* edit = new QLineEdit(QString::fromStdString(box.text), parent);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  edit->setAlignment(Qt::AlignRight);
  edit->setMinimumWidth(110);
  edit->setMaximumWidth(150);
  edit->setStyleSheet(QString("font-size: 13pt; color: %1;").arg(box.flagged ? "rgb(192, 0, 0)" : "#111"));
  edit->setVisible(box.visible);
  return edit;
}

QListWidget* MakeCommentList(const std::vector<std::string>& comments, const QString& heading, const QString& name,
                             QWidget* parent, QLayout* into) {
  into->addWidget(MakeLabel(heading, "paragraph", parent));
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  for (const std::string& comment : comments) list->addItem(QString::fromStdString(comment));
  list->setStyleSheet(QString("font-size: 12pt; color: %1;").arg(look::kWarning));
  list->setWordWrap(true);
  list->setMinimumHeight(64);
  list->setMaximumHeight(96);
  into->addWidget(list);
  return list;
}

QWidget* MakePeriodCaption(const std::string& caption, const QString& name, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch(1);
  layout->setSpacing(14);
  layout->addWidget(MakeLabel("Forecast Time Periods", "paragraph", row));
  auto* value = MakeLabel(QString::fromStdString(caption), "subtitle", row);
  value->setObjectName(name);
  value->setStyleSheet("font-size: 15pt; font-weight: 600; color: #1f3a5f;");
  layout->addWidget(value);
  layout->addStretch(1);
  return row;
}

void ConnectReportPrint(Page* page) {
  QObject::connect(page->AddPrintButton(), &QPushButton::clicked, page,
                   [page] { printing::ActivePagePrinter().PrintReportPage(page); });
}

}  // namespace forecast::pages
