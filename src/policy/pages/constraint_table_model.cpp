#include "policy/pages/constraint_table_model.h"

#include <algorithm>

namespace forecast::pages {

using policy::ConstraintColumn;

ConstraintTableModel::ConstraintTableModel(policy::ConstraintRowSet& rows, platform::MessageSink& messages,
                                           QObject* parent)
    : QAbstractTableModel(parent), rows_(rows), messages_(messages) {}

void ConstraintTableModel::Reload() {
  beginResetModel();
  rows_.Reload();
  endResetModel();
}

void ConstraintTableModel::DeleteRows(QList<int> rows) {
  std::sort(rows.begin(), rows.end(), std::greater<int>());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  bool deleted = false;
  for (int row : rows) {
    if (row < 0 || row >= rows_.RowCount()) continue;
    try {
      beginRemoveRows(QModelIndex(), row, row);
      rows_.DeleteRow(row);
      endRemoveRows();
      deleted = true;
    } catch (const std::exception& e) {
      endRemoveRows();
      messages_.Show(std::string("The constraint cannot be deleted: ") + e.what(), "VORAN");
      Reload();
      break;
    }
  }
  if (deleted) Changed();
}

int ConstraintTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_.RowCount() + 1;
}

int ConstraintTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : policy::kConstraintColumnCount;
}

QVariant ConstraintTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  if (IsNewRow(index.row())) return QString();
  return QString::fromStdString(rows_.Cell(index.row(), static_cast<ConstraintColumn>(index.column())).ToText());
}

QVariant ConstraintTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return IsNewRow(section) ? QString("*") : QString::number(section + 1);
  return QString::fromUtf8(ConstraintColumnName(static_cast<ConstraintColumn>(section)).data());
}

Qt::ItemFlags ConstraintTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (index.isValid() && index.column() != static_cast<int>(ConstraintColumn::Id)) flags |= Qt::ItemIsEditable;
  return flags;
}

bool ConstraintTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  const auto column = static_cast<ConstraintColumn>(index.column());
  const std::string text = value.toString().toStdString();
  try {
    if (IsNewRow(index.row())) {
      // Nothing typed into the blank row adds nothing.
      if (value.toString().trimmed().isEmpty()) return false;
      if (!rows_.Accepts(column, text)) return false;
      // The blank row becomes the new row and a fresh blank row appears below it.
      const int blank = rows_.RowCount() + 1;
      beginInsertRows(QModelIndex(), blank, blank);
      try {
        rows_.AddRow(column, text);
      } catch (...) {
        endInsertRows();
        throw;
      }
      endInsertRows();
    } else if (!rows_.SetCell(index.row(), column, text)) {
      return false;
    }
  } catch (const std::exception& e) {
    messages_.Show(std::string("The constraint cannot be stored: ") + e.what(), "VORAN");
    Reload();
    return false;
  }
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), policy::kConstraintColumnCount - 1));
  Changed();
  return true;
}

void ConstraintTableModel::Changed() {
  if (rowsChanged_) rowsChanged_();
}

}  // namespace forecast::pages
