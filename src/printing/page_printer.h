#pragma once

#include <QString>

#include <vector>

class QPrinter;
class QWidget;

namespace forecast::printing {

// Prints a page as it stands on screen.
class PagePrinter {
 public:
  virtual ~PagePrinter() = default;
  // Report pages: the page-setup dialog first; printed only when confirmed.
  virtual void PrintReportPage(QWidget* page) = 0;
  // Information and help pages: printed at once.
  virtual void PrintHelpPage(QWidget* page) = 0;
};

// The printer the pages use; tests put a fake in its place.
PagePrinter& ActivePagePrinter();
void SetActivePagePrinter(PagePrinter* printer);

// Draws a widget onto the printer's page, scaled to fit and centred at the top.
void RenderWidget(QWidget* widget, QPrinter& printer);

// Writes widgets as the pages of one PDF file; false when it cannot be written.
bool WriteWidgetsToPdf(const std::vector<QWidget*>& widgets, const QString& file);

// Qt's printing: the system's printers, or a PDF file when none is installed.
class QtPagePrinter : public PagePrinter {
 public:
  void PrintReportPage(QWidget* page) override;
  void PrintHelpPage(QWidget* page) override;
};

}  // namespace forecast::printing
