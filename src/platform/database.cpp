#include "platform/database.h"

#include "platform/text.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>

namespace forecast::platform {

// ---- Value ----------------------------------------------------------------

std::string Value::ToText() const {
  if (const auto* i = std::get_if<std::int64_t>(&data_)) return std::to_string(*i);
  if (const auto* d = std::get_if<double>(&data_)) return FormatShortest(*d);
  if (const auto* s = std::get_if<std::string>(&data_)) return *s;
  return {};
}

std::optional<double> Value::AsNumber() const {
  if (const auto* i = std::get_if<std::int64_t>(&data_)) return static_cast<double>(*i);
  if (const auto* d = std::get_if<double>(&data_)) return *d;
  if (const auto* s = std::get_if<std::string>(&data_)) return ParseNumber(*s);
  return std::nullopt;
}

double Value::ToDouble() const { return AsNumber().value_or(0.0); }

std::int64_t Value::ToInteger() const {
  if (const auto* i = std::get_if<std::int64_t>(&data_)) return *i;
  return static_cast<std::int64_t>(std::llround(ToDouble()));
}

bool Value::ToBool() const {
  if (const auto* s = std::get_if<std::string>(&data_)) {
    const std::string t = ToLower(Trim(*s));
    if (t == "true" || t == "yes" || t == "on") return true;
    if (t == "false" || t == "no" || t == "off" || t.empty()) return false;
  }
  return ToDouble() != 0.0;
}

int QueryResult::ColumnIndex(std::string_view name) const {
  for (size_t i = 0; i < columns.size(); ++i) {
    if (EqualsNoCase(columns[i], name)) return static_cast<int>(i);
  }
  return -1;
}

// ---- statements -------------------------------------------------------------

namespace {

class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql, const std::filesystem::path& file) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK) {
      throw DatabaseError(file.filename().string() + ": " + sqlite3_errmsg(db));
    }
  }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  void Bind(const std::vector<Value>& parameters) {
    for (size_t i = 0; i < parameters.size(); ++i) BindOne(static_cast<int>(i) + 1, parameters[i]);
  }
  void BindOne(int index, const Value& v) {
    const auto& data = v.Data();
    if (const auto* i = std::get_if<std::int64_t>(&data)) {
      sqlite3_bind_int64(stmt_, index, *i);
    } else if (const auto* d = std::get_if<double>(&data)) {
      sqlite3_bind_double(stmt_, index, *d);
    } else if (const auto* s = std::get_if<std::string>(&data)) {
      sqlite3_bind_text(stmt_, index, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
    } else {
      sqlite3_bind_null(stmt_, index);
    }
  }
  bool Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throw DatabaseError(sqlite3_errmsg(db_));
  }
  int ColumnCount() const { return sqlite3_column_count(stmt_); }
  std::string ColumnName(int i) const { return sqlite3_column_name(stmt_, i); }
  Value Column(int i) const {
    switch (sqlite3_column_type(stmt_, i)) {
      case SQLITE_INTEGER: return Value(static_cast<std::int64_t>(sqlite3_column_int64(stmt_, i)));
      case SQLITE_FLOAT: return Value(sqlite3_column_double(stmt_, i));
      case SQLITE_NULL: return Value();
      default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
        return Value(std::string(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(stmt_, i))));
      }
    }
  }

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

const char* SqlType(FieldType type) {
  switch (type) {
    case FieldType::Integer16: return "SMALLINT";
    case FieldType::Integer32: return "INTEGER";
    case FieldType::Double: return "DOUBLE";
    case FieldType::Boolean: return "BOOLEAN";
    case FieldType::Text: break;
  }
  return "TEXT";
}

bool ValuesEqual(const Value& a, const Value& b) {
  const auto na = a.AsNumber();
  const auto nb = b.AsNumber();
  if (na && nb) return *na == *nb;
  if (a.IsNull() || b.IsNull()) return a.IsNull() && b.IsNull();
  return EqualsNoCase(a.ToText(), b.ToText());
}

}  // namespace

// ---- Database ---------------------------------------------------------------

Database::Database(std::filesystem::path file) : file_(std::move(file)) {}

Database::~Database() {
  if (handle_) sqlite3_close_v2(handle_);
}

std::unique_ptr<Database> Database::Open(const std::filesystem::path& file, Mode mode) {
  std::error_code ec;
  if (mode != Mode::Create && !std::filesystem::is_regular_file(file, ec)) {
    throw DatabaseError("The database " + file.string() + " does not exist.");
  }
  std::unique_ptr<Database> db(new Database(file));
  int flags = SQLITE_OPEN_READWRITE;
  if (mode == Mode::ReadOnly) flags = SQLITE_OPEN_READONLY;
  if (mode == Mode::Create) flags |= SQLITE_OPEN_CREATE;
  if (sqlite3_open_v2(file.c_str(), &db->handle_, flags, nullptr) != SQLITE_OK) {
    const std::string why = db->handle_ ? sqlite3_errmsg(db->handle_) : "cannot open";
    throw DatabaseError("The database " + file.string() + " cannot be opened: " + why);
  }
  sqlite3_busy_timeout(db->handle_, 5000);
  // A file that is not a database fails here rather than at the first read.
  try {
    db->Query("SELECT count(*) FROM sqlite_master");
  } catch (const DatabaseError& e) {
    throw DatabaseError("The file " + file.string() + " is not a database: " + e.what());
  }
  return db;
}

std::string Database::QuoteIdentifier(std::string_view name) {
  std::string quoted = "\"";
  for (char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::vector<std::string> Database::TableNames() const {
  std::vector<std::string> names;
  for (const Row& row :
       Query("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY rowid").rows) {
    names.push_back(row[0].ToText());
  }
  return names;
}

std::string Database::CanonicalTableName(std::string_view table) const {
  for (const std::string& name : TableNames()) {
    if (EqualsNoCase(name, table)) return name;
  }
  return {};
}

bool Database::TableExists(std::string_view table) const { return !CanonicalTableName(table).empty(); }

std::vector<std::string> Database::ColumnNames(std::string_view table) const {
  std::vector<std::string> names;
  const QueryResult info = Query("SELECT name FROM pragma_table_info(?) ORDER BY cid", {Value(std::string(table))});
  for (const Row& row : info.rows) names.push_back(row[0].ToText());
  return names;
}

bool Database::ColumnExists(std::string_view table, std::string_view column) const {
  for (const std::string& name : ColumnNames(table)) {
    if (EqualsNoCase(name, column)) return true;
  }
  return false;
}

void Database::Execute(std::string_view sql, const std::vector<Value>& parameters) {
  Statement statement(handle_, sql, file_);
  statement.Bind(parameters);
  while (statement.Step()) {
  }
}

QueryResult Database::Query(std::string_view sql, const std::vector<Value>& parameters) const {
  Statement statement(handle_, sql, file_);
  statement.Bind(parameters);
  QueryResult result;
  for (int i = 0; i < statement.ColumnCount(); ++i) result.columns.push_back(statement.ColumnName(i));
  while (statement.Step()) {
    Row row;
    row.reserve(result.columns.size());
    for (int i = 0; i < statement.ColumnCount(); ++i) row.push_back(statement.Column(i));
    result.rows.push_back(std::move(row));
  }
  return result;
}

void Database::CreateTable(std::string_view table, const std::vector<FieldDefinition>& fields) {
  std::string sql = "CREATE TABLE " + QuoteIdentifier(table) + " (";
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) sql += ", ";
    sql += QuoteIdentifier(fields[i].name) + " " + SqlType(fields[i].type);
    if (fields[i].required) sql += " NOT NULL";
  }
  sql += ")";
  Execute(sql);
}

void Database::DropTableIfExists(std::string_view table) { Execute("DROP TABLE IF EXISTS " + QuoteIdentifier(table)); }

void Database::CopyTable(std::string_view source, std::string_view target) {
  const std::string canonical = CanonicalTableName(source);
  if (canonical.empty()) throw DatabaseError(file_.filename().string() + ": table " + std::string(source) + " does not exist.");
  const QueryResult definition =
      Query("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ?", {Value(canonical)});
  std::string sql = definition.rows.at(0).at(0).ToText();
  // The definition starts with CREATE TABLE and the name as it was written.
  const size_t open = sql.find('(');
  if (open == std::string::npos) throw DatabaseError("Cannot copy table " + canonical + ".");
  Transaction transaction(*this);
  DropTableIfExists(target);
  Execute("CREATE TABLE " + QuoteIdentifier(target) + " " + sql.substr(open));
  Execute("INSERT INTO " + QuoteIdentifier(target) + " SELECT * FROM " + QuoteIdentifier(canonical) + " ORDER BY rowid");
  transaction.Commit();
}

QueryResult Database::ReadTable(std::string_view table) const {
  if (!TableExists(table)) throw DatabaseError(file_.filename().string() + ": table " + std::string(table) + " does not exist.");
  return Query("SELECT * FROM " + QuoteIdentifier(table) + " ORDER BY rowid");
}

std::unique_ptr<Recordset> Database::OpenRecordset(std::string_view table) {
  const std::string canonical = CanonicalTableName(table);
  if (canonical.empty()) {
    throw DatabaseError("The table " + std::string(table) + " is missing from " + file_.filename().string() + ".");
  }
  std::unique_ptr<Recordset> set(new Recordset(*this, canonical));
  const QueryResult all = Query("SELECT rowid, * FROM " + QuoteIdentifier(canonical) + " ORDER BY rowid");
  set->columns_.assign(all.columns.begin() + 1, all.columns.end());
  for (const Row& row : all.rows) {
    set->rowids_.push_back(row[0].ToInteger());
    set->rows_.emplace_back(row.begin() + 1, row.end());
  }
  set->MoveFirst();
  return set;
}

bool Database::RunStoredProcedure(std::string_view name) {
  if (!TableExists(kProceduresTable)) return false;
  const QueryResult found = Query("SELECT sql FROM " + QuoteIdentifier(kProceduresTable) + " WHERE name = ? COLLATE NOCASE",
                                  {Value(std::string(name))});
  if (found.rows.empty()) return false;
  Transaction transaction(*this);
  for (const Row& row : found.rows) {
    const std::string sql = row[0].ToText();
    char* error = nullptr;
    if (sqlite3_exec(handle_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
      const std::string why = error ? error : "unknown error";
      sqlite3_free(error);
      throw DatabaseError("The procedure " + std::string(name) + " in " + file_.filename().string() + " failed: " + why);
    }
  }
  transaction.Commit();
  return true;
}

void Database::Begin() {
  Execute("SAVEPOINT forecast_" + std::to_string(++transactionDepth_));
}

void Database::Commit() {
  if (transactionDepth_ == 0) return;
  Execute("RELEASE forecast_" + std::to_string(transactionDepth_--));
}

void Database::Rollback() {
  if (transactionDepth_ == 0) return;
  const std::string name = "forecast_" + std::to_string(transactionDepth_--);
  Execute("ROLLBACK TO " + name);
  Execute("RELEASE " + name);
}

// ---- Recordset ---------------------------------------------------------------

Recordset::Recordset(Database& db, std::string table) : db_(db), table_(std::move(table)) {}

int Recordset::IndexOf(std::string_view column) const {
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (EqualsNoCase(columns_[i], column)) return static_cast<int>(i);
  }
  return -1;
}

bool Recordset::HasColumn(std::string_view name) const { return IndexOf(name) >= 0; }

void Recordset::Move(int rows) {
  if (position_ < 0) return;
  position_ = std::clamp(position_ + rows, 0, RecordCount());
}

bool Recordset::FindFirst(std::string_view column, const Value& value) {
  const int index = IndexOf(column);
  if (index < 0) throw DatabaseError("The column " + std::string(column) + " is missing from table " + table_ + ".");
  for (int i = 0; i < RecordCount(); ++i) {
    if (ValuesEqual(rows_[static_cast<size_t>(i)][static_cast<size_t>(index)], value)) {
      position_ = i;
      return true;
    }
  }
  position_ = RecordCount();
  return false;
}

const Value& Recordset::Field(std::string_view column) const {
  const int index = IndexOf(column);
  if (index < 0) throw DatabaseError("The column " + std::string(column) + " is missing from table " + table_ + ".");
  if (pending_ != Pending::None) return buffer_[static_cast<size_t>(index)];
  if (AtEnd()) throw DatabaseError("No current row in table " + table_ + ".");
  return rows_[static_cast<size_t>(position_)][static_cast<size_t>(index)];
}

void Recordset::Edit() {
  if (AtEnd()) throw DatabaseError("No current row to edit in table " + table_ + ".");
  buffer_ = rows_[static_cast<size_t>(position_)];
  pending_ = Pending::Edit;
}

void Recordset::AddNew() {
  buffer_.assign(columns_.size(), Value());
  pending_ = Pending::Add;
}

void Recordset::SetField(std::string_view column, const Value& value) {
  if (pending_ == Pending::None) throw DatabaseError("Edit or AddNew must come before a change to table " + table_ + ".");
  const int index = IndexOf(column);
  if (index < 0) throw DatabaseError("The column " + std::string(column) + " is missing from table " + table_ + ".");
  buffer_[static_cast<size_t>(index)] = value;
}

void Recordset::Update() {
  const std::string table = Database::QuoteIdentifier(table_);
  try {
    if (pending_ == Pending::Edit) {
      std::string sql = "UPDATE " + table + " SET ";
      for (size_t i = 0; i < columns_.size(); ++i) {
        if (i) sql += ", ";
        sql += Database::QuoteIdentifier(columns_[i]) + " = ?";
      }
      sql += " WHERE rowid = ?";
      std::vector<Value> parameters = buffer_;
      parameters.emplace_back(rowids_[static_cast<size_t>(position_)]);
      db_.Execute(sql, parameters);
      rows_[static_cast<size_t>(position_)] = buffer_;
    } else if (pending_ == Pending::Add) {
      std::string sql = "INSERT INTO " + table + " (";
      std::string marks;
      for (size_t i = 0; i < columns_.size(); ++i) {
        if (i) { sql += ", "; marks += ", "; }
        sql += Database::QuoteIdentifier(columns_[i]);
        marks += "?";
      }
      sql += ") VALUES (" + marks + ")";
      db_.Execute(sql, buffer_);
      // Read the row back, so that defaults and an automatic key show.
      const std::int64_t rowid = sqlite3_last_insert_rowid(db_.handle_);
      const QueryResult back = db_.Query("SELECT * FROM " + table + " WHERE rowid = ?", {Value(rowid)});
      rowids_.push_back(rowid);
      rows_.push_back(back.rows.empty() ? buffer_ : back.rows[0]);
      position_ = RecordCount() - 1;
    }
  } catch (const DatabaseError& e) {
    throw DatabaseError("Cannot update table " + table_ + ": " + e.what());
  }
  pending_ = Pending::None;
}

void Recordset::CancelUpdate() { pending_ = Pending::None; }

void Recordset::Delete() {
  if (AtEnd()) throw DatabaseError("No current row to delete in table " + table_ + ".");
  db_.Execute("DELETE FROM " + Database::QuoteIdentifier(table_) + " WHERE rowid = ?",
              {Value(rowids_[static_cast<size_t>(position_)])});
  rowids_.erase(rowids_.begin() + position_);
  rows_.erase(rows_.begin() + position_);
  if (position_ >= RecordCount()) position_ = RecordCount();
}

}  // namespace forecast::platform
