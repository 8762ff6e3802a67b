#include "policy/constraint_calendar.h"
#include "policy/constraint_table.h"
#include "policy/pages/constraint_dialogs.h"
#include "policy/pages/constraint_table_model.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

namespace forecast::pages {

namespace {

using policy::ConstraintColumn;
using policy::PageResult;

// The grid deletes the selected rows with the Delete key.
class ConstraintGridView : public QTableView {
 public:
  using QTableView::QTableView;
  ConstraintTableModel* Model() const { return static_cast<ConstraintTableModel*>(model()); }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState && selectionModel()) {
      QList<int> rows;
      for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
      if (rows.isEmpty() && currentIndex().isValid()) rows.push_back(currentIndex().row());
      Model()->DeleteRows(rows);
      return;
    }
    QTableView::keyPressEvent(event);
  }
};

QString Description(const policy::ConstraintEntry& entry) {
  const QString year = QString::number(entry.year);
  const QString group = QString::fromUtf8(policy::GroupText(entry.group).data());
  switch (entry.type) {
    case 1: return year + " Absolute " + group + " Constraint " + "By Type and Zone";
    case 2: return year + " Absolute Total " + group + " Constraint " + "By Zone";
    case 3: return year + " Absolute Maximum " + group + " Constraint " + "By Type and Zone";
    default: return year + " Absolute Minimum " + group + " Constraint " + "By Type and Zone";
  }
}

class ConstraintGridDialog : public ConstraintDialog {
 public:
  ConstraintGridDialog(AppServices& app, const policy::ConstraintEntry& entry)
      : ConstraintDialog(app, "P7_5_C", "P7.5.1C"),
        entry_(entry),
        rows_(*app.session.inputDatabase, entry.year, entry.type, entry.group),
        model_(rows_, app.messages, this) {
    AddTitle(Description(entry))->setObjectName("lblConstraintDescription");
    AddParagraph("Enter your constraints in the table below. ");
    grid_ = new ConstraintGridView(this);
    grid_->setObjectName("DataGrid1");
    grid_->setModel(&model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->horizontalHeader()->setStretchLastSection(true);
    Content()->addWidget(grid_, 1);
    auto* copy = new QPushButton("Copy the constraints of the previous period", this);
    copy->setObjectName("cmdCopyConstraints");
    Content()->addWidget(copy, 0, Qt::AlignLeft);
    count_ = new QLabel(this);
    count_->setObjectName("lblRecordCount");
    Content()->addWidget(count_);

    HideColumns();
    ShowCount("Total constraints: ");
    model_.OnRowsChanged([this] { ShowCount("Total Constraints: "); });
    connect(copy, &QPushButton::clicked, this, [this] { CopyFromPreviousPeriod(); });
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { Continue(); });
  }

 private:
  void HideColumns() {
    for (ConstraintColumn column : {ConstraintColumn::Year, ConstraintColumn::ConType, ConstraintColumn::EmpHh,
                                    ConstraintColumn::Id}) {
      grid_->setColumnHidden(static_cast<int>(column), true);
    }
    // A total covers every category of the zone.
    grid_->setColumnHidden(static_cast<int>(ConstraintColumn::Type), entry_.type == 2);
  }

  void ShowCount(const QString& text) { count_->setText(text + QString::number(rows_.RowCount())); }

  void CopyFromPreviousPeriod() {
    try {
      policy::CopyConstraints(*session().inputDatabase, policy::CalendarOf(session().regionSettings), entry_.year,
                              entry_.type, entry_.group);
    } catch (const std::exception& e) {
      app().messages.Show(std::string("The constraints cannot be copied: ") + e.what(), "VORAN");
    }
    model_.Reload();
    HideColumns();
    ShowCount("Total constraints: ");
  }

  void Continue() {
    if (rows_.RowCount() == 0) {
      app().messages.Show("You have selected to use constraints. You need to have at least one record.", "");
      return;
    }
    Finish(PageResult::Continue);
  }

  policy::ConstraintEntry entry_;
  policy::ConstraintRowSet rows_;
  ConstraintTableModel model_;
  ConstraintGridView* grid_ = nullptr;
  QLabel* count_ = nullptr;
};

}  // namespace

void EditConstraints(AppServices& app, const policy::ConstraintEntry& entry, ConstraintDialog::Done done) {
  (new ConstraintGridDialog(app, entry))->Open(std::move(done));
}

}  // namespace forecast::pages
