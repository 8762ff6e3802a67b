#pragma once

#include "core/session_state.h"
#include "support/region_fixture.h"

#include <string>
#include <vector>

namespace forecast::testing {

// A demo region after start-up, with hand-made forecast files for its
// baseline run: every zone gets the base-year values times a growth factor
// per period.
class ForecastedRegion {
 public:
  explicit ForecastedRegion(int periods = 3, int zones = 12);
  DemoRegionFolder region;
  SessionState session;

  // The lines of a period's employment (household) forecast file.
  std::vector<std::string> EmploymentLines(int period) const;
  std::vector<std::string> HouseholdLines(int period) const;
  void WriteForecastFiles(int period, const std::vector<std::string>& employment, const std::vector<std::string>& households) const;
  std::filesystem::path ForecastFile(const std::string& prefix, int period) const;
  double Growth(int period) const { return 1.0 + 0.04 * period; }
};

}  // namespace forecast::testing
