#include "platform/database.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace forecast::platform {
namespace {

class DatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = Database::Open(dir.Path() / "test.mdb", Database::Mode::Create);
    db->CreateTable("runtype", {{"ID", FieldType::Integer32, true},
                                {"run_type", FieldType::Text, true},
                                {"yn_current_run", FieldType::Boolean, false}});
    for (const auto& [id, code] : {std::pair{2, "P1"}, std::pair{1, "BL"}, std::pair{3, "X'Y"}}) {
      db->Execute("INSERT INTO runtype VALUES (?, ?, ?)", {Value(id), Value(code), Value(id == 2)});
    }
  }
  testing::TempDir dir;
  std::unique_ptr<Database> db;
};

TEST_F(DatabaseTest, NamesMatchWithoutRegardToCase) {
  EXPECT_TRUE(db->TableExists("RUNTYPE"));
  EXPECT_TRUE(db->ColumnExists("RunType", "RUN_TYPE"));
  auto set = db->OpenRecordset("RunType");
  EXPECT_EQ(set->TableName(), "runtype");
  EXPECT_EQ(set->Text("Run_Type"), "P1");
}

TEST_F(DatabaseTest, RowsComeInStoredOrderAndFindFirstMovesToTheMatch) {
  auto set = db->OpenRecordset("runtype");
  set->MoveLast();
  EXPECT_EQ(set->RecordCount(), 3);
  set->MoveFirst();
  EXPECT_EQ(set->Text("run_type"), "P1");
  set->MoveNext();
  EXPECT_EQ(set->Text("run_type"), "BL");
  EXPECT_TRUE(set->FindFirst("ID", Value("3")));
  EXPECT_EQ(set->Text("run_type"), "X'Y");
  EXPECT_TRUE(set->FindFirst("run_type", Value("bl")));
  EXPECT_EQ(set->Field("ID").ToInteger(), 1);
  EXPECT_FALSE(set->FindFirst("ID", Value(9)));
  EXPECT_TRUE(set->AtEnd());
  set->MoveFirst();
  set->Move(5);
  EXPECT_TRUE(set->AtEnd());
}

TEST_F(DatabaseTest, EditAddUpdateDeleteReachTheFile) {
  {
    auto set = db->OpenRecordset("runtype");
    ASSERT_TRUE(set->FindFirst("ID", Value(1)));
    set->Edit();
    set->SetField("yn_current_run", Value(true));
    set->Update();
    set->AddNew();
    set->SetField("ID", Value(4));
    set->SetField("run_type", Value("P2"));
    set->Update();
    ASSERT_TRUE(set->FindFirst("ID", Value(2)));
    set->Delete();
  }
  auto reopened = Database::Open(dir.Path() / "test.mdb");
  const QueryResult rows = reopened->ReadTable("runtype");
  ASSERT_EQ(rows.rows.size(), 3u);
  EXPECT_EQ(rows.rows[0][1].ToText(), "BL");
  EXPECT_TRUE(rows.rows[0][2].ToBool());
  EXPECT_EQ(rows.rows[2][1].ToText(), "P2");
}

TEST_F(DatabaseTest, ARequiredFieldLeftEmptyFailsTheUpdate) {
  auto set = db->OpenRecordset("runtype");
  set->AddNew();
  set->SetField("ID", Value(5));
  EXPECT_THROW(set->Update(), DatabaseError);
  EXPECT_EQ(db->ReadTable("runtype").rows.size(), 3u);
}

TEST_F(DatabaseTest, CopyTableReplacesTheTargetWithStructureAndRows) {
  db->CreateTable("Projections_BL", {{"old", FieldType::Text, false}});
  db->CopyTable("RUNTYPE", "Projections_BL");
  EXPECT_EQ(db->ColumnNames("Projections_BL"), (std::vector<std::string>{"ID", "run_type", "yn_current_run"}));
  EXPECT_EQ(db->ReadTable("Projections_BL").rows.size(), 3u);
  EXPECT_THROW(db->CopyTable("missing", "x"), DatabaseError);
}

TEST_F(DatabaseTest, StoredProcedureRunsInATransactionWhenPresent) {
  EXPECT_FALSE(db->RunStoredProcedure("transfer"));
  db->Execute("CREATE TABLE stored_procedures (name TEXT, sql TEXT)");
  db->Execute("INSERT INTO stored_procedures VALUES ('transfer', ?)",
              {Value("UPDATE runtype SET run_type = lower(run_type); UPDATE nosuch SET x = 1;")});
  EXPECT_THROW(db->RunStoredProcedure("Transfer"), DatabaseError);
  // The failing second statement took the first one back with it.
  EXPECT_EQ(db->ReadTable("runtype").rows[1][1].ToText(), "BL");
  db->Execute("UPDATE stored_procedures SET sql = 'UPDATE runtype SET run_type = lower(run_type)'");
  EXPECT_TRUE(db->RunStoredProcedure("transfer"));
  EXPECT_EQ(db->ReadTable("runtype").rows[1][1].ToText(), "bl");
}

TEST_F(DatabaseTest, ValuesAreBoundNeverPasted) {
  const QueryResult found = db->Query("SELECT ID FROM runtype WHERE run_type = ?", {Value("X'Y")});
  ASSERT_EQ(found.rows.size(), 1u);
  EXPECT_EQ(found.rows[0][0].ToInteger(), 3);
  db->CreateTable("odd \"name\"", {{"a b", FieldType::Double, false}});
  EXPECT_TRUE(db->TableExists("ODD \"NAME\""));
}

TEST_F(DatabaseTest, AMissingTableOrAFileThatIsNoDatabaseGivesAClearError) {
  try {
    db->OpenRecordset("const");
    FAIL();
  } catch (const DatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find("const"), std::string::npos);
  }
  std::ofstream(dir.Path() / "junk.mdb") << "this is not a database at all, just some text of some length";
  EXPECT_THROW(Database::Open(dir.Path() / "junk.mdb"), DatabaseError);
  EXPECT_THROW(Database::Open(dir.Path() / "none.mdb"), DatabaseError);
}

TEST(Value, ConvertsAsTheSuiteReadsIt) {
  EXPECT_EQ(Value(2000.0).ToText(), "2000");
  EXPECT_EQ(Value(0.5).ToText(), "0.5");
  EXPECT_EQ(Value().ToText(), "");
  EXPECT_DOUBLE_EQ(Value(" 12.5 ").ToDouble(), 12.5);
  EXPECT_FALSE(Value("Year").AsNumber().has_value());
  EXPECT_TRUE(Value(-1).ToBool());
  EXPECT_TRUE(Value("True").ToBool());
  EXPECT_FALSE(Value(0).ToBool());
}

}  // namespace
}  // namespace forecast::platform
