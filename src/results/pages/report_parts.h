#pragma once

#include "core/pages/page.h"
#include "results/review_report.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace forecast::pages {

// Pieces the three report pages share.
// A label styled by its role ("paragraph", "subtitle", "caption", "pageOf"),
// so that it may carry its control name as object name; long texts wrap.
QLabel* MakeLabel(const QString& text, const char* role, QWidget* parent, bool wrap = false);
// A read-only number box; flagged boxes show their text in dark red.
QLineEdit* MakeValueBox(const results::ReportBox& box, const QString& name, QWidget* parent);
// A comment list headed "Comments for Computations Appearing in Red Type".
QListWidget* MakeCommentList(const std::vector<std::string>& comments, const QString& heading, const QString& name,
                             QWidget* parent, QLayout* into);
// "Forecast Time Periods" with the period caption.
QWidget* MakePeriodCaption(const std::string& caption, const QString& name, QWidget* parent);
// The report page's Print button: page setup first, then the page as it stands.
void ConnectReportPrint(Page* page);

inline constexpr const char* kReportTitle = "Analysis of Forecast Spatial Patterns";
inline constexpr const char* kFrameCaption = "The percent change observed for WEFO variables between two time periods.";

}  // namespace forecast::pages
