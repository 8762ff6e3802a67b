#pragma once

#include "inputs/region_settings.h"

#include <optional>

namespace forecast::policy {

// The forecast years as the constraints see them: period p ends in the current
// data year + p x step, the step being the current data year minus the lag data year.
struct ConstraintCalendar {
  int dataYear = 0;
  int step = 0;
  int periodCount = 0;  // at most 10, the periods a session can hold

  int YearOfPeriod(int period) const { return dataYear + step * period; }
  // The period of a year, (year - data year) / step rounded half to even;
  // nothing when the step is 0 or the period lies outside 1..10.
  std::optional<int> PeriodOfYear(int year) const;
};

// Each setting counts by the whole-number part of its value.
ConstraintCalendar CalendarOf(const inputs::RegionSettings& settings);

}  // namespace forecast::policy
