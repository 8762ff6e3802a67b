#pragma once

#include <QPageLayout>
#include <QString>

class QPrinter;
class QWidget;

namespace forecast::printing {

// The page-setup dialog of a report page, keeping what the user chose:
// margins (in millimetres), paper size, orientation and printer.
class PageSetupDialog {
 public:
  PageSetupDialog();
  ~PageSetupDialog();
  PageSetupDialog(const PageSetupDialog&) = delete;
  PageSetupDialog& operator=(const PageSetupDialog&) = delete;

  QWidget* hwnd = nullptr;  // the owner window
  double Top = 10, Bottom = 10, Left = 10, Right = 10;
  double MinTop = 0, MinBottom = 0, MinLeft = 0, MinRight = 0;

  // Shows the dialog; Error() is non-zero when the user confirmed.
  void ShowPageSetupDlg();
  int Error() const { return error_; }
  double x() const;  // paper width in millimetres
  double y() const;  // paper height
  QString Printer() const;
  int PaperSize() const;
  int Orientation() const;

  // The printer as set up, for printing the page.
  QPrinter& Device() { return *printer_; }

 private:
  QPrinter* printer_;
  int error_ = 0;
};

}  // namespace forecast::printing
