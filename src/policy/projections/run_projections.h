#pragma once

#include "core/session_state.h"

#include <array>
#include <string>
#include <vector>

namespace forecast::policy {

// One period of a run projections table as the page shows it: every cell as text.
struct ProjectionLine {
  std::string year;                        // F1
  std::string population;                  // F2
  std::array<std::string, 8> employment;   // F3 to F10, by category
  std::string totalEmployment;             // F11
};

// The projections of the current run, at most six periods.
struct RunProjections {
  std::string runCode;
  std::string tableName;
  int periodCount = 0;                // the run's periods when the table was loaded
  std::vector<ProjectionLine> lines;  // one per period shown
};

inline constexpr int kMaxShownPeriods = 6;

// "Projections_" + run code.
std::string ProjectionsTableName(const std::string& runCode);

// Loads the current run's projections table: rows beyond the run's periods
// (after the two heading rows) are deleted for good, the run's forecast years
// are taken from the table, and the first six periods are returned. Throws
// platform::DatabaseError when the table cannot be read.
RunProjections LoadRunProjections(SessionState& session);

// Writes the lines back into their rows in one transaction, then releases the
// input database and opens it again with its tables. Returns "" or the reason
// it failed; a failed write changes nothing.
std::string SaveRunProjections(SessionState& session, const RunProjections& projections);

// Releases the input database and opens it again with the ten tables the card
// writers and the run set-up use. Returns "" or the reason.
std::string ReopenInputDatabase(SessionState& session);

}  // namespace forecast::policy
