#pragma once

#include "core/session_state.h"

#include <filesystem>
#include <string>

namespace forecast {

struct StartupResult {
  bool ok = false;
  std::string error;  // one clear sentence naming the file or table and the problem
};

// Fills the session from the region in the application folder, in the order
// the suite relies on: calibration report, the input database's "transfer"
// procedure, the parameter database, a fresh copy of the projections for the
// baseline, the input database, settings, parameter records, run table,
// forecast years and the base-year print files. Stops at the first failure.
StartupResult RunStartup(SessionState& session, const std::filesystem::path& appFolder);

// The single steps, for the pages that reload part of the state.
void LoadAtrmodParameters(platform::Database& db, const char* table, TextRecord* record);
void LoadCardParameters(platform::Database& db, const char* table, TextRecord* record);
void LoadRunTypes(SessionState& session);
void LoadForecastYears(SessionState& session);

// The tables start-up opens, in order.
const std::vector<std::string>& ParameterTableNames();
const std::vector<std::string>& InputTableNames();

}  // namespace forecast
