#include "policy/constraint_flow.h"

#include "policy/constraint_calendar.h"
#include "policy/constraint_selection.h"

namespace forecast::policy {

std::vector<ConstraintEntry> ApplyYearChoices(SessionState& session, int type, const std::vector<PeriodChoice>& rows) {
  const ConstraintCalendar calendar = CalendarOf(session.regionSettings);
  std::vector<ConstraintEntry> entries;
  for (size_t i = 0; i < rows.size(); ++i) {
    const int period = static_cast<int>(i) + 1;
    const int year = calendar.YearOfPeriod(period);
    SetConstraintSelected(session, type, period, ConstraintGroup::Employee, rows[i].employment);
    SetConstraintSelected(session, type, period, ConstraintGroup::Household, rows[i].household);
    if (rows[i].employment) entries.push_back({type, year, ConstraintGroup::Employee});
    if (rows[i].household) entries.push_back({type, year, ConstraintGroup::Household});
  }
  return entries;
}

DialogWalk::Step DialogWalk::Start() {
  current_ = 0;
  return count_ > 0 ? Step::Show : Step::Finished;
}

DialogWalk::Step DialogWalk::After(PageResult result) {
  switch (result) {
    case PageResult::Exit: return Step::Exited;
    case PageResult::Back:
      if (current_ == 0) return Step::BackedOut;
      --current_;
      return Step::Show;
    case PageResult::Continue:
      if (current_ + 1 >= count_) return Step::Finished;
      ++current_;
      return Step::Show;
  }
  return Step::Exited;
}

}  // namespace forecast::policy
