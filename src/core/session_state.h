#pragma once

#include "inputs/print_files.h"
#include "inputs/region_settings.h"
#include "inputs/regression_report.h"
#include "platform/database.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace forecast {

// A row of a parameter table kept as texts, exactly as the database gives them.
class TextRecord {
 public:
  void Set(const std::string& column, std::string value) {
    for (auto& entry : entries_) {
      if (platform::EqualsNoCase(entry.first, column)) {
        entry.second = std::move(value);
        return;
      }
    }
    entries_.emplace_back(column, std::move(value));
  }
  // The text of a column, "" when the record has none.
  std::string Get(std::string_view column) const {
    for (const auto& entry : entries_) {
      if (platform::EqualsNoCase(entry.first, column)) return entry.second;
    }
    return {};
  }
  const std::vector<std::pair<std::string, std::string>>& Entries() const { return entries_; }

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
};

// Regional sums of the period under review and of the period before it, in
// 32-bit floating point as the report computes them.
struct ReviewTotals {
  float previousEmployment = 0, employment = 0;
  float previousHouseholds = 0, households = 0;
  float previousPopulation = 0, population = 0;
  float previousVacantLand = 0, vacantLand = 0;
  float previousDevelopedLand = 0, developedLand = 0;
};

// The control values of one forecast-year impedance file, kept as typed.
// Block value k stands in row k / 4, column k % 4 of its corner of the matrix.
struct ImpedanceControlValues {
  std::string average;
  std::string smallest;
  std::string largest;
  std::array<std::string, 16> top;
  std::array<std::string, 16> bottom;
};

// What the impedance converter reported about the file it converted, as texts.
struct ImpedanceCheckValues {
  std::string smallest;
  std::string largest;
  std::string average;
  std::array<std::array<std::string, 4>, 4> top;     // [row][column]
  std::array<std::array<std::string, 4>, 4> bottom;  // [row][column]
};

inline constexpr int kMaxRuns = 100;
inline constexpr int kMaxPeriods = 10;
inline constexpr int kMaxCategories = 8;

// The one process-wide state of a session, filled at start-up and changed by
// the pages. Arrays are 1-based as the suite counts: slot 0 is unused.
struct SessionState {
  std::filesystem::path appFolder;

  std::string resumePageName;
  std::string exitBackPageName;
  std::string previousPageName;

  inputs::RegionSettings regionSettings;
  inputs::RegressionValues regressionValues;

  int runTypeCount = 0;
  std::array<std::string, kMaxRuns + 1> runTypeCodes;
  std::array<std::string, kMaxRuns + 1> runTypeDescriptions;
  std::array<std::int16_t, kMaxRuns + 1> runTypePeriodCounts{};
  std::array<bool, kMaxRuns + 1> runTypeIsCurrent{};
  int currentRunIndex = 0;
  std::array<std::array<std::int16_t, kMaxPeriods + 1>, kMaxRuns + 1> forecastYears{};
  int currentPeriodIndex = 0;

  // The review of a run's results: the run chosen, the period captions of
  // that run and the regional sums that the report pages share.
  int reviewRunIndex = 0;
  std::array<std::string, kMaxPeriods + 1> periodLabels;
  ReviewTotals reviewTotals;

  // Forecast-year impedance files of this session: the count chosen, the
  // year of file f for run r as impedanceYears[f][r] (0 = none), the file
  // being checked is currentPeriodIndex.
  int impedanceFileCount = 0;
  std::array<std::array<std::int16_t, kMaxRuns + 1>, kMaxPeriods + 1> impedanceYears{};
  // Set on entering the chain, cleared once the base-year files are backed up.
  bool impedanceBackupPending = false;
  std::array<ImpedanceControlValues, 7> enteredImpedanceValues;  // per file 1..6
  ImpedanceCheckValues impdCheckValues;
  bool impedanceDiscrepancy = false;
  // The last answer to "Is your FY-ZANT Impedance data ready": Yes until one is given.
  bool impedanceDataReady = true;

  TextRecord empAtrmodParameters;
  TextRecord resAtrmodParameters;
  TextRecord empalCardParameters;
  TextRecord dramCardParameters;

  std::unique_ptr<platform::Database> parmDatabase;
  std::unique_ptr<platform::Database> inputDatabase;

  inputs::BaseEmploymentTotals baseEmploymentTotals;
  inputs::BaseHouseholdTotals baseHouseholdTotals;
  inputs::BaseLandUseTotals baseLandUseTotals;

  // Location constraints in force, chosen for this session only:
  // [type 1..4][period 1..10][group 1 Employee, 2 Household].
  std::array<std::array<std::array<bool, 3>, kMaxPeriods + 1>, 5> constraintSelected{};
  // How the last constraint dialog was left: 1 Exit, 2 Back, 4 Continue.
  std::int16_t constraintPageResult = 0;

  // The current run's code, or "" when no run is current.
  std::string CurrentRunCode() const {
    return currentRunIndex >= 1 && currentRunIndex <= kMaxRuns ? runTypeCodes[static_cast<size_t>(currentRunIndex)]
                                                               : std::string();
  }
  // The number of forecast periods of a run, at most the ten a session holds; 0 for no run.
  int PeriodCount(int run) const {
    if (run < 1 || run > kMaxRuns) return 0;
    return std::min<int>(runTypePeriodCounts[static_cast<size_t>(run)], kMaxPeriods);
  }
  // The index of the run with this code, 0 when the run table has none.
  int RunIndex(const std::string& runCode) const {
    for (int i = 1; i <= runTypeCount && i <= kMaxRuns; ++i) {
      if (runTypeCodes[static_cast<size_t>(i)] == runCode) return i;
    }
    return 0;
  }
  std::int16_t ForecastYear(int run, int period) const {
    if (run < 1 || run > kMaxRuns || period < 1 || period > kMaxPeriods) return 0;
    return forecastYears[static_cast<size_t>(run)][static_cast<size_t>(period)];
  }
};

}  // namespace forecast
