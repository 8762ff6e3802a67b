#include "policy/constraint_table.h"

#include "platform/text.h"

#include <cmath>

namespace forecast::policy {

using platform::Database;
using platform::QueryResult;
using platform::Value;

namespace {

constexpr const char* kSelectColumns =
    "SELECT \"year\", \"contype\", \"emphh\", \"zone\", \"type\", \"value\", \"id\" FROM \"const\" ";
// The group is compared without regard to case, whatever the column's own collation.
constexpr const char* kGroupIs = "\"emphh\" = ? COLLATE NOCASE";

Value GroupValue(ConstraintGroup group) { return Value(std::string(GroupText(group))); }

Value NumberValue(double number) {
  if (std::trunc(number) == number && std::abs(number) < 9e15) return Value(static_cast<std::int64_t>(number));
  return Value(number);
}

}  // namespace

std::string_view ConstraintColumnName(ConstraintColumn column) {
  static constexpr std::string_view kNames[] = {"year", "contype", "emphh", "zone", "type", "value", "id"};
  return kNames[static_cast<int>(column)];
}

ConstraintRowSet::ConstraintRowSet(Database& db, int year, int type, ConstraintGroup group)
    : db_(db), year_(year), type_(type), group_(group) {
  Reload();
}

void ConstraintRowSet::Reload() {
  rows_ = db_.Query(std::string(kSelectColumns) + "WHERE \"year\" = ? AND \"contype\" = ? AND " + kGroupIs +
                        " ORDER BY \"zone\"",
                    {Value(year_), Value(type_), GroupValue(group_)})
              .rows;
}

const Value& ConstraintRowSet::Cell(int row, ConstraintColumn column) const {
  return rows_.at(static_cast<size_t>(row)).at(static_cast<size_t>(column));
}

Value ConstraintRowSet::FillValue(ConstraintColumn column) const {
  switch (column) {
    case ConstraintColumn::Year: return Value(year_);
    case ConstraintColumn::ConType: return Value(type_);
    case ConstraintColumn::EmpHh: return GroupValue(group_);
    default: return Value(0);
  }
}

bool ConstraintRowSet::ToStoredValue(ConstraintColumn column, const std::string& text, Value* value) const {
  if (column == ConstraintColumn::Id) return false;
  const std::string trimmed = platform::Trim(text);
  if (trimmed.empty()) {
    *value = FillValue(column);
    return true;
  }
  if (column == ConstraintColumn::EmpHh) {
    *value = Value(trimmed);
    return true;
  }
  const std::optional<double> number = platform::ParseNumber(trimmed);
  if (!number) return false;
  *value = NumberValue(*number);
  return true;
}

bool ConstraintRowSet::Accepts(ConstraintColumn column, const std::string& text) const {
  Value ignored;
  return ToStoredValue(column, text, &ignored);
}

bool ConstraintRowSet::SetCell(int row, ConstraintColumn column, const std::string& text) {
  if (row < 0 || row >= RowCount()) return false;
  Value value;
  if (!ToStoredValue(column, text, &value)) return false;
  db_.Execute("UPDATE \"const\" SET " + Database::QuoteIdentifier(ConstraintColumnName(column)) +
                  " = ? WHERE \"id\" = ?",
              {value, Cell(row, ConstraintColumn::Id)});
  rows_[static_cast<size_t>(row)][static_cast<size_t>(column)] = value;
  return true;
}

bool ConstraintRowSet::AddRow(ConstraintColumn column, const std::string& text) {
  platform::Row row;
  for (int c = 0; c < kConstraintColumnCount - 1; ++c) row.push_back(FillValue(static_cast<ConstraintColumn>(c)));
  Value typed;
  if (!ToStoredValue(column, text, &typed)) return false;
  row[static_cast<size_t>(column)] = typed;
  platform::Transaction transaction(db_);
  db_.Execute(
      "INSERT INTO \"const\" (\"year\", \"contype\", \"emphh\", \"zone\", \"type\", \"value\") VALUES (?, ?, ?, ?, ?, ?)",
      row);
  const QueryResult key = db_.Query("SELECT last_insert_rowid()");
  transaction.Commit();
  row.push_back(key.rows.at(0).at(0));
  rows_.push_back(std::move(row));
  return true;
}

void ConstraintRowSet::DeleteRow(int row) {
  if (row < 0 || row >= RowCount()) return;
  db_.Execute("DELETE FROM \"const\" WHERE \"id\" = ?", {Cell(row, ConstraintColumn::Id)});
  rows_.erase(rows_.begin() + row);
}

int CopyConstraints(Database& db, const ConstraintCalendar& calendar, int year, int type, ConstraintGroup group) {
  if (!(calendar.dataYear < year)) return 0;
  const QueryResult previous =
      db.Query("SELECT \"contype\", \"emphh\", \"zone\", \"type\", \"value\" FROM \"const\" WHERE \"year\" = ? AND "
               "\"contype\" = ? AND " + std::string(kGroupIs),
               {Value(year - calendar.step), Value(type), GroupValue(group)});
  platform::Transaction transaction(db);
  for (const platform::Row& row : previous.rows) {
    db.Execute(
        "INSERT INTO \"const\" (\"year\", \"contype\", \"emphh\", \"zone\", \"type\", \"value\") VALUES (?, ?, ?, ?, ?, ?)",
        {Value(year), row[0], row[1], row[2], row[3], row[4]});
  }
  transaction.Commit();
  return static_cast<int>(previous.rows.size());
}

QueryResult SummaryRows(Database& db, int year, int type, bool employees, bool households) {
  std::string sql = std::string(kSelectColumns) + "WHERE \"contype\" = ? AND \"year\" = ?";
  std::vector<Value> parameters = {Value(type), Value(year)};
  if (employees != households) {
    sql += std::string(" AND ") + kGroupIs;
    parameters.push_back(GroupValue(employees ? ConstraintGroup::Employee : ConstraintGroup::Household));
  }
  sql += " ORDER BY \"year\", \"emphh\", \"zone\"";
  return db.Query(sql, parameters);
}

int CountConstraintRows(Database& db, int type, ConstraintGroup group, int year) {
  const QueryResult count = db.Query("SELECT count(*) AS totalnum FROM \"const\" WHERE \"contype\" = ? AND " +
                                         std::string(kGroupIs) + " AND \"year\" = ?",
                                     {Value(type), GroupValue(group), Value(year)});
  return static_cast<int>(count.rows.at(0).at(0).ToInteger());
}

QueryResult CardConstraintRows(Database& db, int type, ConstraintGroup group, int year) {
  const std::string columns = type == 2 ? "\"zone\", \"value\"" : "\"zone\", \"type\", \"value\"";
  return db.Query("SELECT " + columns + " FROM \"const\" WHERE \"contype\" = ? AND " + std::string(kGroupIs) +
                      " AND \"year\" = ?",
                  {Value(type), GroupValue(group), Value(year)});
}

}  // namespace forecast::policy
