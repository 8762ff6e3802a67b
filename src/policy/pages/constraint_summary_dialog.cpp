#include "policy/constraint_calendar.h"
#include "policy/constraint_selection.h"
#include "policy/constraint_table.h"
#include "policy/pages/constraint_dialogs.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>

namespace forecast::pages {

namespace {

using policy::ConstraintColumn;
using policy::ConstraintGroup;

constexpr const char* kGridHeadings[] = {"Employee/Household by Type and Zone",
                                         "Total Employees/Households by Type and Zone",
                                         "Maximum Employees/Households by Type and Zone",
                                         "Minimum Employees/Households by Type and Zone"};

class ConstraintSummaryDialog : public ConstraintDialog {
 public:
  ConstraintSummaryDialog(AppServices& app, int year) : ConstraintDialog(app, "P7_5_5", "P7.5.5") {
    AddTitle("Constraint Summary Report");
    auto* hiddenYear = new QLabel(QString::number(year), this);
    hiddenYear->setObjectName("lblYear");
    hiddenYear->hide();

    auto* grids = new QGridLayout();
    const std::optional<int> period = policy::CalendarOf(app.session.regionSettings).PeriodOfYear(year);
    for (int i = 0; i < policy::kConstraintTypeCount; ++i) {
      const int type = i + 1;
      auto* heading = new QLabel(kGridHeadings[i], this);
      heading->setObjectName("paragraph");
      auto* count = new QLabel(this);
      count->setObjectName(QString("lblConstraintNum%1").arg(i));
      auto* grid = new QTableView(this);
      grid->setObjectName(QString("DataGrid1_%1").arg(i));
      grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
      grid->horizontalHeader()->setStretchLastSection(true);
      const bool employees = period && policy::IsConstraintSelected(app.session, type, *period, ConstraintGroup::Employee);
      const bool households =
          period && policy::IsConstraintSelected(app.session, type, *period, ConstraintGroup::Household);
      if (employees || households) Fill(grid, count, type, year, employees, households);
      grids->addWidget(heading, (i / 2) * 3, i % 2);
      grids->addWidget(grid, (i / 2) * 3 + 1, i % 2);
      grids->addWidget(count, (i / 2) * 3 + 2, i % 2);
    }
    Content()->addLayout(grids, 1);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { Finish(policy::PageResult::Continue); });
  }

 private:
  void Fill(QTableView* grid, QLabel* count, int type, int year, bool employees, bool households) {
    const platform::QueryResult rows =
        policy::SummaryRows(*session().inputDatabase, year, type, employees, households);
    auto* model = new QStandardItemModel(static_cast<int>(rows.rows.size()), static_cast<int>(rows.columns.size()), grid);
    for (size_t c = 0; c < rows.columns.size(); ++c) {
      model->setHeaderData(static_cast<int>(c), Qt::Horizontal, QString::fromStdString(rows.columns[c]));
    }
    for (size_t r = 0; r < rows.rows.size(); ++r) {
      for (size_t c = 0; c < rows.columns.size(); ++c) {
        model->setItem(static_cast<int>(r), static_cast<int>(c),
                       new QStandardItem(QString::fromStdString(rows.rows[r][c].ToText())));
      }
    }
    grid->setModel(model);
    grid->setColumnHidden(static_cast<int>(ConstraintColumn::ConType), true);
    grid->setColumnHidden(static_cast<int>(ConstraintColumn::Id), true);
    if (type == 2) grid->setColumnHidden(static_cast<int>(ConstraintColumn::Type), true);
    count->setText("#" + QString::number(rows.rows.size()));
  }
};

}  // namespace

void ShowConstraintSummary(AppServices& app, int year, ConstraintDialog::Done done) {
  (new ConstraintSummaryDialog(app, year))->Open(std::move(done));
}

}  // namespace forecast::pages
