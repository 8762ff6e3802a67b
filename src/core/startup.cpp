#include "core/startup.h"

#include "inputs/region_files.h"

#include <charconv>
#include <limits>
#include <stdexcept>

namespace forecast {

using platform::Database;
using platform::DatabaseError;
using platform::Transaction;
using platform::Value;

namespace {

const std::vector<std::string> kAtrmodColumns = {"ATRMOD_RUN",   "RES_4_DRAM",  "RES_SOURCE",  "MOD_PROCEDURE",
                                                 "ATTEN_FACTOR", "INPUT_FILE1", "INPUT_FILE2", "INPUT_FILE3",
                                                 "INPUT_FILE4",  "INPUT_FILE5", "INPUT_FILE6", "INPUT_FILE7",
                                                 "INPUT_FILE8"};
const std::vector<std::string> kEmpCardColumns = {"IFCON", "IFKFAC", "AKFAC", "IEX",   "NVARX1", "NVARX2", "NDAT1", "NDAT2",
                                                  "NDAT3", "NDAT4",  "NDAT5", "NDAT6", "NDAT7",  "NDAT8",  "RUN_TYPE"};
const std::vector<std::string> kResCardColumns = {"TRIP_GEN", "IFCON", "IFKK", "IFLAND", "KFAC_ATT", "IEQSLN",
                                                  "LUIT",     "ITRHH", "BET4", "ILAGV",  "IEXTV",    "RUN_TYPE"};

// A start-up step that cannot go on.
struct StartupFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::int16_t ToInt16(const Value& value, const std::string& what) {
  const auto number = value.AsNumber();
  if (!number || *number != static_cast<double>(static_cast<std::int64_t>(*number)) ||
      *number < std::numeric_limits<std::int16_t>::min() || *number > std::numeric_limits<std::int16_t>::max()) {
    throw StartupFailure(what + " must be a whole number, not \"" + value.ToText() + "\".");
  }
  return static_cast<std::int16_t>(*number);
}

void CopyRecord(Database& db, const char* table, const std::vector<std::string>& columns, TextRecord* record) {
  auto set = db.OpenRecordset(table);
  set->MoveFirst();
  if (!set->FindFirst("ID", Value(1))) {
    throw StartupFailure("The table " + std::string(table) + " in " + db.File().filename().string() +
                         " has no row with ID = 1.");
  }
  for (const std::string& column : columns) record->Set(column, set->Text(column));
}

void OpenTables(Database& db, const std::vector<std::string>& tables) {
  for (const std::string& table : tables) db.OpenRecordset(table);
}

// Projections rows after the two headings, at most ten periods.
std::vector<std::int16_t> ReadProjectionYears(Database& db, const std::string& table) {
  auto set = db.OpenRecordset(table);
  const int rows = set->RecordCount();
  if (rows > kMaxPeriods + 2) {
    throw StartupFailure("The table " + table + " has " + std::to_string(rows) +
                         " rows; it may hold two heading rows and at most 10 forecast periods.");
  }
  std::vector<std::int16_t> years;
  set->MoveFirst();
  set->Move(2);
  for (int p = 1; p <= rows - 2; ++p) {
    years.push_back(ToInt16(set->Field("F1"), "The year in row " + std::to_string(p + 2) + " of table " + table));
    set->MoveNext();
  }
  return years;
}

}  // namespace

const std::vector<std::string>& ParameterTableNames() {
  static const std::vector<std::string> names = {"parmse1", "parmse2", "parmse3", "parmse4", "parmse5", "parmse6",
                                                 "parmse7", "parmse8", "parmsh1", "parmsh2", "parmsh3", "parmsh4",
                                                 "parmsh5", "parmsh6", "parmsh7", "parmsh8"};
  return names;
}

const std::vector<std::string>& InputTableNames() {
  static const std::vector<std::string> names = {"EMP_ATRMOD", "REG_COMMUTING", "REG_EMP_HH", "RES_ATRMOD",
                                                 "VORAN-EMP_CARD", "VORAN-RES_CARD", "UN_EMP", "Projections",
                                                 "REG_EMP", "CONV_MATRIX", "runtype"};
  return names;
}

void LoadAtrmodParameters(Database& db, const char* table, TextRecord* record) {
  CopyRecord(db, table, kAtrmodColumns, record);
}

void LoadCardParameters(Database& db, const char* table, TextRecord* record) {
  CopyRecord(db, table, std::string(table) == "VORAN-EMP_CARD" ? kEmpCardColumns : kResCardColumns, record);
}

void LoadRunTypes(SessionState& session) {
  Database& db = *session.inputDatabase;
  auto set = db.OpenRecordset("runtype");
  set->MoveFirst();
  set->MoveLast();
  const int count = set->RecordCount();
  if (count > kMaxRuns) {
    throw StartupFailure("The table runtype has " + std::to_string(count) + " rows; at most 100 runs are possible.");
  }
  session.runTypeCount = count;
  session.currentRunIndex = 0;
  Transaction transaction(db);
  for (int i = 1; i <= count; ++i) {
    set->MoveFirst();
    if (!set->FindFirst("ID", Value(i))) {
      throw StartupFailure("The table runtype has no row with ID = " + std::to_string(i) +
                           "; its IDs must run from 1 to its row count.");
    }
    if (set->Text("run_type") == "BL") {
      const std::string periods = session.regionSettings.forecastPeriodCount;
      const auto number = platform::ParseNumber(periods);
      set->Edit();
      set->SetField("run_type_num_fcst_yrs", number ? Value(*number) : Value(periods));
      set->Update();
    }
    const size_t slot = static_cast<size_t>(i);
    session.runTypeCodes[slot] = set->Text("run_type");
    session.runTypeDescriptions[slot] = set->Text("run_type_desc");
    session.runTypePeriodCounts[slot] =
        ToInt16(set->Field("run_type_num_fcst_yrs"), "The period count of run " + session.runTypeCodes[slot]);
    session.runTypeIsCurrent[slot] = set->Field("yn_current_run").ToBool();
    if (session.runTypeIsCurrent[slot]) session.currentRunIndex = i;
  }
  transaction.Commit();
}

void LoadForecastYears(SessionState& session) {
  const std::vector<std::int16_t> years = ReadProjectionYears(*session.inputDatabase, "Projections");
  for (int r = 1; r <= kMaxRuns; ++r) {
    auto& row = session.forecastYears[static_cast<size_t>(r)];
    row.fill(0);
    for (size_t p = 0; p < years.size(); ++p) row[p + 1] = years[p];
  }
  const std::vector<std::int16_t> baseline = ReadProjectionYears(*session.inputDatabase, "Projections_BL");
  auto& first = session.forecastYears[1];
  for (size_t p = 0; p < baseline.size(); ++p) first[p + 1] = baseline[p];
}

StartupResult RunStartup(SessionState& session, const std::filesystem::path& appFolder) {
  StartupResult result;
  try {
    session.appFolder = appFolder;
    session.regressionValues = inputs::LoadRegressionReport(appFolder);

    const std::filesystem::path inputFile = inputs::RegionFile(appFolder, inputs::kInputDatabaseFile);
    const std::filesystem::path parmFile = inputs::RegionFile(appFolder, inputs::kParmDatabaseFile);
    // Settings first of the files that can stop start-up, so that nothing is
    // written to the databases for a region without them.
    inputs::SettingsResult settings = inputs::LoadSettings(appFolder);
    if (!settings.ok) throw StartupFailure(settings.error);

    Database::Open(inputFile)->RunStoredProcedure("transfer");

    session.parmDatabase = Database::Open(parmFile, Database::Mode::ReadOnly);
    OpenTables(*session.parmDatabase, ParameterTableNames());

    {
      auto input = Database::Open(inputFile);
      input->CopyTable("Projections", "Projections_BL");
    }

    session.inputDatabase = Database::Open(inputFile);
    OpenTables(*session.inputDatabase, InputTableNames());

    session.regionSettings = settings.settings;

    LoadAtrmodParameters(*session.inputDatabase, "RES_ATRMOD", &session.resAtrmodParameters);
    LoadAtrmodParameters(*session.inputDatabase, "EMP_ATRMOD", &session.empAtrmodParameters);
    LoadCardParameters(*session.inputDatabase, "VORAN-EMP_CARD", &session.empalCardParameters);
    LoadCardParameters(*session.inputDatabase, "VORAN-RES_CARD", &session.dramCardParameters);
    LoadRunTypes(session);
    LoadForecastYears(session);

    std::string error;
    std::vector<std::string> lines;
    if (!inputs::ReadPrnLines(appFolder, inputs::kEmploymentPrnFile, &lines, &error)) throw StartupFailure(error);
    session.baseEmploymentTotals =
        inputs::SumEmployment(inputs::ParseEmploymentPrn(lines, session.regionSettings.empCategoryCount));
    if (!inputs::ReadPrnLines(appFolder, inputs::kHouseholdPrnFile, &lines, &error)) throw StartupFailure(error);
    session.baseHouseholdTotals =
        inputs::SumHouseholds(inputs::ParseHouseholdPrn(lines, session.regionSettings.hhCategoryCount));
    if (!inputs::ReadPrnLines(appFolder, inputs::kLandUsePrnFile, &lines, &error)) throw StartupFailure(error);
    session.baseLandUseTotals = inputs::SumLandUse(inputs::ParseLandUsePrn(lines));
    result.ok = true;
  } catch (const std::exception& e) {
    result.error = e.what();
  }
  return result;
}

}  // namespace forecast
