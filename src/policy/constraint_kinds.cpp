#include "policy/constraint_kinds.h"

#include "platform/text.h"

namespace forecast::policy {

std::string_view GroupText(ConstraintGroup group) {
  return group == ConstraintGroup::Employee ? "Employee" : "Household";
}

ConstraintGroup GroupFromText(std::string_view text) {
  return platform::EqualsNoCase(text, "Employee") ? ConstraintGroup::Employee : ConstraintGroup::Household;
}

std::string_view RomanNumeral(int type) {
  static constexpr std::string_view kNumerals[] = {"", "I", "II", "III", "IV"};
  return type >= 1 && type <= kConstraintTypeCount ? kNumerals[type] : "";
}

}  // namespace forecast::policy
