#pragma once

#include "platform/messages.h"
#include "policy/constraint_table.h"

#include <QAbstractTableModel>

#include <functional>

namespace forecast::pages {

// The rows of one year, type and group of the const table for a grid, with a
// blank row at the bottom for a new constraint. Every edit, new row and
// deleted row goes straight to the database.
class ConstraintTableModel : public QAbstractTableModel {
 public:
  ConstraintTableModel(policy::ConstraintRowSet& rows, platform::MessageSink& messages, QObject* parent = nullptr);

  // Runs after each completed row, new row and deleted row.
  void OnRowsChanged(std::function<void()> callback) { rowsChanged_ = std::move(callback); }
  // Reads the rows again, after they changed behind the grid.
  void Reload();
  void DeleteRows(QList<int> rows);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  bool IsNewRow(int row) const { return row == rows_.RowCount(); }
  void Changed();

  policy::ConstraintRowSet& rows_;
  platform::MessageSink& messages_;
  std::function<void()> rowsChanged_;
};

}  // namespace forecast::pages
