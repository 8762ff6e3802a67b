#pragma once

#include <cstdint>
#include <string_view>

namespace forecast::policy {

// Types 1 exact, 2 total, 3 maximum, 4 minimum.
inline constexpr int kConstraintTypeCount = 4;

// Group 1 is employees, group 2 households; the table stores the group as text.
enum class ConstraintGroup { Employee = 1, Household = 2 };

inline constexpr ConstraintGroup kConstraintGroups[] = {ConstraintGroup::Employee, ConstraintGroup::Household};

// "Employee" or "Household", as the const table keeps it.
std::string_view GroupText(ConstraintGroup group);
// "Employee" in any case is the employee group; any other text the household group.
ConstraintGroup GroupFromText(std::string_view text);
inline int GroupIndex(ConstraintGroup group) { return static_cast<int>(group); }

// "I" to "IV"; "" outside 1..4.
std::string_view RomanNumeral(int type);

// How a constraint dialog was left.
enum class PageResult : std::int16_t { Exit = 1, Back = 2, Continue = 4 };

}  // namespace forecast::policy
