#pragma once

#include "core/session_state.h"
#include "policy/constraint_kinds.h"

#include <array>
#include <string_view>
#include <vector>

namespace forecast::policy {

// Which constraint types (index 1..4, slot 0 unused) are in force.
using ConstraintTypeSet = std::array<bool, kConstraintTypeCount + 1>;

// The code the model cards carry for a set of types: types 1 to 3 alone are
// 1 to 3, their pairs 4 to 6, all three 7; type 4 adds 8. Not a bit mask.
int ConstraintCodeOf(const ConstraintTypeSet& types);
// Whether a code puts a type in force.
bool CodeIncludesType(int code, int type);

// The flag of one type, period and group; periods outside 1..10 read as false.
bool IsConstraintSelected(const SessionState& session, int type, int period, ConstraintGroup group);
void SetConstraintSelected(SessionState& session, int type, int period, ConstraintGroup group, bool selected);

// The code of the types chosen for a forecast year and group; 0 for a year that
// is no forecast period.
int ConstraintTypeCode(const SessionState& session, int year, ConstraintGroup group);
int ConstraintTypeCode(const SessionState& session, int year, std::string_view groupText);

// Drops a type from every period and both groups.
void ClearConstraintType(SessionState& session, int type);

// The forecast years, in period order, for which any type of either group is chosen.
std::vector<int> YearsWithConstraints(const SessionState& session);

}  // namespace forecast::policy
