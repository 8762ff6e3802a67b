#include "core/pages/wizard_window.h"
#include "core/startup.h"
#include "policy/constraint_selection.h"
#include "policy/pages/constraint_pages.h"
#include "support/fakes.h"
#include "support/recording_printer.h"
#include "support/region_fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

namespace forecast::pages {
namespace {

using platform::Value;
using policy::ConstraintGroup;

// The visible window of a form, the newest when several are open.
QWidget* OpenWindow(const char* form) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QWidget* found = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->objectName() == form) found = widget;
  }
  return found;
}

void Click(QWidget* window, const char* button) {
  ASSERT_NE(window, nullptr) << button;
  auto* found = window->findChild<QPushButton*>(button);
  ASSERT_NE(found, nullptr) << button;
  ASSERT_TRUE(found->isVisible()) << button;
  QTest::mouseClick(found, Qt::LeftButton);
}

QLabel* LabelWithText(QWidget* window, const QString& text) {
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->text() == text) return label;
  }
  return nullptr;
}

// The open grid, after checking its heading.
QWidget* OpenGrid(const QString& heading) {
  QWidget* grid = OpenWindow("P7_5_C");
  EXPECT_NE(grid, nullptr) << heading.toStdString();
  if (grid) {
    EXPECT_NE(LabelWithText(grid, heading), nullptr) << heading.toStdString();
  }
  return grid;
}

// Types into a cell of the grid as a user does: edit, type, Return.
void TypeIntoCell(QTableView* grid, int row, int column, const QString& text) {
  const QModelIndex index = grid->model()->index(row, column);
  grid->setCurrentIndex(index);
  grid->edit(index);
  QLineEdit* editor = nullptr;
  for (QLineEdit* open : grid->viewport()->findChildren<QLineEdit*>()) {
    if (open->isVisible()) editor = open;  // an earlier editor may linger until deleted
  }
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  // The grid commits the typed text once events are processed.
  QApplication::processEvents();
}

class ConstraintPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const StartupResult started = RunStartup(app.session, region.Path());
    ASSERT_TRUE(started.ok) << started.error;
    app.session.regionSettings.forecastPeriodCount = "4";
    RegisterConstraintPages(factories);
  }
  void TearDown() override {
    for (QWidget* widget : QApplication::topLevelWidgets()) widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  std::unique_ptr<Page> Open(const char* form) {
    const PageFactory* factory = factories.Find(form);
    EXPECT_NE(factory, nullptr) << form;
    std::unique_ptr<Page> page((*factory)(app.services));
    page->show();
    return page;
  }
  void Answer(Page* page, bool yes) { page->findChild<QRadioButton*>(yes ? "optAdd0" : "optAdd1")->setChecked(true); }

  void AddConstraint(int year, int type, const char* group, int zone, int category, double value) {
    app.session.inputDatabase->Execute(
        "INSERT INTO \"const\" (\"year\", \"contype\", \"emphh\", \"zone\", \"type\", \"value\") VALUES (?, ?, ?, ?, ?, ?)",
        {Value(year), Value(type), Value(group), Value(zone), Value(category), Value(value)});
  }
  std::vector<std::string> StoredRows() const {
    std::vector<std::string> rows;
    for (const platform::Row& row : app.session.inputDatabase
                                        ->Query("SELECT \"year\", \"contype\", \"emphh\", \"zone\", \"type\", \"value\" "
                                                "FROM \"const\" ORDER BY \"id\"")
                                        .rows) {
      std::string text;
      for (const Value& value : row) text += (text.empty() ? "" : " ") + value.ToText();
      rows.push_back(text);
    }
    return rows;
  }

  // Checks boxes on the year choice: (row, employment?) pairs.
  static void Check(QWidget* years, std::initializer_list<std::pair<int, bool>> boxes) {
    const auto employment = years->findChildren<QCheckBox*>("chkEmployment");
    const auto household = years->findChildren<QCheckBox*>("chkHousehold");
    for (const auto& [row, isEmployment] : boxes) (isEmployment ? employment : household)[row]->setChecked(true);
  }

  testing::DemoRegionFolder region;
  testing::FakeApp app;
  PageFactories factories;
};

TEST_F(ConstraintPagesTest, FirstQuestionLeadsOnOrClearsEveryChoice) {
  auto page = Open("P7_5");
  EXPECT_NE(LabelWithText(page.get(), "Forecasting Constraints"), nullptr);
  EXPECT_NE(LabelWithText(page.get(),
                          "Using your agency's local planning knowledge, do you wish to impose employment and/or "
                          "household location constraints during this model forecast? "),
            nullptr);
  EXPECT_TRUE(page->findChild<QRadioButton*>("optAdd1")->isChecked());
  policy::SetConstraintSelected(app.session, 2, 1, ConstraintGroup::Household, true);
  policy::SetConstraintSelected(app.session, 4, 3, ConstraintGroup::Employee, true);
  Click(page.get(), "cmdContinue");
  EXPECT_EQ(app.navigator.shown, std::vector<std::string>{"P7_3"});
  EXPECT_TRUE(policy::YearsWithConstraints(app.session).empty());

  Answer(page.get(), true);
  Click(page.get(), "cmdContinue");
  Click(page.get(), "cmdBack");
  EXPECT_EQ(app.navigator.shown, (std::vector<std::string>{"P7_3", "P7_5_1", "P7_13"}));
}

TEST_F(ConstraintPagesTest, QuestionsWithoutAnAnswerStayWithAMessage) {
  auto page = Open("P7_5_1");
  EXPECT_FALSE(page->findChild<QRadioButton*>("optAdd0")->isChecked());
  EXPECT_FALSE(page->findChild<QRadioButton*>("optAdd1")->isChecked());
  Click(page.get(), "cmdContinue");
  ASSERT_EQ(app.messages.shown.size(), 1u);
  EXPECT_EQ(app.messages.shown[0].text, "You have not chosen an option. Please fix this.");
  EXPECT_EQ(app.messages.shown[0].title, "VORAN");
  EXPECT_TRUE(app.navigator.shown.empty());
  EXPECT_EQ(OpenWindow("P7_5_BC"), nullptr);
}

TEST_F(ConstraintPagesTest, NoOnEachTypeClearsItAndGoesOnToTheReview) {
  for (int period = 1; period <= 4; ++period) {
    for (int type = 1; type <= 4; ++type) policy::SetConstraintSelected(app.session, type, period, ConstraintGroup::Employee, true);
  }
  for (const char* form : {"P7_5_1", "P7_5_2", "P7_5_3", "P7_5_4"}) {
    auto page = Open(form);
    Answer(page.get(), false);
    Click(page.get(), "cmdContinue");
  }
  // P7_5_4 has no page name of its own, so it is asked for by form; no year is left to review.
  EXPECT_EQ(app.navigator.shown, (std::vector<std::string>{"P7_5_2", "P7_5_3", "P7_5_4", "P7_3"}));
  EXPECT_EQ(policy::ConstraintTypeCode(app.session, 2010, "Employee"), 0);
}

TEST_F(ConstraintPagesTest, AMaximumForOneYearIsEnteredInItsGrid) {
  auto page = Open("P7_5_3");
  Click(page.get(), "cmdContinue");  // "Yes" is preselected
  QWidget* years = OpenWindow("P7_5_BC");
  ASSERT_NE(years, nullptr);
  EXPECT_EQ(years->windowTitle(), "VORAN");
  EXPECT_NE(LabelWithText(years, "Select Constraints for Constraint Type III"), nullptr);
  QStringList shown;
  for (QLabel* label : years->findChildren<QLabel*>("lblYear")) shown << label->text();
  EXPECT_EQ(shown, (QStringList{"Year 2005", "Year 2010", "Year 2015", "Year 2020"}));

  Click(years, "cmdContinue");
  ASSERT_EQ(app.messages.shown.size(), 1u);
  EXPECT_EQ(app.messages.shown[0].text,
            "You have previously selected to use the constraint. Please make the choices or go back.");
  EXPECT_EQ(app.messages.shown[0].title, "");

  Check(years, {{1, true}});
  Click(years, "cmdContinue");
  QWidget* grid = OpenGrid("2010 Absolute Maximum Employee Constraint By Type and Zone");
  ASSERT_NE(grid, nullptr);
  EXPECT_NE(LabelWithText(grid, "P7.5.1C"), nullptr);
  auto* count = grid->findChild<QLabel*>("lblRecordCount");
  EXPECT_EQ(count->text(), "Total constraints: 0");

  Click(grid, "cmdContinue");
  ASSERT_EQ(app.messages.shown.size(), 2u);
  EXPECT_EQ(app.messages.shown[1].text, "You have selected to use constraints. You need to have at least one record.");
  EXPECT_EQ(app.messages.shown[1].title, "");

  auto* view = grid->findChild<QTableView*>("DataGrid1");
  TypeIntoCell(view, 0, 3, "12");  // zone
  TypeIntoCell(view, 0, 5, "250");  // value; the type cell stays empty
  EXPECT_EQ(StoredRows(), std::vector<std::string>{"2010 3 Employee 12 0 250"});
  EXPECT_EQ(count->text(), "Total Constraints: 1");

  Click(grid, "cmdContinue");
  EXPECT_EQ(OpenWindow("P7_5_C"), nullptr);
  EXPECT_EQ(OpenWindow("P7_5_BC"), nullptr);
  EXPECT_EQ(app.navigator.shown, std::vector<std::string>{"P7_5_4"});
  EXPECT_EQ(app.session.constraintPageResult, 4);
  EXPECT_EQ(policy::ConstraintTypeCode(app.session, 2010, "Employee"), 3);
  EXPECT_EQ(policy::ConstraintTypeCode(app.session, 2010, "Household"), 0);
}

TEST_F(ConstraintPagesTest, BackAndExitTravelThroughTheNestedDialogs) {
  AddConstraint(2015, 1, "Household", 4, 1, 60);
  auto page = Open("P7_5_1");
  Answer(page.get(), true);
  Click(page.get(), "cmdContinue");
  QWidget* years = OpenWindow("P7_5_BC");
  Check(years, {{0, true}, {2, false}});
  Click(years, "cmdContinue");
  QWidget* first = OpenGrid("2005 Absolute Employee Constraint By Type and Zone");

  // Back on the first grid: the year choice again, boxes as they were.
  Click(first, "cmdBack");
  EXPECT_EQ(OpenWindow("P7_5_C"), nullptr);
  ASSERT_EQ(OpenWindow("P7_5_BC"), years);
  EXPECT_EQ(app.session.constraintPageResult, 2);
  EXPECT_TRUE(years->findChildren<QCheckBox*>("chkEmployment")[0]->isChecked());
  EXPECT_TRUE(years->findChildren<QCheckBox*>("chkHousehold")[2]->isChecked());

  // Forward to the second grid, whose Continue needs the row already there; Back returns to the first.
  AddConstraint(2005, 1, "Employee", 3, 2, 450);
  Click(years, "cmdContinue");
  Click(OpenWindow("P7_5_C"), "cmdContinue");
  QWidget* second = OpenGrid("2015 Absolute Household Constraint By Type and Zone");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->findChild<QLabel*>("lblRecordCount")->text(), "Total constraints: 1");
  Click(second, "cmdBack");
  QWidget* again = OpenGrid("2005 Absolute Employee Constraint By Type and Zone");

  // Exit in a grid ends the year choice and leaves as the question page's Exit.
  Click(again, "cmdExit");
  EXPECT_EQ(OpenWindow("P7_5_C"), nullptr);
  EXPECT_EQ(OpenWindow("P7_5_BC"), nullptr);
  EXPECT_EQ(app.navigator.shown, std::vector<std::string>{"<exit page>"});
  EXPECT_EQ(app.session.exitBackPageName, "P7_5_1");
  EXPECT_EQ(app.session.resumePageName, "P7_5");
  EXPECT_EQ(app.session.constraintPageResult, 1);
}

TEST_F(ConstraintPagesTest, BackOnTheYearChoiceIsTheQuestionPagesBack) {
  auto page = Open("P7_5_3");
  Click(page.get(), "cmdContinue");
  Click(OpenWindow("P7_5_BC"), "cmdBack");
  EXPECT_EQ(OpenWindow("P7_5_BC"), nullptr);
  EXPECT_EQ(app.navigator.shown, std::vector<std::string>{"P7_5_2"});
}

TEST_F(ConstraintPagesTest, CopyAndDeleteInTheGrid) {
  AddConstraint(2005, 2, "Employee", 3, 0, 100);
  AddConstraint(2005, 2, "Employee", 4, 0, 200);
  AddConstraint(2005, 2, "Household", 5, 0, 300);
  auto page = Open("P7_5_2");
  Click(page.get(), "cmdContinue");
  QWidget* years = OpenWindow("P7_5_BC");
  Check(years, {{1, true}});
  Click(years, "cmdContinue");
  QWidget* grid = OpenGrid("2010 Absolute Total Employee Constraint By Zone");
  ASSERT_NE(grid, nullptr);
  auto* view = grid->findChild<QTableView*>("DataGrid1");
  for (int column : {0, 1, 2, 4, 6}) EXPECT_TRUE(view->isColumnHidden(column)) << column;
  EXPECT_FALSE(view->isColumnHidden(3));

  Click(grid, "cmdCopyConstraints");
  auto* count = grid->findChild<QLabel*>("lblRecordCount");
  EXPECT_EQ(count->text(), "Total constraints: 2");
  EXPECT_TRUE(view->isColumnHidden(4));

  view->selectRow(0);
  QTest::keyClick(view, Qt::Key_Delete);
  EXPECT_EQ(count->text(), "Total Constraints: 1");
  EXPECT_EQ(StoredRows(), (std::vector<std::string>{"2005 2 Employee 3 0 100", "2005 2 Employee 4 0 200",
                                                    "2005 2 Household 5 0 300", "2010 2 Employee 4 0 200"}));
}

TEST_F(ConstraintPagesTest, TheReviewShowsEachYearAndThenTheFileCheck) {
  AddConstraint(2005, 1, "Employee", 3, 2, 450);
  AddConstraint(2005, 1, "Household", 6, 1, 80);
  AddConstraint(2015, 2, "Household", 9, 0, 2500);
  policy::SetConstraintSelected(app.session, 1, 1, ConstraintGroup::Employee, true);
  policy::SetConstraintSelected(app.session, 2, 3, ConstraintGroup::Household, true);
  auto page = Open("P7_5_4");
  Answer(page.get(), false);
  Click(page.get(), "cmdContinue");

  QWidget* summary = OpenWindow("P7_5_5");
  ASSERT_NE(summary, nullptr);
  EXPECT_NE(LabelWithText(summary, "Constraint Summary Report"), nullptr);
  EXPECT_EQ(summary->findChild<QLabel*>("lblConstraintNum0")->text(), "#1");  // the employee row only
  EXPECT_EQ(summary->findChild<QTableView*>("DataGrid1_1")->model(), nullptr);
  auto* exact = summary->findChild<QTableView*>("DataGrid1_0");
  for (int column : {1, 6}) EXPECT_TRUE(exact->isColumnHidden(column));
  EXPECT_FALSE(exact->isColumnHidden(4));

  Click(summary, "cmdContinue");
  summary = OpenWindow("P7_5_5");
  ASSERT_NE(summary, nullptr);
  EXPECT_EQ(summary->findChild<QLabel*>("lblConstraintNum1")->text(), "#1");
  EXPECT_TRUE(summary->findChild<QTableView*>("DataGrid1_1")->isColumnHidden(4));
  Click(summary, "cmdBack");
  Click(OpenWindow("P7_5_5"), "cmdContinue");
  Click(OpenWindow("P7_5_5"), "cmdContinue");
  EXPECT_EQ(OpenWindow("P7_5_5"), nullptr);
  EXPECT_EQ(app.navigator.shown, std::vector<std::string>{"P7_3"});
}

TEST_F(ConstraintPagesTest, LeavingTheReviewEarlyKeepsOrExitsTheLastQuestion) {
  policy::SetConstraintSelected(app.session, 1, 2, ConstraintGroup::Employee, true);
  auto page = Open("P7_5_4");
  Answer(page.get(), false);
  Click(page.get(), "cmdContinue");
  Click(OpenWindow("P7_5_5"), "cmdBack");
  EXPECT_EQ(OpenWindow("P7_5_5"), nullptr);
  EXPECT_TRUE(app.navigator.shown.empty());  // P7_5_4 stays
  EXPECT_EQ(app.session.constraintPageResult, 2);

  Click(page.get(), "cmdContinue");
  Click(OpenWindow("P7_5_5"), "cmdExit");
  EXPECT_EQ(app.navigator.shown, std::vector<std::string>{"<exit page>"});
  EXPECT_EQ(app.session.exitBackPageName, "P7_5_3");
  EXPECT_EQ(app.session.resumePageName, "P7_5_4");
}

TEST_F(ConstraintPagesTest, HelpLinksOpenOverThePageAndTurnPurple) {
  testing::RecordingPrinter printer;
  auto page = Open("P7_5");
  QLabel* link = LabelWithText(page.get(), "location constraints");
  ASSERT_NE(link, nullptr);
  QTest::mouseClick(link, Qt::LeftButton);
  EXPECT_TRUE(link->styleSheet().contains("#800080"));
  QWidget* help = OpenWindow("P7_5a");
  ASSERT_NE(help, nullptr);
  EXPECT_NE(LabelWithText(help, "HELP"), nullptr);
  EXPECT_EQ(help->findChild<QPushButton*>("cmdPrint"), nullptr);

  QTest::mouseClick(LabelWithText(help, "Type III: Maximum Employees and/or Households Set by Type and Zone"),
                    Qt::LeftButton);
  QWidget* typeHelp = OpenWindow("P7_5a_3");
  ASSERT_NE(typeHelp, nullptr);
  EXPECT_NE(LabelWithText(typeHelp, "Maximum Employees and/or Households Set by Type and Zone"), nullptr);
  Click(typeHelp, "cmdPrint");  // printed at once, and the page stays
  EXPECT_EQ(printer.help, QStringList{"P7_5a_3"});
  Click(typeHelp, "cmdOK");
  EXPECT_EQ(OpenWindow("P7_5a_3"), nullptr);
  EXPECT_EQ(OpenWindow("P7_5a"), help);
  Click(help, "cmdOK");
  EXPECT_EQ(OpenWindow("P7_5a"), nullptr);
  EXPECT_TRUE(page->isVisible());
  EXPECT_TRUE(app.navigator.shown.empty());
}

TEST_F(ConstraintPagesTest, HelpPagesShownByNameReturnToThePageTheyExplain) {
  WizardWindow wizard(factories);
  AppServices services{app.session, app.messages, app.processes, app.clock, wizard};
  wizard.SetServices(&services);
  wizard.show();
  for (const auto& [help, explained] : {std::pair{"P7_5_2A", "P7_5_2"}, std::pair{"P7_5A_4", "P7_5a"},
                                        std::pair{"P7_5b", "P7_5"}, std::pair{"P7_5_4A", "P7_5_4"}}) {  // P7_5_4 has no page name, only its form
    wizard.ShowPage(help);
    QApplication::processEvents();
    ASSERT_NE(wizard.CurrentPage(), nullptr);
    Click(wizard.CurrentPage(), "cmdOK");
    EXPECT_EQ(wizard.CurrentPage()->FormName().toStdString(), explained) << help;
  }
}

}  // namespace
}  // namespace forecast::pages
