#include "policy/projections/run_projections.h"

#include "inputs/region_files.h"
#include "platform/database.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace forecast::policy {

using platform::Database;
using platform::Transaction;
using platform::Value;

namespace {

constexpr int kHeadingRows = 2;

const std::vector<std::string>& ReopenedTables() {
  static const std::vector<std::string> tables = {"EMP_ATRMOD", "REG_COMMUTING", "REG_EMP_HH",     "RES_ATRMOD",
                                                  "VORAN-EMP_CARD", "VORAN-RES_CARD", "UN_EMP",  "Projections",
                                                  "REG_EMP",    "CONV_MATRIX"};
  return tables;
}

std::string Column(int number) { return "F" + std::to_string(number); }

std::int16_t YearOf(const Value& value) {
  const double year = std::trunc(value.ToDouble());
  if (year < std::numeric_limits<std::int16_t>::min() || year > std::numeric_limits<std::int16_t>::max()) return 0;
  return static_cast<std::int16_t>(year);
}

}  // namespace

std::string ProjectionsTableName(const std::string& runCode) { return "Projections_" + runCode; }

RunProjections LoadRunProjections(SessionState& session) {
  RunProjections result;
  const int run = session.currentRunIndex;
  if (run < 1 || run > kMaxRuns || !session.inputDatabase) {
    throw platform::DatabaseError("No forecast run is current, so there are no run projections to show.");
  }
  result.runCode = session.CurrentRunCode();
  result.tableName = ProjectionsTableName(result.runCode);
  result.periodCount = session.runTypePeriodCounts[static_cast<size_t>(run)];

  Database& db = *session.inputDatabase;
  auto table = db.OpenRecordset(result.tableName);
  {
    Transaction transaction(db);
    while (table->RecordCount() > result.periodCount + kHeadingRows) {
      table->MoveLast();
      table->Delete();
    }
    transaction.Commit();
  }

  const int available = std::max(0, table->RecordCount() - kHeadingRows);
  const int readable = std::min({result.periodCount, available, static_cast<int>(kMaxPeriods)});
  auto& years = session.forecastYears[static_cast<size_t>(run)];
  for (int p = 1; p <= readable; ++p) {
    table->MoveFirst();
    table->Move(kHeadingRows + p - 1);
    years[static_cast<size_t>(p)] = YearOf(table->Field("F1"));
    if (p > kMaxShownPeriods) continue;
    ProjectionLine line;
    line.year = table->Text("F1");
    line.population = table->Text("F2");
    for (int c = 1; c <= kMaxCategories; ++c) line.employment[static_cast<size_t>(c - 1)] = table->Text(Column(c + 2));
    line.totalEmployment = table->Text("F11");
    result.lines.push_back(std::move(line));
  }
  return result;
}

std::string ReopenInputDatabase(SessionState& session) {
  session.inputDatabase.reset();
  try {
    session.inputDatabase =
        Database::Open(inputs::RegionFile(session.appFolder, inputs::kInputDatabaseFile));
    for (const std::string& table : ReopenedTables()) session.inputDatabase->OpenRecordset(table);
  } catch (const std::exception& e) {
    return e.what();
  }
  return {};
}

std::string SaveRunProjections(SessionState& session, const RunProjections& projections) {
  if (!session.inputDatabase) return "The input database is not open.";
  try {
    Database& db = *session.inputDatabase;
    auto table = db.OpenRecordset(projections.tableName);
    Transaction transaction(db);
    const int rows = std::min<int>(static_cast<int>(projections.lines.size()), table->RecordCount() - kHeadingRows);
    for (int p = 1; p <= rows; ++p) {
      const ProjectionLine& line = projections.lines[static_cast<size_t>(p - 1)];
      table->MoveFirst();
      table->Move(kHeadingRows + p - 1);
      table->Edit();
      table->SetField("F1", Value(line.year));
      for (int c = 1; c <= kMaxCategories; ++c) {
        table->SetField(Column(c + 2), Value(line.employment[static_cast<size_t>(c - 1)]));
      }
      table->SetField("F11", Value(line.totalEmployment));
      table->SetField("F2", Value(line.population));
      table->Update();
    }
    transaction.Commit();
  } catch (const std::exception& e) {
    return e.what();
  }
  return ReopenInputDatabase(session);
}

}  // namespace forecast::policy
