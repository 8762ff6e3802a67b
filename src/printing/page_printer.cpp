#include "printing/page_printer.h"

#include "printing/page_setup_dialog.h"

#include <QFileDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <memory>

namespace forecast::printing {

namespace {

QtPagePrinter& RealPrinter() {
  static QtPagePrinter real;
  return real;
}

PagePrinter*& Active() {
  static PagePrinter* active = &RealPrinter();
  return active;
}

// Without an installed printer the page goes to a PDF file the user names.
bool ChoosePdfWhenNoPrinter(QPrinter& printer, QWidget* owner) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) return true;
  const QString file = QFileDialog::getSaveFileName(owner, "No printer is installed: print to a PDF file",
                                                    QString(), "PDF files (*.pdf)");
  if (file.isEmpty()) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file.endsWith(".pdf", Qt::CaseInsensitive) ? file : file + ".pdf");
  return true;
}

void DrawScaled(QWidget* widget, QPainter& painter, const QRect& area) {
  const QSize size = widget->size();
  const double scale = std::min(static_cast<double>(area.width()) / size.width(),
                                static_cast<double>(area.height()) / size.height());
  painter.save();
  painter.translate(area.left() + (area.width() - size.width() * scale) / 2, area.top());
  painter.scale(scale, scale);
  widget->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  painter.restore();
}

}  // namespace

PagePrinter& ActivePagePrinter() { return *Active(); }

void SetActivePagePrinter(PagePrinter* printer) { Active() = printer ? printer : &RealPrinter(); }

void RenderWidget(QWidget* widget, QPrinter& printer) {
  QPainter painter(&printer);
  DrawScaled(widget, painter, printer.pageLayout().paintRectPixels(printer.resolution()));
}

bool WriteWidgetsToPdf(const std::vector<QWidget*>& widgets, const QString& file) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  for (size_t i = 0; i < widgets.size(); ++i) {
    if (i > 0) printer.newPage();
    DrawScaled(widgets[i], painter, printer.pageLayout().paintRectPixels(printer.resolution()));
  }
  return painter.end();
}

void QtPagePrinter::PrintReportPage(QWidget* page) {
  auto dialog = std::make_unique<PageSetupDialog>();
  dialog->hwnd = page->window();
  dialog->ShowPageSetupDlg();
  if (!dialog->Error()) return;
  if (!ChoosePdfWhenNoPrinter(dialog->Device(), page)) return;
  RenderWidget(page, dialog->Device());
}

void QtPagePrinter::PrintHelpPage(QWidget* page) {
  QPrinter printer(QPrinter::HighResolution);
  if (!ChoosePdfWhenNoPrinter(printer, page)) return;
  RenderWidget(page, printer);
}

}  // namespace forecast::printing
