#include "results/pages/report_pdf.h"

#include "printing/page_printer.h"
#include "results/pages/results_pages.h"

#include <memory>

namespace forecast::pages {

bool WriteReportPdf(AppServices& app, const QString& file) {
  std::vector<std::unique_ptr<Page>> pages;
  pages.emplace_back(CreateCategoryChangePage(app));
  pages.emplace_back(CreateTotalsChangePage(app));
  pages.emplace_back(CreateRatiosPage(app));
  std::vector<QWidget*> widgets;
  for (const auto& page : pages) {
    // Laid out as shown, but never on screen.
    page->setAttribute(Qt::WA_DontShowOnScreen);
    page->resize(1280, 800);
    page->show();
    widgets.push_back(page.get());
  }
  return printing::WriteWidgetsToPdf(widgets, file);
}

}  // namespace forecast::pages
