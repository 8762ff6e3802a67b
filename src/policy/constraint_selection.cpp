#include "policy/constraint_selection.h"

#include "policy/constraint_calendar.h"

namespace forecast::policy {

namespace {

// Codes of the sets of types 1 to 3, indexed by the mask type 1 = 1, type 2 = 2, type 3 = 4.
constexpr int kCodeOfFirstThree[8] = {0, 1, 2, 4, 3, 5, 6, 7};

bool ValidSlot(int type, int period) {
  return type >= 1 && type <= kConstraintTypeCount && period >= 1 && period <= kMaxPeriods;
}

}  // namespace

int ConstraintCodeOf(const ConstraintTypeSet& types) {
  const int mask = (types[1] ? 1 : 0) | (types[2] ? 2 : 0) | (types[3] ? 4 : 0);
  return kCodeOfFirstThree[mask] + (types[4] ? 8 : 0);
}

bool CodeIncludesType(int code, int type) {
  if (code < 0 || code > 15 || type < 1 || type > kConstraintTypeCount) return false;
  if (type == 4) return code >= 8;
  for (int mask = 0; mask < 8; ++mask) {
    if (kCodeOfFirstThree[mask] == code % 8) return (mask & (1 << (type - 1))) != 0;
  }
  return false;
}

bool IsConstraintSelected(const SessionState& session, int type, int period, ConstraintGroup group) {
  if (!ValidSlot(type, period)) return false;
  return session.constraintSelected[static_cast<size_t>(type)][static_cast<size_t>(period)]
                                   [static_cast<size_t>(GroupIndex(group))];
}

void SetConstraintSelected(SessionState& session, int type, int period, ConstraintGroup group, bool selected) {
  if (!ValidSlot(type, period)) return;
  session.constraintSelected[static_cast<size_t>(type)][static_cast<size_t>(period)]
                            [static_cast<size_t>(GroupIndex(group))] = selected;
}

int ConstraintTypeCode(const SessionState& session, int year, ConstraintGroup group) {
  const std::optional<int> period = CalendarOf(session.regionSettings).PeriodOfYear(year);
  if (!period) return 0;
  ConstraintTypeSet types{};
  for (int type = 1; type <= kConstraintTypeCount; ++type) {
    types[static_cast<size_t>(type)] = IsConstraintSelected(session, type, *period, group);
  }
  return ConstraintCodeOf(types);
}

int ConstraintTypeCode(const SessionState& session, int year, std::string_view groupText) {
  return ConstraintTypeCode(session, year, GroupFromText(groupText));
}

void ClearConstraintType(SessionState& session, int type) {
  for (int period = 1; period <= kMaxPeriods; ++period) {
    for (ConstraintGroup group : kConstraintGroups) SetConstraintSelected(session, type, period, group, false);
  }
}

std::vector<int> YearsWithConstraints(const SessionState& session) {
  const ConstraintCalendar calendar = CalendarOf(session.regionSettings);
  std::vector<int> years;
  for (int period = 1; period <= calendar.periodCount; ++period) {
    bool any = false;
    for (int type = 1; type <= kConstraintTypeCount; ++type) {
      for (ConstraintGroup group : kConstraintGroups) any = any || IsConstraintSelected(session, type, period, group);
    }
    if (any) years.push_back(calendar.YearOfPeriod(period));
  }
  return years;
}

}  // namespace forecast::policy
