#pragma once

#include "inputs/print_files.h"
#include "inputs/region_settings.h"
#include "inputs/regression_report.h"
#include "platform/database.h"
#include "platform/text.h"

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

  TextRecord empAtrmodParameters;
  TextRecord resAtrmodParameters;
  TextRecord empalCardParameters;
  TextRecord dramCardParameters;

  std::unique_ptr<platform::Database> parmDatabase;
  std::unique_ptr<platform::Database> inputDatabase;

  inputs::BaseEmploymentTotals baseEmploymentTotals;
  inputs::BaseHouseholdTotals baseHouseholdTotals;
  inputs::BaseLandUseTotals baseLandUseTotals;

  // The current run's code, or "" when no run is current.
  std::string CurrentRunCode() const {
    return currentRunIndex >= 1 && currentRunIndex <= kMaxRuns ? runTypeCodes[static_cast<size_t>(currentRunIndex)]
                                                               : std::string();
  }
  std::int16_t ForecastYear(int run, int period) const {
    if (run < 1 || run > kMaxRuns || period < 1 || period > kMaxPeriods) return 0;
    return forecastYears[static_cast<size_t>(run)][static_cast<size_t>(period)];
  }
};

}  // namespace forecast
