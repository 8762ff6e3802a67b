#pragma once

#include "printing/page_printer.h"

#include <QStringList>
#include <QWidget>

namespace forecast::testing {

// Stands in for the printer while it lives: records which pages were printed.
class RecordingPrinter : public printing::PagePrinter {
 public:
  RecordingPrinter() { printing::SetActivePagePrinter(this); }
  ~RecordingPrinter() override { printing::SetActivePagePrinter(nullptr); }
  RecordingPrinter(const RecordingPrinter&) = delete;
  RecordingPrinter& operator=(const RecordingPrinter&) = delete;

  void PrintReportPage(QWidget* page) override { reports << page->objectName(); }
  void PrintHelpPage(QWidget* page) override { help << page->objectName(); }
  QStringList reports;
  QStringList help;
};

}  // namespace forecast::testing
