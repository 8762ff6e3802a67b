#include "impedance/pages/impedance_report_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace forecast::pages {

namespace {

constexpr int kCellWidth = 92;
constexpr int kCellHeight = 28;

QString ColourFor(bool differs) { return differs ? QString("color: %1;").arg(kDifferingValue) : QString(); }

}  // namespace

ImpedanceReportView::ImpedanceReportView(const impedance::ImpedanceReport& report, QWidget* parent)
    : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(24);
  grid->setVerticalSpacing(10);
  const auto& d = report.differences;
  const std::array<std::tuple<const char*, const std::string*, bool>, 3> values = {
      std::tuple{"Average Zone-to-Zone Impedance", &report.average, d.average},
      std::tuple{"Smallest Zone-to-Zone Impedance", &report.smallest, d.smallest},
      std::tuple{"Largest Zone-to-Zone Impedance", &report.largest, d.largest}};
  for (int i = 0; i < 3; ++i) {
    const auto& [caption, value, differs] = values[static_cast<size_t>(i)];
    auto* label = new QLabel(caption, this);
    label->setObjectName("paragraph");
    grid->addWidget(label, i, 0, Qt::AlignRight);
    grid->addWidget(AddValueBox(i, caption, *value, differs), i, 1, Qt::AlignLeft);
  }
  const std::array<std::tuple<const char*, const char*, const std::array<std::string, 16>*, bool>, 2> blocks = {
      std::tuple{"Top 4x4 of Impedance Table", "List1", &report.topList, d.TopDiffers()},
      std::tuple{"Bottom 4x4 of Impedance Table", "List2", &report.bottomList, d.BottomDiffers()}};
  for (int b = 0; b < 2; ++b) {
    const auto& [caption, name, entries, differs] = blocks[static_cast<size_t>(b)];
    auto* label = new QLabel(caption, this);
    label->setObjectName("paragraph");
    label->setAlignment(Qt::AlignCenter);
    grid->addWidget(label, 3, b * 2, 1, 2, Qt::AlignCenter);
    grid->addWidget(AddBlockList(name, *entries, differs), 4, b * 2, 1, 2, Qt::AlignCenter);
  }
}

QLineEdit* ImpedanceReportView::AddValueBox(int index, const QString& caption, const std::string& value,
                                            bool differs) {
  auto* box = new QLineEdit(QString::fromStdString(value), this);
  box->setObjectName(QString("txt_empl%1").arg(index));
  box->setAccessibleName(caption);
  box->setReadOnly(true);
  box->setFixedWidth(160);
  box->setStyleSheet(ColourFor(differs));
  return box;
}

QListWidget* ImpedanceReportView::AddBlockList(const char* name, const std::array<std::string, 16>& entries,
                                               bool differs) {
  auto* list = new QListWidget(this);
  list->setObjectName(name);
  // Filled top to bottom, four entries a column, so the list shows the block as it stands in the matrix.
  list->setFlow(QListView::TopToBottom);
  list->setWrapping(true);
  list->setGridSize(QSize(kCellWidth, kCellHeight));
  list->setUniformItemSizes(true);
  list->setSelectionMode(QAbstractItemView::NoSelection);
  list->setFocusPolicy(Qt::NoFocus);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setFixedSize(4 * kCellWidth + 4, 4 * kCellHeight + 4);
  for (const std::string& entry : entries) list->addItem(QString::fromStdString(entry));
  list->setStyleSheet(ColourFor(differs));
  return list;
}

}  // namespace forecast::pages
