#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct sqlite3;

namespace forecast::platform {

// Every failure of the database layer; the message names the file or table.
class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One cell: empty, whole number, real number or text.
class Value {
 public:
  Value() = default;
  Value(std::nullptr_t) {}
  Value(int v) : data_(static_cast<std::int64_t>(v)) {}
  Value(std::int64_t v) : data_(v) {}
  Value(double v) : data_(v) {}
  Value(const char* v) : data_(std::string(v)) {}
  Value(std::string v) : data_(std::move(v)) {}
  Value(bool v) : data_(static_cast<std::int64_t>(v ? 1 : 0)) {}

  bool IsNull() const { return std::holds_alternative<std::monostate>(data_); }
  bool IsText() const { return std::holds_alternative<std::string>(data_); }
  bool IsInteger() const { return std::holds_alternative<std::int64_t>(data_); }
  bool IsReal() const { return std::holds_alternative<double>(data_); }
  // The value as text, as the database would show it: "" for empty, numbers in
  // their shortest decimal form.
  std::string ToText() const;
  // Numbers as they are; text read as a number, 0 when it is none.
  double ToDouble() const;
  std::int64_t ToInteger() const;
  // Yes/no: a non-zero number, or the texts "true", "yes", "-1".
  bool ToBool() const;
  // A number, when the value is one or is text that reads as one.
  std::optional<double> AsNumber() const;

  const std::variant<std::monostate, std::int64_t, double, std::string>& Data() const { return data_; }

 private:
  std::variant<std::monostate, std::int64_t, double, std::string> data_;
};

enum class FieldType { Integer16, Integer32, Double, Text, Boolean };

struct FieldDefinition {
  std::string name;
  FieldType type = FieldType::Text;
  bool required = false;  // NOT NULL: an update that leaves it empty fails
};

using Row = std::vector<Value>;

struct QueryResult {
  std::vector<std::string> columns;
  std::vector<Row> rows;
  // Index of a column by name without regard to case, or -1.
  int ColumnIndex(std::string_view name) const;
};

class Database;

// A table opened for reading and writing by position, as a dynaset: rows in
// stored order, a current row, find-first, edit/add/update/delete.
class Recordset {
 public:
  const std::string& TableName() const { return table_; }
  const std::vector<std::string>& Columns() const { return columns_; }
  bool HasColumn(std::string_view name) const;

  int RecordCount() const { return static_cast<int>(rows_.size()); }
  bool IsEmpty() const { return rows_.empty(); }
  bool AtEnd() const { return position_ < 0 || position_ >= RecordCount(); }
  int Position() const { return position_; }

  void MoveFirst() { position_ = rows_.empty() ? -1 : 0; }
  void MoveLast() { position_ = rows_.empty() ? -1 : RecordCount() - 1; }
  void MoveNext() { Move(1); }
  void Move(int rows);
  // Moves to the first row whose column equals the value (numbers compared as
  // numbers, texts without regard to case); false and at the end when none.
  bool FindFirst(std::string_view column, const Value& value);

  // The column of the current row; throws when there is no current row or no such column.
  const Value& Field(std::string_view column) const;
  std::string Text(std::string_view column) const { return Field(column).ToText(); }

  // Starts changing the current row, or a new row that Update appends.
  void Edit();
  void AddNew();
  void SetField(std::string_view column, const Value& value);
  // Writes the pending change; throws DatabaseError (for example a Required field left empty).
  void Update();
  void CancelUpdate();
  void Delete();

 private:
  friend class Database;
  Recordset(Database& db, std::string table);
  int IndexOf(std::string_view column) const;

  Database& db_;
  std::string table_;
  std::vector<std::string> columns_;
  std::vector<std::int64_t> rowids_;
  std::vector<Row> rows_;
  int position_ = -1;
  enum class Pending { None, Edit, Add } pending_ = Pending::None;
  Row buffer_;
};

// An SQLite database file standing where the suite keeps an Access database.
// Table and column names match without regard to case; identifiers are always
// quoted and values always bound.
class Database {
 public:
  enum class Mode { ReadWrite, ReadOnly, Create };

  // Opens (or with Create, creates or opens) a database file; throws DatabaseError.
  static std::unique_ptr<Database> Open(const std::filesystem::path& file, Mode mode = Mode::ReadWrite);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  const std::filesystem::path& File() const { return file_; }

  std::vector<std::string> TableNames() const;
  bool TableExists(std::string_view table) const;
  std::vector<std::string> ColumnNames(std::string_view table) const;
  bool ColumnExists(std::string_view table, std::string_view column) const;

  void Execute(std::string_view sql, const std::vector<Value>& parameters = {});
  QueryResult Query(std::string_view sql, const std::vector<Value>& parameters = {}) const;

  void CreateTable(std::string_view table, const std::vector<FieldDefinition>& fields);
  void DropTableIfExists(std::string_view table);
  // Replaces the target with a copy of the source, structure and rows.
  void CopyTable(std::string_view source, std::string_view target);
  // Every row of a table in stored order.
  QueryResult ReadTable(std::string_view table) const;

  // Opens a table as a dynaset; throws DatabaseError naming a missing table.
  std::unique_ptr<Recordset> OpenRecordset(std::string_view table);

  // Stored procedures: SQL texts kept in the database itself under a name.
  // Runs the one named in a transaction; false when the database holds none.
  bool RunStoredProcedure(std::string_view name);
  static constexpr const char* kProceduresTable = "stored_procedures";

  // Transactions nest: only the outermost commits.
  void Begin();
  void Commit();
  void Rollback();

  static std::string QuoteIdentifier(std::string_view name);

 private:
  explicit Database(std::filesystem::path file);
  friend class Recordset;
  std::string CanonicalTableName(std::string_view table) const;

  std::filesystem::path file_;
  sqlite3* handle_ = nullptr;
  int transactionDepth_ = 0;
};

// Begins a transaction that rolls back unless committed.
class Transaction {
 public:
  explicit Transaction(Database& db) : db_(db) { db_.Begin(); }
  ~Transaction() {
    if (!done_) {
      try { db_.Rollback(); } catch (...) {}
    }
  }
  void Commit() { db_.Commit(); done_ = true; }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

 private:
  Database& db_;
  bool done_ = false;
};

}  // namespace forecast::platform
