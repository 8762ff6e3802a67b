#include "policy/constraint_calendar.h"

#include "core/session_state.h"
#include "platform/text.h"

#include <algorithm>
#include <cmath>

namespace forecast::policy {

namespace {
int WholePart(const std::string& text) { return static_cast<int>(std::trunc(platform::LeadingNumber(text))); }
}  // namespace

std::optional<int> ConstraintCalendar::PeriodOfYear(int year) const {
  if (step == 0) return std::nullopt;
  // nearbyint rounds a half to the even neighbour, as the suite's rounding does.
  const int period = static_cast<int>(std::nearbyint(static_cast<double>(year - dataYear) / step));
  if (period < 1 || period > kMaxPeriods) return std::nullopt;
  return period;
}

ConstraintCalendar CalendarOf(const inputs::RegionSettings& settings) {
  ConstraintCalendar calendar;
  calendar.dataYear = WholePart(settings.currentDataYear);
  calendar.step = calendar.dataYear - WholePart(settings.lagDataYear);
  calendar.periodCount = std::clamp(WholePart(settings.forecastPeriodCount), 0, kMaxPeriods);
  return calendar;
}

}  // namespace forecast::policy
