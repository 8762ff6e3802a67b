#pragma once

#include "core/session_state.h"
#include "policy/constraint_kinds.h"

#include <vector>

namespace forecast::policy {

// One grid to edit: a type, forecast year and group.
struct ConstraintEntry {
  int type = 0;
  int year = 0;
  ConstraintGroup group = ConstraintGroup::Employee;
  bool operator==(const ConstraintEntry&) const = default;
};

// The two boxes of one forecast period on the year choice of a type.
struct PeriodChoice {
  bool employment = false;
  bool household = false;
};

// Stores the boxes of the year choice (row i is period i + 1) into the session
// and lists the grids to edit, in period order, employees before households.
std::vector<ConstraintEntry> ApplyYearChoices(SessionState& session, int type, const std::vector<PeriodChoice>& rows);

// Steps through a list of dialogs shown one after the other: Continue moves
// on, Back returns to the one before, Exit ends the walk.
class DialogWalk {
 public:
  enum class Step {
    Show,       // show the dialog at Current()
    Finished,   // Continue past the last one (or the list is empty)
    BackedOut,  // Back on the first one
    Exited,     // Exit on any
  };
  explicit DialogWalk(int count) : count_(count) {}
  Step Start();
  Step After(PageResult result);
  int Current() const { return current_; }

 private:
  int count_;
  int current_ = 0;
};

}  // namespace forecast::policy
