#include "core/end_pages.h"
#include "impedance/impedance_files.h"
#include "impedance/pages/chain_registrations.h"
#include "impedance/pages/impedance_explanations.h"
#include "impedance/pages/page_helpers.h"
#include "impedance/year_choice.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include <array>

namespace forecast::pages {

namespace {

QLineEdit* NumberBox(QWidget* parent, const QString& name, int maxLength, platform::MessageSink& messages) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setMaxLength(maxLength);
  box->setFixedWidth(110);
  box->setAlignment(Qt::AlignCenter);
  AcceptDigitsOnly(box, messages);
  return box;
}

// How many impedance files, and for which years.
class ImpedanceYearsPage : public Page {
 public:
  explicit ImpedanceYearsPage(AppServices& app) : Page(app, "p7_15") {
    SetPageHeading(this, kImpedanceHeading);
    Content()->addStretch(1);
    AddTitle("Travel Impedance Data");
    AddParagraph("Input the number of additional impedance files you wish to include in QEST.");
    count_ = NumberBox(this, "txtFileNum", 2, app.messages);
    Content()->addWidget(count_, 0, Qt::AlignHCenter);
    Content()->addSpacing(16);
    AddParagraph("Please enter the year(s) your impedance file(s) represent. (e.g. 2010)");
    auto* row = new QWidget(this);
    auto* boxes = new QHBoxLayout(row);
    boxes->addStretch(1);
    for (size_t i = 0; i < years_.size(); ++i) {
      years_[i] = NumberBox(row, QString("txtImpFiles%1").arg(i), 4, app.messages);
      boxes->addWidget(years_[i]);
    }
    boxes->addStretch(1);
    Content()->addWidget(row);
    Content()->addStretch(2);

    if (session().impedanceFileCount != 0) count_->setText(QString::number(session().impedanceFileCount));
    for (size_t i = 0; i < years_.size(); ++i) {
      const int year = impedance::ImpedanceYear(session(), static_cast<int>(i) + 1);
      if (year != 0) years_[i]->setText(QString::number(year));
    }

    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] { Continue(); });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_14"); });
  }

 private:
  void Continue() {
    std::array<std::string, impedance::kMaxImpedanceFiles> texts;
    for (size_t i = 0; i < texts.size(); ++i) texts[i] = years_[i]->text().toStdString();
    const auto outcome = impedance::ChooseImpedanceYears(session(), count_->text().toStdString(), texts);
    switch (outcome.kind) {
      case impedance::YearChoiceOutcome::Kind::Message:
        app().messages.Show(outcome.message, kVoranTitle);
        break;
      case impedance::YearChoiceOutcome::Kind::OffGrid: {
        Navigator& navigator = app().navigator;
        OpenImpedanceExplanation(this, "P7_15_1", [&navigator] { navigator.ShowPage("P7_15"); });
        break;
      }
      case impedance::YearChoiceOutcome::Kind::Accepted:
        app().navigator.ShowPage("P7_16");
        break;
    }
  }

  QLineEdit* count_ = nullptr;
  std::array<QLineEdit*, impedance::kMaxImpedanceFiles> years_{};
};

// The files chosen and the names they must have.
class ImpedanceFileNamesPage : public Page {
 public:
  explicit ImpedanceFileNamesPage(AppServices& app) : Page(app, "p7_16") {
    SetPageHeading(this, kImpedanceHeading);
    Content()->addStretch(1);
    AddTitle("Travel Impedance Data");
    const int count = session().impedanceFileCount;
    AddParagraph(WithValue("You have chosen use ", QString::number(count),
                           " additional impedance files for the following years:"))
        ->setProperty("control", "lblZANT");
    QString years;
    auto* list = new QListWidget(this);
    list->setObjectName("List1");
    for (int f = 1; f <= count; ++f) {
      const int year = impedance::ImpedanceYear(session(), f);
      years += "  " + QString::number(year);
      list->addItem(QString::fromStdString(impedance::UserImpedanceFileName(year)));
    }
    auto* yearsLabel = AddParagraph(years);
    yearsLabel->setProperty("control", "lblFcstPds");
    yearsLabel->setStyleSheet("font-weight: 600;");
    AddParagraph(
        "Before you continue you must place the respective impedance files in the VORAN\\Data subdirectory with the "
        "following file naming structure:");
    list->setFixedSize(240, 30 * std::max(count, 1) + 12);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    Content()->addWidget(list, 0, Qt::AlignHCenter);
    Content()->addStretch(2);
    UseButtons(true, true);
    connect(ContinueButton(), &QPushButton::clicked, this, [this] {
      // With no file to check the chain has nothing to do: on to the constraints.
      if (session().impedanceFileCount == 0) {
        session().previousPageName = "P7_13";
        this->app().navigator.ShowPage("P7_5");
        return;
      }
      this->app().navigator.ShowPage("P7_17");
    });
    connect(BackButton(), &QPushButton::clicked, this, [this] { this->app().navigator.ShowPage("P7_15"); });
  }
};

}  // namespace

void RegisterYearPages(PageFactories& factories) {
  factories.Add("p7_15", [](AppServices& app) { return new ImpedanceYearsPage(app); });
  factories.Add("p7_16", [](AppServices& app) { return new ImpedanceFileNamesPage(app); });
}

}  // namespace forecast::pages
