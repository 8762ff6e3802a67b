#include "policy/constraint_calendar.h"
#include "policy/constraint_selection.h"

#include <gtest/gtest.h>

namespace forecast::policy {
namespace {

SessionState SessionOf(const char* dataYear, const char* lagYear, const char* periods) {
  SessionState session;
  session.regionSettings.currentDataYear = dataYear;
  session.regionSettings.lagDataYear = lagYear;
  session.regionSettings.forecastPeriodCount = periods;
  return session;
}

TEST(ConstraintTypeCode, NumbersEverySetOfTypesAsTheCardsExpect) {
  struct Case {
    std::initializer_list<int> types;
    int code;
  };
  const Case cases[] = {{{}, 0},        {{1}, 1},       {{2}, 2},       {{3}, 3},          {{1, 2}, 4},
                        {{1, 3}, 5},    {{2, 3}, 6},    {{1, 2, 3}, 7}, {{4}, 8},          {{1, 4}, 9},
                        {{2, 4}, 10},   {{3, 4}, 11},   {{1, 2, 4}, 12}, {{1, 3, 4}, 13},  {{2, 3, 4}, 14},
                        {{1, 2, 3, 4}, 15}};
  for (const Case& c : cases) {
    SessionState session = SessionOf("2000", "1995", "4");
    ConstraintTypeSet set{};
    for (int type : c.types) {
      set[static_cast<size_t>(type)] = true;
      SetConstraintSelected(session, type, 2, ConstraintGroup::Employee, true);
    }
    EXPECT_EQ(ConstraintCodeOf(set), c.code);
    EXPECT_EQ(ConstraintTypeCode(session, 2010, "Employee"), c.code);
    EXPECT_EQ(ConstraintTypeCode(session, 2010, "Household"), 0);
    EXPECT_EQ(ConstraintTypeCode(session, 2005, ConstraintGroup::Employee), 0);
    for (int type = 1; type <= 4; ++type) EXPECT_EQ(CodeIncludesType(c.code, type), set[static_cast<size_t>(type)]);
  }
}

TEST(ConstraintTypeCode, YearsOutsideThePeriodsOrWithoutAStepHaveNoConstraints) {
  SessionState session = SessionOf("2000", "1995", "4");
  for (int period = 1; period <= 10; ++period) SetConstraintSelected(session, 1, period, ConstraintGroup::Employee, true);
  EXPECT_EQ(ConstraintTypeCode(session, 2000, "Employee"), 0);
  EXPECT_EQ(ConstraintTypeCode(session, 2055, "Employee"), 0);  // period 11
  EXPECT_EQ(ConstraintTypeCode(session, 2050, "EMPLOYEE"), 1);
  SessionState noStep = SessionOf("2000", "2000", "4");
  noStep.constraintSelected = session.constraintSelected;
  EXPECT_EQ(ConstraintTypeCode(noStep, 2010, "Employee"), 0);
}

TEST(ConstraintCalendar, PeriodsRoundHalfToEven) {
  const ConstraintCalendar calendar{2000, 4, 6};
  EXPECT_EQ(calendar.PeriodOfYear(2010), 2);  // 2.5
  EXPECT_EQ(calendar.PeriodOfYear(2014), 4);  // 3.5
  EXPECT_EQ(calendar.PeriodOfYear(2005), 1);  // 1.25
  EXPECT_EQ(calendar.YearOfPeriod(3), 2012);
  const ConstraintCalendar fromSettings = CalendarOf(SessionOf("2000.7", "1995", "12").regionSettings);
  EXPECT_EQ(fromSettings.dataYear, 2000);
  EXPECT_EQ(fromSettings.step, 5);
  EXPECT_EQ(fromSettings.periodCount, 10);  // no more periods than a session holds
}

TEST(ClearConstraintType, ClearsOneTypeForEveryPeriodAndGroup) {
  SessionState session = SessionOf("2000", "1995", "4");
  for (int type = 1; type <= 4; ++type) {
    for (int period = 1; period <= 4; ++period) {
      for (ConstraintGroup group : kConstraintGroups) SetConstraintSelected(session, type, period, group, true);
    }
  }
  ClearConstraintType(session, 3);
  EXPECT_EQ(ConstraintTypeCode(session, 2010, "Employee"), 12);
  EXPECT_EQ(ConstraintTypeCode(session, 2020, "Household"), 12);
}

TEST(YearsWithConstraints, ListsEachChosenPeriodOnceInOrder) {
  SessionState session = SessionOf("2000", "1995", "4");
  EXPECT_TRUE(YearsWithConstraints(session).empty());
  SetConstraintSelected(session, 4, 3, ConstraintGroup::Household, true);
  SetConstraintSelected(session, 1, 1, ConstraintGroup::Employee, true);
  SetConstraintSelected(session, 2, 1, ConstraintGroup::Household, true);
  EXPECT_EQ(YearsWithConstraints(session), (std::vector<int>{2005, 2015}));
}

}  // namespace
}  // namespace forecast::policy
