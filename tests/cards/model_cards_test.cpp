#include "core/startup.h"
#include "inputs/data_file_catalogue.h"
#include "inputs/model_cards.h"
#include "inputs/region_files.h"
#include "platform/text_file.h"
#include "policy/constraint_selection.h"
#include "support/region_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace forecast::inputs {
namespace {

using platform::Value;
using policy::ConstraintGroup;

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

DemoRegionOptions SixHouseholdCategories() {
  DemoRegionOptions options = testing::DemoRegionFolder::SmallOptions();
  options.householdCategories = 6;
  return options;
}

class ModelCardsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const StartupResult started = RunStartup(session, region.Path());
    ASSERT_TRUE(started.ok) << started.error;
  }

  void AddConstraint(int year, int type, const char* group, int zone, int category, const Value& value) {
    session.inputDatabase->Execute(
        "INSERT INTO \"const\" (\"year\", \"contype\", \"emphh\", \"zone\", \"type\", \"value\") VALUES (?, ?, ?, ?, ?, ?)",
        {Value(year), Value(type), Value(group), Value(zone), Value(category), value});
  }

  void Select(int period, ConstraintGroup group, std::initializer_list<int> types) {
    for (int type : types) policy::SetConstraintSelected(session, type, period, group, true);
  }

  std::filesystem::path Card(const PerPeriodFile& file, int year) const {
    return PerPeriodPath(region.Path(), file, year, "BL");
  }
  std::vector<std::string> CardLines(const PerPeriodFile& file, int year) const {
    return platform::ReadTextLines(Card(file, year)).value_or(std::vector<std::string>{});
  }

  testing::DemoRegionFolder region{SixHouseholdCategories()};
  SessionState session;
  platform::RecordingMessages messages;
  platform::FixedClock clock{{2026, 3, 7}};
  CardContext context{session, messages, clock};
};

TEST_F(ModelCardsTest, CardsOfTheFirstAndAThirdPeriodMatchTheGoldenFiles) {
  // Rows of other years, groups and unchosen types must stay out of the cards.
  AddConstraint(2005, 1, "Employee", 3, 2, Value(450));
  AddConstraint(2005, 1, "employee", 7, 4, Value(1200.5));
  AddConstraint(2005, 3, "Employee", 5, 1, Value(800));
  AddConstraint(2005, 2, "Household", 9, 0, Value(2500));
  AddConstraint(2005, 4, "Employee", 2, 3, Value(99));
  AddConstraint(2005, 1, "Household", 4, 1, Value(60));
  AddConstraint(2015, 1, "Employee", 11, 5, Value(300));
  AddConstraint(2015, 2, "Employee", 6, 0, Value(1500));
  AddConstraint(2015, 3, "Employee", 1, 2, Value(2000));
  AddConstraint(2015, 3, "Employee", 12, 1, Value(1234567890.5));
  AddConstraint(2015, 4, "Employee", 8, 3, Value(75));
  AddConstraint(2015, 2, "Household", 10, 0, Value(3000));
  AddConstraint(2015, 4, "Household", 2, 6, Value(40));
  AddConstraint(2015, 4, "Household", 3, 1, Value(55.25));
  AddConstraint(2010, 1, "Employee", 3, 2, Value(470));
  Select(1, ConstraintGroup::Employee, {1, 3});
  Select(1, ConstraintGroup::Household, {2});
  Select(3, ConstraintGroup::Employee, {1, 2, 3, 4});
  Select(3, ConstraintGroup::Household, {2, 4});

  for (const auto& [year, period] : {std::pair{2005, 1}, std::pair{2015, 3}}) {
    ASSERT_TRUE(WriteEmpalCard(context, year, period));
    ASSERT_TRUE(WriteDramCard(context, year, period));
    const std::string yy = PeriodCode(year);
    EXPECT_EQ(ReadBytes(Card(files::kEmpalCard, year)),
              ReadBytes(std::filesystem::path(CARDS_GOLDEN_DIR) / ("EMPAL" + yy + "BL.CRD")))
        << year;
    EXPECT_EQ(ReadBytes(Card(files::kDramCard, year)),
              ReadBytes(std::filesystem::path(CARDS_GOLDEN_DIR) / ("DRAM" + yy + "BL.CRD")))
        << year;
  }
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(session.regionSettings.netCommutationRate, "0.021");
  EXPECT_EQ(session.regionSettings.rjpeOption, "1");
}

TEST_F(ModelCardsTest, LongValuesAreCutToTheirFieldAndShortOnesRightJustified) {
  session.regionSettings.zoneCount = "1234567";
  session.regionSettings.empCategoryNames[4] = "Finance and Insurance";
  ASSERT_TRUE(WriteEmpalCard(context, 2005, 1));
  const std::vector<std::string> lines = CardLines(files::kEmpalCard, 2005);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0].substr(0, 10), "12345    5");
  EXPECT_EQ(lines[3], "   Basic  Retail ServiceFinance   Govern");

  session.regionSettings.zoneCount = "120";
  ASSERT_TRUE(WriteEmpalCard(context, 2005, 1));
  EXPECT_EQ(CardLines(files::kEmpalCard, 2005)[0].substr(0, 5), "  120");
}

TEST_F(ModelCardsTest, EmploymentGroupLinesFollowTheCheckListOrAreLeftOut) {
  session.regionSettings.empCategoryCount = 3;
  ASSERT_TRUE(WriteDramCard(context, 2005, 1));
  std::vector<std::string> lines = CardLines(files::kDramCard, 2005);
  // Header, five heading lines, 6 + 12 + 6 parameter lines and three regression lines come first.
  const size_t groups = 6 + 24 + 3;
  ASSERT_GT(lines.size(), groups + 2);
  EXPECT_EQ(lines[groups], "  2 01 02 00 00 00 00 00 00");
  EXPECT_EQ(lines[groups + 1], "  1 03 00 00 00 00 00 00 00");

  std::filesystem::remove(region.File("\\VORAN_SYS\\empchklist.txt"));
  ASSERT_TRUE(WriteDramCard(context, 2005, 1));
  lines = CardLines(files::kDramCard, 2005);
  EXPECT_EQ(lines[groups], "  0.0350  0.0400  0.0450");  // straight on with the unemployment line
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ModelCardsTest, AParameterTableWithoutRowsIsReportedAndLeavesAnEmptyLine) {
  // The session reads the parameters without writing them; change them beside it.
  auto parameters = platform::Database::Open(RegionFile(region.Path(), kParmDatabaseFile));
  parameters->Execute("DELETE FROM \"parmse2\"");
  parameters->Execute("DELETE FROM \"parmsh2\"");
  ASSERT_TRUE(WriteEmpalCard(context, 2005, 1));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Database error. Please exit VORAN.");
  EXPECT_EQ(messages.shown[0].title, "VORAN");
  EXPECT_EQ(CardLines(files::kEmpalCard, 2005)[7], "");

  messages.shown.clear();
  ASSERT_TRUE(WriteDramCard(context, 2005, 1));
  EXPECT_EQ(messages.shown.size(), 3u);
  const std::vector<std::string> lines = CardLines(files::kDramCard, 2005);
  EXPECT_EQ(lines[7], "");                      // the Alpha to ResLand line of category 2
  EXPECT_EQ(lines[14], "         0.1000    0.1100    0.8500    0.1100    0.1000");  // category 3 follows category 1
  EXPECT_EQ(lines[23], "");                     // the LagHH line of category 2
}

TEST_F(ModelCardsTest, UnhandledFailuresAreReportedAndLeaveNoCard) {
  struct Case {
    const char* name;
    const char* sql;
    bool parameters;
    const char* mentions;
  };
  const Case cases[] = {
      {"no projection row", "DELETE FROM \"Projections_BL\" WHERE \"F1\" = '2005'", false, "Projections_BL"},
      {"missing parameter table", "DROP TABLE \"parmsh3\"", true, "parmsh3"},
      {"short UN_EMP", "DELETE FROM \"UN_EMP\" WHERE rowid = 8", false, "UN_EMP"},
      {"short CONV_MATRIX", "DELETE FROM \"CONV_MATRIX\" WHERE rowid > 6", false, "CONV_MATRIX"},
      {"short REG_COMMUTING", "DELETE FROM \"REG_COMMUTING\" WHERE rowid = 2", false, "REG_COMMUTING"},
  };
  for (const Case& c : cases) {
    testing::DemoRegionFolder fresh{SixHouseholdCategories()};
    SessionState state;
    ASSERT_TRUE(RunStartup(state, fresh.Path()).ok);
    platform::Database::Open(RegionFile(fresh.Path(), c.parameters ? kParmDatabaseFile : kInputDatabaseFile))
        ->Execute(c.sql);
    const auto card = PerPeriodPath(fresh.Path(), files::kDramCard, 2005, "BL");
    ASSERT_TRUE(platform::WriteTextLines(card, {"an earlier card"}));
    platform::RecordingMessages shown;
    CardContext failing{state, shown, clock};
    EXPECT_FALSE(WriteDramCard(failing, 2005, 1)) << c.name;
    EXPECT_FALSE(std::filesystem::exists(card)) << c.name;
    ASSERT_EQ(shown.shown.size(), 1u) << c.name;
    EXPECT_EQ(shown.shown[0].title, "VORAN");
    EXPECT_NE(shown.shown[0].text.find(c.mentions), std::string::npos) << shown.shown[0].text;
    EXPECT_NE(shown.shown[0].text.find("2005"), std::string::npos) << shown.shown[0].text;
  }
}

TEST_F(ModelCardsTest, EmpalCardFailsWithoutTheProjectionRowOfItsYear) {
  EXPECT_FALSE(WriteEmpalCard(context, 2035, 7));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "The EMPAL card for 2035 cannot be written: the table Projections_BL has no row for the year 2035.");
  EXPECT_FALSE(std::filesystem::exists(Card(files::kEmpalCard, 2035)));
}

TEST_F(ModelCardsTest, AtrmodCardHoldsOneLineForEitherSideAndAnEmptyLine) {
  const auto card = FilePath(region.Path(), files::kAtrmodCard);
  ASSERT_TRUE(WriteAtrmodCard(context, "EMP"));
  EXPECT_EQ(ReadBytes(card), "  12   1   0   5   1   1    0.5   1   1   1   1   1   0   0    0\r\n\r\n");
  ASSERT_TRUE(WriteAtrmodCard(context, "RES"));
  EXPECT_EQ(ReadBytes(card), "  12   1   1   6   1   1    0.5   1   1   1   1   1   1   0    0\r\n\r\n");
  ASSERT_TRUE(WriteAtrmodCard(context, "XYZ"));
  EXPECT_EQ(ReadBytes(card), "\r\n");
}

}  // namespace
}  // namespace forecast::inputs
