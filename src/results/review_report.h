#pragma once

#include "core/session_state.h"

#include <array>
#include <string>
#include <vector>

namespace forecast::results {

// One shown number of the report.
struct ReportBox {
  std::string text = "0";
  double value = 0;      // the number as shown, read back from the text
  bool visible = true;
  bool flagged = false;  // shown in dark red
};

// Page 1: regional percentage change per category.
struct CategoryChangePage {
  std::string periodCaption;
  std::array<std::string, 9> employmentHeadings;  // 1-based; "" where hidden
  std::array<std::string, 9> householdHeadings;
  std::array<ReportBox, 9> employment;  // 1-based
  std::array<ReportBox, 9> households;
};

// Page 2: regional percentage change of totals and land, with warnings.
struct TotalsChangePage {
  std::string periodCaption;
  std::array<ReportBox, 5> boxes;  // households, employment, population, developed land, vacant land
  std::vector<std::string> upperComments;
  std::vector<std::string> lowerComments;
};

// Page 3: two regional ratios, with warnings.
struct RatiosPage {
  std::string periodCaption;
  std::array<ReportBox, 2> ratios;  // population per household, population per employee
  std::vector<std::string> comments;
};

// The row labels of pages 2 and 3.
const std::array<std::string, 5>& TotalsRowLabels();
const std::array<std::string, 2>& RatioRowLabels();

inline constexpr const char* kRunNotCompletedMessage =
    "You have not completed this policy run. Please pick another policy run.";

// Reads the result tables of the review run for the current period, leaves
// the regional sums in the session's review totals and computes page 1.
// False when the run's database, a table, a field or enough zone rows are
// missing.
bool ComputeCategoryChangePage(SessionState& session, CategoryChangePage* page);
// Pages 2 and 3 compute from the review totals and the base-year totals only.
TotalsChangePage ComputeTotalsChangePage(const SessionState& session);
RatiosPage ComputeRatiosPage(const SessionState& session);

}  // namespace forecast::results
