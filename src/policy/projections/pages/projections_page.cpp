#include "policy/projections/pages/projections_page.h"

#include "core/end_pages.h"
#include "impedance/pages/page_helpers.h"
#include "platform/database.h"
#include "policy/projections/run_projections.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <array>

namespace forecast::pages {

namespace {

constexpr int kColumns = 11;  // year, eight categories, total employment, total population

class ProjectionsPage : public Page {
 public:
  explicit ProjectionsPage(AppServices& app) : Page(app, "P7_8_4") {
    try {
      projections_ = policy::LoadRunProjections(session());
    } catch (const std::exception& e) {
      app.messages.Show(std::string("The projections of this run cannot be shown: ") + e.what(), kVoranTitle);
      finished_ = true;  // nothing was shown, so nothing may be written back
    }
    Content()->addStretch(1);
    AddParagraph(WithValue("Enter your new Employment/ Population Projection values for:",
                           " " + QString::fromStdString(session().CurrentRunCode())))
        ->setProperty("control", "lblPolicy");
    AddParagraph("Please manually update changes in your employment categories to the Total Employment column.");
    Content()->addWidget(BuildGrid(), 0, Qt::AlignHCenter);
    Content()->addStretch(2);

    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] {
      if (!Save()) return;
      session().previousPageName = "P7_8_4";
      this->app().navigator.ShowPage("P7_13");
    });
    connect(BackButton(), &QPushButton::clicked, this, [this] {
      finished_ = true;  // Back drops the edits
      this->app().navigator.ShowForm(session().previousPageName != "P7_8_3" ? "p7_26_1" : "P7_6");
    });
    disconnect(ExitButton(), nullptr, this, nullptr);
    connect(ExitButton(), &QPushButton::clicked, this, [this] {
      if (Save()) DefaultExit();
    });
  }

 protected:
  void showEvent(QShowEvent* event) override {
    // Closing the window writes the edits too; the page only sees that from its window.
    if (window() != this) window()->installEventFilter(this);
    Page::showEvent(event);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close && watched == window()) Save();
    return Page::eventFilter(watched, event);
  }

 private:
  QWidget* BuildGrid() {
    auto* gridWidget = new QWidget(this);
    auto* grid = new QGridLayout(gridWidget);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);

    auto* periods = new QLabel("Forecast Time Periods", gridWidget);
    periods->setObjectName("subtitle");
    periods->setWordWrap(true);
    periods->setAlignment(Qt::AlignCenter);
    grid->addWidget(periods, 0, 0, 2, 1, Qt::AlignBottom);
    auto* categories = new QLabel("Employment Category", gridWidget);
    categories->setObjectName("subtitle");
    categories->setAlignment(Qt::AlignCenter);
    grid->addWidget(categories, 0, 1, 1, kMaxCategories);

    const auto& region = session().regionSettings;
    for (int c = 1; c <= kMaxCategories + 2; ++c) {
      QString text;
      int index = c - 1;
      if (c <= kMaxCategories) {
        if (c <= region.empCategoryCount) text = QString::fromStdString(region.empCategoryNames[static_cast<size_t>(c)]);
      } else if (c == kMaxCategories + 1) {
        text = "Total Employment";
        index = 8;
      } else {
        text = "Total population";
        index = 69;
      }
      auto* heading = new QLabel(text, gridWidget);
      heading->setObjectName(QString("txtReport%1").arg(index));
      heading->setWordWrap(true);
      heading->setAlignment(Qt::AlignCenter);
      heading->setFixedWidth(92);
      heading->setMinimumHeight(44);
      heading->setStyleSheet("background: #e4e8ee; border: 1px solid #c5ccd6; font-weight: 600; padding: 2px;");
      grid->addWidget(heading, 1, c);
    }

    for (int p = 1; p <= policy::kMaxShownPeriods; ++p) {
      auto& line = boxes_[static_cast<size_t>(p - 1)];
      const bool shown = p <= static_cast<int>(projections_.lines.size());
      const policy::ProjectionLine values = shown ? projections_.lines[static_cast<size_t>(p - 1)] : policy::ProjectionLine{};
      line[0] = Box(gridWidget, QString("txtFcst%1").arg(p - 1), values.year, 6);
      for (int c = 1; c <= kMaxCategories; ++c) {
        line[static_cast<size_t>(c)] = Box(gridWidget, QString("txtReport%1").arg(8 + p + 6 * (c - 1)),
                                           values.employment[static_cast<size_t>(c - 1)], 8);
      }
      line[9] = Box(gridWidget, QString("txtReport%1").arg(56 + p), values.totalEmployment, 8);
      line[10] = Box(gridWidget, QString("txtReport%1").arg(62 + p), values.population, 8);
      for (int column = 0; column < kColumns; ++column) {
        QLineEdit* box = line[static_cast<size_t>(column)];
        // A year box is shown only when it holds a year, as the table gives it.
        box->setVisible(shown && (column != 0 || !values.year.empty()));
        grid->addWidget(box, p + 1, column);
      }
    }
    return gridWidget;
  }

  static QLineEdit* Box(QWidget* parent, const QString& name, const std::string& text, int maxLength) {
    auto* box = new QLineEdit(QString::fromStdString(text), parent);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    box->setFixedWidth(92);
    box->setAlignment(Qt::AlignRight);
    return box;
  }

  // Writes the boxes back once; false, after telling the user, when that failed.
  bool Save() {
    if (finished_) return true;
    for (size_t p = 0; p < projections_.lines.size(); ++p) {
      auto& line = projections_.lines[p];
      const auto& row = boxes_[p];
      line.year = row[0]->text().toStdString();
      for (size_t c = 1; c <= kMaxCategories; ++c) line.employment[c - 1] = row[c]->text().toStdString();
      line.totalEmployment = row[9]->text().toStdString();
      line.population = row[10]->text().toStdString();
    }
    const std::string error = policy::SaveRunProjections(session(), projections_);
    if (!error.empty()) {
      app().messages.Show("The projections could not be saved: " + error, kVoranTitle);
      return false;
    }
    finished_ = true;
    return true;
  }

  policy::RunProjections projections_;
  std::array<std::array<QLineEdit*, kColumns>, policy::kMaxShownPeriods> boxes_{};
  bool finished_ = false;  // written back, or dropped by Back
};

}  // namespace

Page* NewProjectionsPage(AppServices& app) { return new ProjectionsPage(app); }

}  // namespace forecast::pages
