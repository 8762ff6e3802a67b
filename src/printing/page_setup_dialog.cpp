#include "printing/page_setup_dialog.h"

#include <QPageSetupDialog>
#include <QPrinter>

#include <algorithm>

namespace forecast::printing {

PageSetupDialog::PageSetupDialog() : printer_(new QPrinter(QPrinter::HighResolution)) {}

PageSetupDialog::~PageSetupDialog() { delete printer_; }

void PageSetupDialog::ShowPageSetupDlg() {
  printer_->setPageMargins(QMarginsF(std::max(Left, MinLeft), std::max(Top, MinTop), std::max(Right, MinRight),
                                     std::max(Bottom, MinBottom)),
                           QPageLayout::Millimeter);
  QPageSetupDialog dialog(printer_, hwnd);
  error_ = dialog.exec() == QDialog::Accepted ? 1 : 0;
  if (error_) {
    const QMarginsF margins = printer_->pageLayout().margins(QPageLayout::Millimeter);
    Left = margins.left();
    Top = margins.top();
    Right = margins.right();
    Bottom = margins.bottom();
  }
}

double PageSetupDialog::x() const { return printer_->pageLayout().fullRect(QPageLayout::Millimeter).width(); }
double PageSetupDialog::y() const { return printer_->pageLayout().fullRect(QPageLayout::Millimeter).height(); }
QString PageSetupDialog::Printer() const { return printer_->printerName(); }
int PageSetupDialog::PaperSize() const { return static_cast<int>(printer_->pageLayout().pageSize().id()); }
int PageSetupDialog::Orientation() const { return static_cast<int>(printer_->pageLayout().orientation()); }

}  // namespace forecast::printing
