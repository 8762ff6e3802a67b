#pragma once

#include "impedance/impedance_report.h"

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace forecast::pages {

// The body of the two impedance reports: the average, smallest and largest
// impedance in read-only boxes txt_empl0..2 and the two 4x4 blocks in the
// four-column lists List1 and List2; differing values in dark red.
class ImpedanceReportView : public QWidget {
 public:
  explicit ImpedanceReportView(const impedance::ImpedanceReport& report, QWidget* parent = nullptr);

 private:
  QLineEdit* AddValueBox(int index, const QString& caption, const std::string& value, bool differs);
  QListWidget* AddBlockList(const char* name, const std::array<std::string, 16>& entries, bool differs);
};

// Colour of a value that differs from the one entered (colour value 192).
inline constexpr const char* kDifferingValue = "#c00000";

}  // namespace forecast::pages
