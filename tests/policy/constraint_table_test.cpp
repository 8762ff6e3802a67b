#include "policy/constraint_table.h"

#include "inputs/region_files.h"
#include "support/region_fixture.h"

#include <gtest/gtest.h>

namespace forecast::policy {
namespace {

using platform::Value;

class ConstraintTableTest : public ::testing::Test {
 protected:
  void Add(int year, int type, const char* group, int zone, int category, const Value& value) {
    db->Execute(
        "INSERT INTO \"const\" (\"year\", \"contype\", \"emphh\", \"zone\", \"type\", \"value\") VALUES (?, ?, ?, ?, ?, ?)",
        {Value(year), Value(type), Value(group), Value(zone), Value(category), value});
  }
  std::vector<std::vector<std::string>> Rows(const std::string& where) {
    std::vector<std::vector<std::string>> rows;
    for (const platform::Row& row : db->Query("SELECT \"year\", \"contype\", \"emphh\", \"zone\", \"type\", \"value\" "
                                              "FROM \"const\" WHERE " + where + " ORDER BY \"id\"")
                                        .rows) {
      std::vector<std::string> texts;
      for (const Value& v : row) texts.push_back(v.ToText());
      rows.push_back(texts);
    }
    return rows;
  }

  testing::DemoRegionFolder region;
  std::unique_ptr<platform::Database> db =
      platform::Database::Open(inputs::RegionFile(region.Path(), inputs::kInputDatabaseFile));
  ConstraintCalendar calendar{2000, 5, 4};
};

TEST_F(ConstraintTableTest, RowSetHoldsOneYearTypeAndGroupByZone) {
  Add(2010, 1, "Employee", 9, 1, Value(10));
  Add(2010, 1, "employee", 4, 2, Value(20));
  Add(2010, 1, "Household", 5, 1, Value(30));
  Add(2010, 3, "Employee", 6, 1, Value(40));
  Add(2015, 1, "Employee", 7, 1, Value(50));
  ConstraintRowSet rows(*db, 2010, 1, ConstraintGroup::Employee);
  ASSERT_EQ(rows.RowCount(), 2);
  EXPECT_EQ(rows.Cell(0, ConstraintColumn::Zone).ToText(), "4");
  EXPECT_EQ(rows.Cell(1, ConstraintColumn::Zone).ToText(), "9");
}

TEST_F(ConstraintTableTest, NewAndEditedRowsAreCompletedWithThePageValues) {
  ConstraintRowSet rows(*db, 2010, 3, ConstraintGroup::Household);
  ASSERT_TRUE(rows.AddRow(ConstraintColumn::Zone, "12"));
  ASSERT_TRUE(rows.SetCell(0, ConstraintColumn::Value, "250"));
  EXPECT_EQ(Rows("1"), (std::vector<std::vector<std::string>>{{"2010", "3", "Household", "12", "0", "250"}}));

  ASSERT_TRUE(rows.SetCell(0, ConstraintColumn::Zone, " "));  // emptied: filled again
  EXPECT_FALSE(rows.SetCell(0, ConstraintColumn::Value, "many"));
  EXPECT_FALSE(rows.SetCell(0, ConstraintColumn::Id, "5"));
  EXPECT_EQ(Rows("1"), (std::vector<std::vector<std::string>>{{"2010", "3", "Household", "0", "0", "250"}}));

  ASSERT_TRUE(rows.AddRow(ConstraintColumn::Value, "7.5"));
  EXPECT_EQ(rows.RowCount(), 2);
  rows.DeleteRow(0);
  EXPECT_EQ(rows.RowCount(), 1);
  EXPECT_EQ(Rows("1"), (std::vector<std::vector<std::string>>{{"2010", "3", "Household", "0", "0", "7.5"}}));
  ConstraintRowSet reread(*db, 2010, 3, ConstraintGroup::Household);
  EXPECT_EQ(reread.RowCount(), 1);
}

TEST_F(ConstraintTableTest, CopyAppendsThePreviousPeriodsRows) {
  Add(2005, 1, "Employee", 3, 2, Value(100));
  Add(2005, 1, "Employee", 4, 1, Value(200));
  Add(2005, 1, "Household", 5, 1, Value(300));
  Add(2005, 2, "Employee", 6, 0, Value(400));
  Add(2000, 1, "Employee", 8, 3, Value(500));

  EXPECT_EQ(CopyConstraints(*db, calendar, 2010, 1, ConstraintGroup::Employee), 2);
  EXPECT_EQ(Rows("\"year\" = 2010"), (std::vector<std::vector<std::string>>{
                                         {"2010", "1", "Employee", "3", "2", "100"},
                                         {"2010", "1", "Employee", "4", "1", "200"}}));
  EXPECT_EQ(CopyConstraints(*db, calendar, 2010, 1, ConstraintGroup::Employee), 2);
  EXPECT_EQ(Rows("\"year\" = 2010").size(), 4u);  // copying twice gives every row twice

  // The first forecast year copies from the data year; the data year itself copies nothing.
  EXPECT_EQ(CopyConstraints(*db, calendar, 2005, 1, ConstraintGroup::Employee), 1);
  EXPECT_EQ(CopyConstraints(*db, calendar, 2000, 1, ConstraintGroup::Employee), 0);
}

TEST_F(ConstraintTableTest, CopiedTextCannotChangeTheStatement) {
  // A value column can hold text; a quote in it must be copied, not run.
  Add(2005, 4, "Employee", 3, 2, Value("5'); DELETE FROM \"const\"; --"));
  EXPECT_EQ(CopyConstraints(*db, calendar, 2010, 4, ConstraintGroup::Employee), 1);
  EXPECT_EQ(Rows("1"), (std::vector<std::vector<std::string>>{
                           {"2005", "4", "Employee", "3", "2", "5'); DELETE FROM \"const\"; --"},
                           {"2010", "4", "Employee", "3", "2", "5'); DELETE FROM \"const\"; --"}}));
}

TEST_F(ConstraintTableTest, SummaryAndCardRowsSelectByGroup) {
  Add(2010, 3, "Household", 2, 1, Value(10));
  Add(2010, 3, "Employee", 9, 1, Value(20));
  Add(2010, 3, "Employee", 1, 2, Value(30));
  const auto zones = [](const platform::QueryResult& rows) {
    std::vector<std::string> out;
    const int zone = rows.ColumnIndex("zone");
    for (const platform::Row& row : rows.rows) out.push_back(row[static_cast<size_t>(zone)].ToText());
    return out;
  };
  EXPECT_EQ(zones(SummaryRows(*db, 2010, 3, true, true)), (std::vector<std::string>{"1", "9", "2"}));
  EXPECT_EQ(zones(SummaryRows(*db, 2010, 3, true, false)), (std::vector<std::string>{"1", "9"}));
  EXPECT_EQ(zones(SummaryRows(*db, 2010, 3, false, true)), (std::vector<std::string>{"2"}));
  EXPECT_EQ(SummaryRows(*db, 2010, 3, true, true).columns.size(), 7u);

  EXPECT_EQ(CountConstraintRows(*db, 3, ConstraintGroup::Employee, 2010), 2);
  EXPECT_EQ(zones(CardConstraintRows(*db, 3, ConstraintGroup::Employee, 2010)), (std::vector<std::string>{"9", "1"}));
  EXPECT_EQ(CardConstraintRows(*db, 2, ConstraintGroup::Employee, 2010).columns,
            (std::vector<std::string>{"zone", "value"}));
}

}  // namespace
}  // namespace forecast::policy
