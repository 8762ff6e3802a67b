#pragma once

#include <string>
#include <vector>

#include "models/card_preamble.h"
#include "models/constrained_allocation.h"
#include "models/report_lines.h"

namespace forecast::models {

// The parts the EMPAL and DRAM reports share.
void ReportRunHeader(ReportLines& report, const std::string& heading, const CardPreamble& preamble, int zones, int employmentCategories,
                     int householdCategories, int constraintCode, const std::string& switches);
void ReportConstraints(ReportLines& report, const ConstrainedAllocation& allocation, int constraintCode, const std::vector<std::string>& names);
// Totals that could not be met and other problems, then the notes.
void ReportProblemsAndNotes(ReportLines& report, const ConstrainedAllocation& allocation, const std::vector<std::string>& notes);
std::string CategoryLabel(const std::vector<std::string>& names, int category);

}  // namespace forecast::models
