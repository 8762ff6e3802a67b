#include "core/end_pages.h"
#include "impedance/control_values.h"
#include "impedance/impedance_report.h"
#include "impedance/pages/chain_registrations.h"
#include "impedance/pages/impedance_report_view.h"
#include "impedance/pages/page_helpers.h"
#include "impedance/year_choice.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <array>

namespace forecast::pages {

namespace {

QLineEdit* ValueBox(QWidget* parent, const QString& name, const std::string& text, int width) {
  auto* box = new QLineEdit(QString::fromStdString(text), parent);
  box->setObjectName(name);
  box->setFixedWidth(width);
  box->setAlignment(Qt::AlignRight);
  return box;
}

QLabel* Caption(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName("paragraph");
  label->setWordWrap(true);
  return label;
}

// The control values of the file being checked, typed from the travel model.
class ControlValuesPage : public Page {
 public:
  explicit ControlValuesPage(AppServices& app) : Page(app, "P7_19") {
    SetPageHeading(this, kImpedanceHeading);
    const ImpedanceControlValues stored = impedance::StoredControlValues(session());
    auto* year = AddParagraph(WithValue("Please enter the following values for your impedance file dated ",
                                        QString::number(impedance::CurrentImpedanceYear(session()))));
    year->setProperty("control", "lblYear");

    auto* values = new QWidget(this);
    auto* valueGrid = new QGridLayout(values);
    const std::array<std::pair<const char*, const std::string*>, 3> single = {
        std::pair{"Average Zone-to-Zone Travel Impedance ", &stored.average},
        std::pair{"Smallest Zone-to-Zone Travel Impedance ", &stored.smallest},
        std::pair{"Largest Zone-to-Zone Travel Impedance ", &stored.largest}};
    for (size_t i = 0; i < single.size(); ++i) {
      auto* caption = Caption(values, single[i].first);
      caption->setWordWrap(false);
      valueGrid->addWidget(caption, static_cast<int>(i), 0, Qt::AlignRight);
      boxes_[i] = ValueBox(values, QString("txtImp%1").arg(i), *single[i].second, 140);
      valueGrid->addWidget(boxes_[i], static_cast<int>(i), 1);
    }
    Content()->addWidget(values, 0, Qt::AlignHCenter);

    auto* blocks = new QWidget(this);
    auto* blockRow = new QHBoxLayout(blocks);
    blockRow->setSpacing(48);
    blockRow->addWidget(Block(blocks,
                              "Top 4X4 Travel Impedances: Enter the top left corner 4x4 of your travel impedance "
                              "table (matrix).",
                              "txtTopImp", stored.top, &top_));
    blockRow->addWidget(Block(blocks,
                              "Bottom 4X4 Travel Impedances: Enter the bottom right corner 4x4 of your travel "
                              "impedance table (matrix).",
                              "txtBottomImp", stored.bottom, &bottom_));
    Content()->addWidget(blocks, 0, Qt::AlignHCenter);
    Content()->addStretch(1);

    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { Continue(); });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_18_1"); });
  }

 private:
  // A 4x4 grid of boxes; box k stands in row k / 4, column k % 4.
  QWidget* Block(QWidget* parent, const QString& caption, const QString& name, const std::array<std::string, 16>& texts,
                 std::array<QLineEdit*, 16>* boxes) {
    auto* block = new QWidget(parent);
    auto* layout = new QVBoxLayout(block);
    auto* label = Caption(block, caption);
    label->setMaximumWidth(440);
    layout->addWidget(label);
    auto* grid = new QGridLayout();
    for (size_t k = 0; k < 16; ++k) {
      (*boxes)[k] = ValueBox(block, QString("%1%2").arg(name).arg(k), texts[k], 96);
      EnterMovesToNextBox((*boxes)[k]);
      grid->addWidget((*boxes)[k], static_cast<int>(k / 4), static_cast<int>(k % 4));
    }
    layout->addLayout(grid);
    return block;
  }

  void Continue() {
    ImpedanceControlValues values;
    values.average = boxes_[0]->text().toStdString();
    values.smallest = boxes_[1]->text().toStdString();
    values.largest = boxes_[2]->text().toStdString();
    for (size_t k = 0; k < 16; ++k) {
      values.top[k] = top_[k]->text().toStdString();
      values.bottom[k] = bottom_[k]->text().toStdString();
    }
    if (const auto message = impedance::StoreControlValues(session(), values)) {
      app().messages.Show(*message, kVoranTitle);
      return;
    }
    app().navigator.ShowPage("P7_20");
  }

  std::array<QLineEdit*, 3> boxes_{};
  std::array<QLineEdit*, 16> top_{};
  std::array<QLineEdit*, 16> bottom_{};
};

// The values as entered, for the user to print and keep.
class EntryReportPage : public Page {
 public:
  explicit EntryReportPage(AppServices& app) : Page(app, "P7_20") {
    SetPageHeading(this, kImpedanceHeading);
    Content()->addStretch(1);
    AddTitle("Impedance Report");
    AddParagraph(WithValue("This report shows your FY-ZANT data inputs for ",
                           QString::number(impedance::CurrentImpedanceYear(session()))))
        ->setProperty("control", "lblYear");
    AddParagraph("Please print this for future reference.");
    Content()->addWidget(new ImpedanceReportView(impedance::EntryReport(impedance::StoredControlValues(session())), this),
                         0, Qt::AlignHCenter);
    Content()->addStretch(2);
    UseButtons(true, true);
    AddReportPrintButton(this);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_21"); });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_19"); });
  }
};

}  // namespace

void RegisterControlValuePages(PageFactories& factories) {
  factories.Add("P7_19", [](AppServices& app) { return new ControlValuesPage(app); });
  factories.Add("P7_20", [](AppServices& app) { return new EntryReportPage(app); });
}

}  // namespace forecast::pages
