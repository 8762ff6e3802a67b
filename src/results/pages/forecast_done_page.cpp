#include "results/pages/results_pages.h"
#include "results/results_flow.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace forecast::pages {

namespace {

// p7_9: the forecast has run; Continue builds the result database and loads it.
class ForecastDonePage : public Page {
 public:
  explicit ForecastDonePage(AppServices& app) : Page(app, "p7_9") {
    Content()->addStretch(1);
    AddTitle("Congratulations!");
    AddParagraph("Forecasting was successful.")->setObjectName("subtitle");
    AddParagraph("Your baseline forecast data is ready for review in Analysis of Spatial Patterns.");
    Content()->addStretch(2);
    UseButtons(true, true);
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_8"); });
    connect(ContinueButton(), &QPushButton::clicked, this, [this] {
      setEnabled(false);
      QApplication::setOverrideCursor(Qt::WaitCursor);
      QApplication::processEvents();
      results::BuildAndLoadResults(this->app());
      QApplication::restoreOverrideCursor();
      setEnabled(true);
    });
  }
};

}  // namespace

Page* CreateForecastDonePage(AppServices& app) { return new ForecastDonePage(app); }

}  // namespace forecast::pages
