#include "results/report_text.h"

#include "results/review_selection.h"

#include <cstdio>

namespace forecast::results {

namespace {

std::string Row(const std::string& label, const std::string& value, const std::string& tail = "") {
  char text[256];
  // Values right-aligned under the widest column heading, "Computation From QEST".
  std::snprintf(text, sizeof text, "  %-52s %21s%s", label.c_str(), value.c_str(), tail.c_str());
  return text;
}

// A number the page shows in dark red is marked, since plain text has no colour.
std::string Marked(const ReportBox& box, const std::string& tail) { return box.flagged ? tail + "  (red)" : tail; }

void Comments(std::vector<std::string>& lines, const std::string& heading, const std::vector<std::string>& comments) {
  lines.push_back(heading);
  if (comments.empty()) lines.push_back("  (none)");
  for (const std::string& comment : comments) lines.push_back("  " + comment);
}

void CategoryRows(std::vector<std::string>& lines, const std::string& heading, const std::array<std::string, 9>& names,
                  const std::array<ReportBox, 9>& boxes) {
  lines.push_back(heading);
  for (size_t k = 1; k <= 8; ++k) {
    if (names[k].empty()) continue;
    lines.push_back(Row(names[k], boxes[k].visible ? boxes[k].text : "", boxes[k].visible ? "" : "  (no base value)"));
  }
}

}  // namespace

bool ChooseReviewByCode(SessionState& session, const std::string& runCode, int period, platform::MessageSink& messages) {
  const int run = session.RunIndex(runCode);
  if (run == 0) {
    messages.Show("There is no run " + runCode + " in the run table.", "VORAN");
    return false;
  }
  const int periods = session.PeriodCount(run);
  if (period < 1 || period > periods) {
    messages.Show("Run " + runCode + " has " + std::to_string(periods) + " forecast periods; there is no period " +
                      std::to_string(period) + ".",
                  "VORAN");
    return false;
  }
  SetPeriodLabels(session, run);
  return ChooseReview(session, run, period - 1, messages);
}

std::vector<std::string> ReportText(const SessionState& session, const CategoryChangePage& page1,
                                    const TotalsChangePage& page2, const RatiosPage& page3) {
  const std::string run = session.reviewRunIndex >= 1 && session.reviewRunIndex <= kMaxRuns
                              ? session.runTypeCodes[static_cast<size_t>(session.reviewRunIndex)]
                              : std::string();
  std::vector<std::string> lines;
  lines.push_back("Analysis of Forecast Spatial Patterns");
  lines.push_back("Policy Run: " + run);
  lines.push_back("");

  lines.push_back("Page 1 of 3");
  lines.push_back("Employment and Household growth or decline in your region, as measured by");
  lines.push_back("Regional Percentage Change");
  lines.push_back("The percent change observed for WEFO variables between two time periods.");
  lines.push_back("Forecast Time Periods: " + page1.periodCaption);
  CategoryRows(lines, "Employment Category", page1.employmentHeadings, page1.employment);
  CategoryRows(lines, "Household Category", page1.householdHeadings, page1.households);
  lines.push_back("");

  lines.push_back("Page 2 of 3");
  lines.push_back("The percent change observed for WEFO variables between two time periods.");
  lines.push_back("Forecast Time Periods: " + page2.periodCaption);
  lines.push_back("PERCENTAGE CHANGE");
  lines.push_back(Row("", "Computation From QEST"));
  for (size_t i = 0; i < 3; ++i) lines.push_back(Row(TotalsRowLabels()[i], page2.boxes[i].text, Marked(page2.boxes[i], " %")));
  Comments(lines, "Comments for Computations Appearing in Red Type", page2.upperComments);
  lines.push_back("PERCENTAGE CHANGE IN LAND USE ");
  for (size_t i = 3; i < 5; ++i) lines.push_back(Row(TotalsRowLabels()[i], page2.boxes[i].text, Marked(page2.boxes[i], " %")));
  Comments(lines, "Comments for Computations Appearing in Red Type", page2.lowerComments);
  lines.push_back("");

  lines.push_back("Page 3 of 3");
  lines.push_back("REGIONAL RATIOS");
  lines.push_back(
      "The following two ratios, calculated from QEST variables, are indicators of your region's socioeconomic "
      "structure.");
  lines.push_back("Forecast Time Periods: " + page3.periodCaption);
  lines.push_back(Row("", "Computation from QEST", "   Expected Value Range"));
  for (size_t i = 0; i < 2; ++i) {
    lines.push_back(Row(RatioRowLabels()[i], page3.ratios[i].text, Marked(page3.ratios[i], "       1.00 - 3.00")));
  }
  Comments(lines, " Comments for Computations Appearing in Red Type", page3.comments);
  return lines;
}

}  // namespace forecast::results
