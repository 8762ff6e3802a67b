#include "models/allocation_report.h"

#include "models/model_text.h"

namespace forecast::models {

std::string CategoryLabel(const std::vector<std::string>& names, int category) {
  const auto index = static_cast<size_t>(category);
  const std::string name = index < names.size() && !names[index].empty() ? names[index] : "Cat" + std::to_string(category + 1);
  return std::to_string(category + 1) + " " + name;
}

void ReportRunHeader(ReportLines& report, const std::string& heading, const CardPreamble& preamble, int zones, int employmentCategories,
                     int householdCategories, int constraintCode, const std::string& switches) {
  report.Line(heading);
  report.Line(preamble.title);
  report.Line("Run and period: " + preamble.runLine + " (" + std::to_string(preamble.startYear) + " to " +
              std::to_string(preamble.endYear) + ")");
  report.Line("Zones: " + std::to_string(zones) + "   Employment categories: " + std::to_string(employmentCategories) +
              "   Household categories: " + std::to_string(householdCategories) + "   Constraint code: " + std::to_string(constraintCode));
  report.Line("Switches as on the card (recorded, not used): " + switches);
}

void ReportConstraints(ReportLines& report, const ConstrainedAllocation& allocation, int constraintCode,
                       const std::vector<std::string>& names) {
  report.Heading("Constraints");
  const auto kinds = ConstraintKindsOfCode(constraintCode);
  std::string inForce;
  for (ConstraintKind kind : kinds ? *kinds : std::vector<ConstraintKind>{}) {
    inForce += (inForce.empty() ? "" : ", ") + std::string(ConstraintKindName(kind));
  }
  report.Line("Types in force: " + (inForce.empty() ? std::string("none") : inForce));
  if (allocation.outcomes.empty()) {
    report.Line("No constraint rows.");
    return;
  }
  const std::vector<size_t> widths = {6, 6, 12, 14, 12, 14, 14};
  report.Row({"Line", "Zone", "Type", "Category", "Value", "Before", "After"}, widths);
  for (const ConstraintOutcome& outcome : allocation.outcomes) {
    const LocationConstraint& c = outcome.constraint;
    const std::string category = c.kind == ConstraintKind::ZoneTotal ? "all" : CategoryLabel(names, c.category - 1);
    report.Row({std::to_string(c.cardLine), std::to_string(c.zone), ConstraintKindName(c.kind), category, PlainDecimal(c.value),
                Decimals(outcome.before, 4), Decimals(outcome.after, 4)},
               widths);
    if (!outcome.note.empty()) report.Line("      " + outcome.note);
  }
}

void ReportProblemsAndNotes(ReportLines& report, const ConstrainedAllocation& allocation, const std::vector<std::string>& notes) {
  report.Heading("Totals and constraints that could not be met");
  if (allocation.problems.empty()) report.Line("None: every regional total and every constraint is met.");
  for (const std::string& problem : allocation.problems) report.Line(problem);
  if (!notes.empty()) {
    report.Heading("Notes");
    for (const std::string& note : notes) report.Line(note);
  }
}

}  // namespace forecast::models
