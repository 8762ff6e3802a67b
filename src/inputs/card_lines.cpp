#include "inputs/card_lines.h"

#include "inputs/card_text.h"
#include "inputs/model_cards.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "policy/constraint_selection.h"
#include "policy/constraint_table.h"

namespace forecast::inputs::card {

using platform::Database;
using platform::QueryResult;
using platform::Value;

std::string PeriodLabel(const SessionState& session, int year, int period) {
  const std::string before = period == 1 ? session.regionSettings.currentDataYear
                                         : std::to_string(session.ForecastYear(session.currentRunIndex, period - 1));
  return before + "-" + std::to_string(year);
}

std::string TitleLine(const SessionState& session, const platform::Clock& clock) {
  const platform::CalendarDate today = clock.Today();
  return session.regionSettings.regionName + "  " + std::to_string(today.month) + "-" + std::to_string(today.day) +
         "-" + FormatTwoDigits(today.year % 100);
}

std::string RunLine(const SessionState& session, const std::string& periodLabel) {
  return session.CurrentRunCode() + " " + periodLabel;
}

std::string YearsLine(const std::string& periodLabel) {
  const std::string before = periodLabel.size() >= 4 ? periodLabel.substr(0, 4) : periodLabel;
  const std::string after = periodLabel.size() > 5 ? periodLabel.substr(5, 4) : std::string();
  return std::string(6, ' ') + before + std::string(6, ' ') + after;
}

std::string CategoryNamesLine(const std::array<std::string, 9>& names, int count) {
  std::string line;
  for (int k = 1; k <= count; ++k) line += PadLeft(names[static_cast<size_t>(k)], 8);
  return line;
}

int CheckedCategoryCount(int count, std::string_view kind) {
  if (count < 1 || count > kMaxCategories) {
    throw CardFailure("the region has " + std::to_string(count) + " " + std::string(kind) +
                      " categories; a card holds 1 to 8.");
  }
  return count;
}

CardStart BeginCard(const SessionState& session, int year, int period) {
  const std::string runCode = session.CurrentRunCode();
  if (runCode.empty()) throw CardFailure("no forecast run is current.");
  return CardStart{runCode,
                   RequiredDatabase(session.parmDatabase, "parmfiles.mdb"),
                   RequiredDatabase(session.inputDatabase, "BL_FORCST_IN.mdb"),
                   CheckedCategoryCount(session.regionSettings.empCategoryCount, "employment"),
                   CheckedCategoryCount(session.regionSettings.hhCategoryCount, "household"),
                   PeriodLabel(session, year, period)};
}

void AppendHeadingLines(std::vector<std::string>& lines, const SessionState& session, const platform::Clock& clock,
                        const CardStart& start) {
  lines.push_back(TitleLine(session, clock));
  lines.push_back(RunLine(session, start.periodLabel));
  lines.push_back(CategoryNamesLine(session.regionSettings.empCategoryNames, start.employment));
  lines.push_back(CategoryNamesLine(session.regionSettings.hhCategoryNames, start.households));
  lines.push_back(YearsLine(start.periodLabel));
}

Database& RequiredDatabase(const std::unique_ptr<Database>& db, std::string_view name) {
  if (!db) throw CardFailure("the database " + std::string(name) + " is not open.");
  return *db;
}

QueryResult ReadRequiredTable(Database& db, std::string_view table) {
  if (!db.TableExists(table)) {
    throw CardFailure("the table " + std::string(table) + " is missing from " + db.File().filename().string() + ".");
  }
  return db.ReadTable(table);
}

const Value& ColumnOf(const QueryResult& rows, size_t row, std::string_view column, std::string_view table) {
  const int index = rows.ColumnIndex(column);
  if (index < 0) throw CardFailure("the table " + std::string(table) + " has no column " + std::string(column) + ".");
  return rows.rows.at(row).at(static_cast<size_t>(index));
}

std::optional<platform::Row> FirstParameterRow(const QueryResult& table, platform::MessageSink& messages) {
  if (table.rows.empty()) {
    messages.Show(kDatabaseErrorMessage, "VORAN");
    return std::nullopt;
  }
  return table.rows.front();
}

QueryResult ProjectionRow(Database& db, const std::string& runCode, int year) {
  const std::string table = "Projections_" + runCode;
  QueryResult all = ReadRequiredTable(db, table);
  const int f1 = all.ColumnIndex("F1");
  if (f1 < 0) throw CardFailure("the table " + table + " has no column F1.");
  QueryResult found;
  found.columns = all.columns;
  for (platform::Row& row : all.rows) {
    const std::optional<double> rowYear = row[static_cast<size_t>(f1)].AsNumber();
    if (rowYear && *rowYear == year) {
      found.rows.push_back(std::move(row));
      return found;
    }
  }
  throw CardFailure("the table " + table + " has no row for the year " + std::to_string(year) + ".");
}

void AppendConstraintBlocks(std::vector<std::string>& lines, Database& db, policy::ConstraintGroup group, int year,
                            int code) {
  for (int type = 1; type <= policy::kConstraintTypeCount; ++type) {
    if (!policy::CodeIncludesType(code, type)) continue;
    lines.push_back(PadLeft(std::to_string(policy::CountConstraintRows(db, type, group, year)), 7));
    const QueryResult rows = policy::CardConstraintRows(db, type, group, year);
    for (const platform::Row& row : rows.rows) {
      std::string line = PadLeft(row[0].ToText(), 7);
      if (type != 2) line += PadLeft(row[1].ToText(), 5);
      line += PadLeft(row.back().ToText(), 10);
      lines.push_back(std::move(line));
    }
  }
}

bool FinishCard(platform::MessageSink& messages, const std::filesystem::path& file, const std::string& what,
                const std::vector<std::string>* lines, const std::string& failure) {
  std::string why = failure;
  if (lines && !platform::WriteTextLines(file, *lines)) why = "the file " + file.string() + " cannot be written.";
  if (why.empty()) return true;
  // A card left from an earlier run must not pass for this one.
  platform::RemoveFileIfExists(file);
  messages.Show("The " + what + " cannot be written: " + why, "VORAN");
  return false;
}

}  // namespace forecast::inputs::card
