#pragma once

#include "platform/database.h"
#include "policy/constraint_calendar.h"
#include "policy/constraint_kinds.h"

#include <string>
#include <string_view>
#include <vector>

namespace forecast::policy {

// The columns of the const table, in the order the grids show them.
enum class ConstraintColumn { Year = 0, ConType, EmpHh, Zone, Type, Value, Id };
inline constexpr int kConstraintColumnCount = 7;
std::string_view ConstraintColumnName(ConstraintColumn column);

// The rows of one year, type and group of the const table, by zone, for
// editing in place: every change goes straight to the database.
class ConstraintRowSet {
 public:
  ConstraintRowSet(platform::Database& db, int year, int type, ConstraintGroup group);

  int Year() const { return year_; }
  int Type() const { return type_; }
  ConstraintGroup Group() const { return group_; }

  // Reads the rows again from the database.
  void Reload();
  int RowCount() const { return static_cast<int>(rows_.size()); }
  const platform::Value& Cell(int row, ConstraintColumn column) const;

  // Writes one cell of a stored row. An empty cell takes the value a completed
  // row gets (the year, type or group of the set, 0 for the numbers). False
  // when the text is not a number for a number column or the key is asked for.
  bool SetCell(int row, ConstraintColumn column, const std::string& text);
  // Whether a typed text can be stored in a column.
  bool Accepts(ConstraintColumn column, const std::string& text) const;
  // Stores a new row from one typed cell; the other cells are filled as above.
  bool AddRow(ConstraintColumn column, const std::string& text);
  void DeleteRow(int row);

 private:
  bool ToStoredValue(ConstraintColumn column, const std::string& text, platform::Value* value) const;
  platform::Value FillValue(ConstraintColumn column) const;

  platform::Database& db_;
  int year_;
  int type_;
  ConstraintGroup group_;
  std::vector<platform::Row> rows_;
};

// Appends to a year the rows of the same type and group of the year one step
// before; nothing unless the year lies after the current data year. Rows
// already there stay, so copying twice doubles them. Returns the rows added.
int CopyConstraints(platform::Database& db, const ConstraintCalendar& calendar, int year, int type,
                    ConstraintGroup group);

// The rows of one type and year for the summary, of the groups asked for,
// ordered by year, group and zone; every column of the table.
platform::QueryResult SummaryRows(platform::Database& db, int year, int type, bool employees, bool households);

// What a model card needs of one type, group and year, in stored order: zone,
// category and value (zone and value only for type 2).
int CountConstraintRows(platform::Database& db, int type, ConstraintGroup group, int year);
platform::QueryResult CardConstraintRows(platform::Database& db, int type, ConstraintGroup group, int year);

}  // namespace forecast::policy
