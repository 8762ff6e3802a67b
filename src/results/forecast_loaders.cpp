#include "results/forecast_loaders.h"

#include "inputs/data_file_catalogue.h"
#include "platform/database.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "results/number_text.h"
#include "results/result_files.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace forecast::results {

using platform::Database;
using platform::Value;

namespace {

constexpr int kStoredPeriods = 6;
constexpr size_t kMaxForecastLines = 500;

struct LoadFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct ForecastKind {
  inputs::PerPeriodFile file;  // the per-period text forecast
  const char* tableKind;   // "EMP" or "hh"
  int columns;
  const char* emptySlotPrefix;
  std::vector<std::string> trailingFields;
};

const ForecastKind kEmployment = {inputs::files::kPeriodEmpForecastText, "EMP", 10, "EMP", {"TOT_EMP"}};
const ForecastKind kHouseholds = {inputs::files::kPeriodDrmForecastText, "hh", 22, "hh",
                                  {"Total_HHs", "Total_Popn", "TEPR", "GPQRS", "AHU", "Total_area", "Unusable", "Basic",
                                   "Commercial", "Residential", "Usable", "Streets", "Vacant"}};

std::filesystem::path ForecastFile(const SessionState& session, const ForecastKind& kind, int year) {
  return inputs::PerPeriodPath(session.appFolder, kind.file, year, session.CurrentRunCode());
}

std::vector<std::string> FieldNames(const SessionState& session, const ForecastKind& kind) {
  const auto& names = kind.tableKind == std::string("EMP") ? session.regionSettings.empCategoryNames
                                                           : session.regionSettings.hhCategoryNames;
  std::vector<std::string> fields = {"Zone"};
  for (size_t k = 1; k <= 8; ++k) {
    const std::string name = platform::Trim(names[k]);
    fields.push_back(name.empty() ? kind.emptySlotPrefix + std::to_string(k) : name);
  }
  fields.insert(fields.end(), kind.trailingFields.begin(), kind.trailingFields.end());
  return fields;
}

// The zone goes into a 16-bit field, rounded as the database rounds.
Value ZoneValue(double zone) {
  const double rounded = RoundHalfEven(zone, 0);
  if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max()) {
    throw LoadFailure("zone number out of range");
  }
  return Value(static_cast<std::int64_t>(rounded));
}

void LoadPeriod(Database& db, const std::string& table, const std::vector<std::string>& fields,
                const std::vector<std::string>& lines, int columns) {
  if (!db.TableExists(table)) throw LoadFailure("table missing: " + table);
  for (const std::string& field : fields) {
    if (!db.ColumnExists(table, field)) throw LoadFailure("field missing: " + field);
  }
  std::string sql = "INSERT INTO " + Database::QuoteIdentifier(table) + " (";
  std::string marks;
  for (size_t i = 0; i < fields.size(); ++i) {
    sql += (i ? ", " : "") + Database::QuoteIdentifier(fields[i]);
    marks += i ? ", ?" : "?";
  }
  sql += ") VALUES (" + marks + ")";
  platform::Transaction transaction(db);
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    const auto values = SplitForecastLine(line, columns);
    if (!values) throw LoadFailure("a zone or category column has no comma after it");
    std::vector<Value> row;
    for (size_t c = 0; c < values->size(); ++c) {
      if (!(*values)[c]) throw LoadFailure("a column is left unset");
      row.push_back(c == 0 ? ZoneValue(*(*values)[c]) : Value(*(*values)[c]));
    }
    db.Execute(sql, row);
  }
  transaction.Commit();
}

bool Load(const SessionState& session, const ForecastKind& kind, platform::MessageSink& messages) {
  const int run = session.currentRunIndex;
  const int periods = session.PeriodCount(run);
  try {
    auto db = Database::Open(ResultDatabasePath(session.appFolder, session.CurrentRunCode()));
    const std::vector<std::string> fields = FieldNames(session, kind);
    for (int period = 1; period <= periods; ++period) {
      const int year = session.ForecastYear(run, period);
      const auto lines = platform::ReadTextLines(ForecastFile(session, kind, year));
      if (!lines) throw LoadFailure("forecast file missing");
      if (lines->size() > kMaxForecastLines) throw LoadFailure("more than 500 lines");
      if (period > kStoredPeriods) continue;
      LoadPeriod(*db, ResultTableName(kind.tableKind, year, session.CurrentRunCode()), fields, *lines, kind.columns);
    }
  } catch (const std::exception&) {
    messages.Show(kLoadFailedMessage, "VORAN");
    return false;
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::optional<double>>> SplitForecastLine(const std::string& line, int columns) {
  std::vector<std::optional<double>> values(static_cast<size_t>(columns));
  std::string remaining = line;
  for (int c = 1; c <= columns; ++c) {
    const size_t comma = remaining.find(',');
    if (remaining.empty()) continue;
    if (c <= 9) {
      if (comma == std::string::npos) return std::nullopt;
      values[static_cast<size_t>(c - 1)] = platform::LeadingNumber(remaining.substr(0, comma));
    } else {
      values[static_cast<size_t>(c - 1)] = platform::LeadingNumber(remaining);
    }
    if (comma != std::string::npos) remaining = remaining.substr(comma + 1);
  }
  return values;
}

bool LoadEmploymentForecast(const SessionState& session, platform::MessageSink& messages) {
  return Load(session, kEmployment, messages);
}

bool LoadHouseholdForecast(const SessionState& session, platform::MessageSink& messages) {
  return Load(session, kHouseholds, messages);
}

}  // namespace forecast::results
