#include "platform/database.h"
#include "results/forecast_loaders.h"
#include "results/number_text.h"
#include "results/result_database_builder.h"
#include "results/result_files.h"
#include "results/review_report.h"
#include "results/review_selection.h"
#include "results_fixture.h"

#include <gtest/gtest.h>

namespace forecast::results {
namespace {

class ReviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuildResultDatabase(demo.session, messages));
    ASSERT_TRUE(LoadEmploymentForecast(demo.session, messages));
    ASSERT_TRUE(LoadHouseholdForecast(demo.session, messages));
    SetPeriodLabels(demo.session, 1);
    demo.session.reviewRunIndex = 1;
  }
  // Sums of a column over the rows of a result table, recomputed by hand.
  double Sum(const std::string& table, const std::string& column) {
    auto db = platform::Database::Open(ResultDatabasePath(demo.region.Path(), "BL"));
    return db->Query("SELECT sum(\"" + column + "\") FROM \"" + table + "\"").rows[0][0].ToDouble();
  }
  testing::ForecastedRegion demo{3};
  platform::RecordingMessages messages;
};

TEST_F(ReviewTest, TheFirstPeriodIsComparedWithTheBaseYear) {
  demo.session.currentPeriodIndex = 1;
  CategoryChangePage page;
  ASSERT_TRUE(ComputeCategoryChangePage(demo.session, &page));
  EXPECT_EQ(page.periodCaption, "2000-2005");
  EXPECT_EQ(page.employmentHeadings[2], "Retail");
  EXPECT_EQ(page.employmentHeadings[6], "");
  const double base = demo.session.baseEmploymentTotals.categories[2];
  const double expected = RoundHalfEven((Sum("EMP_2005_BL", "Retail") - base) / base * 100.0, 3);
  EXPECT_EQ(page.employment[2].text, GeneralText(expected));
  EXPECT_NEAR(page.employment[2].value, 4.0, 0.01);  // the fixture grows every zone by 4 per cent
  EXPECT_TRUE(page.employment[2].visible);
  // Categories beyond the region's five have no base: hidden zero.
  EXPECT_FALSE(page.employment[6].visible);
  EXPECT_EQ(page.employment[6].text, "0");
  EXPECT_FALSE(page.households[5].visible);
  EXPECT_FLOAT_EQ(demo.session.reviewTotals.employment, static_cast<float>(Sum("EMP_2005_BL", "TOT_EMP")));
  EXPECT_EQ(demo.session.reviewTotals.previousEmployment, 0);
}

TEST_F(ReviewTest, ALaterPeriodIsComparedWithThePeriodBefore) {
  demo.session.currentPeriodIndex = 3;
  CategoryChangePage page;
  ASSERT_TRUE(ComputeCategoryChangePage(demo.session, &page));
  EXPECT_EQ(page.periodCaption, "2010-2015");
  const double previous = Sum("EMP_2010_BL", "Service");
  EXPECT_EQ(page.employment[3].text, GeneralText(RoundHalfEven((Sum("EMP_2015_BL", "Service") - previous) / previous * 100.0, 3)));
  // 1.12 / 1.08 - 1
  EXPECT_NEAR(page.households[1].value, (1.12 / 1.08 - 1) * 100, 0.01);

  const TotalsChangePage totals = ComputeTotalsChangePage(demo.session);
  const float population = static_cast<float>(Sum("HH_2015_BL", "TOTAL_POPN"));
  const float before = static_cast<float>(Sum("HH_2010_BL", "TOTAL_POPN"));
  EXPECT_EQ(totals.boxes[2].text, GeneralText((population - before) * 100.0f / before));
  EXPECT_TRUE(totals.upperComments.empty());

  const RatiosPage ratios = ComputeRatiosPage(demo.session);
  EXPECT_EQ(ratios.ratios[0].text, GeneralText(population / static_cast<float>(Sum("HH_2015_BL", "TOTAL_HHS"))));
}

TEST_F(ReviewTest, TablesWithFewerRowsThanZonesFailThePage) {
  platform::Database::Open(ResultDatabasePath(demo.region.Path(), "BL"))->Execute("DELETE FROM HH_2010_BL WHERE Zone = 12");
  demo.session.currentPeriodIndex = 2;
  CategoryChangePage page;
  EXPECT_FALSE(ComputeCategoryChangePage(demo.session, &page));
  demo.session.currentPeriodIndex = 1;
  EXPECT_TRUE(ComputeCategoryChangePage(demo.session, &page));
  std::filesystem::remove(ResultDatabasePath(demo.region.Path(), "BL"));
  EXPECT_FALSE(ComputeCategoryChangePage(demo.session, &page));
}

// Page 2 against base totals of 100: a change of exactly 20 or -10 is no warning.
TEST(TotalsChangePage, WarnsStrictlyAboveTwentyAndBelowMinusTen) {
  SessionState session;
  session.currentPeriodIndex = 2;
  const struct {
    float value;
    bool flagged;
    const char* comment;
  } cases[] = {{120, false, nullptr},
               {120.5f, true, ": Unusually large percentage increase."},
               {90, false, nullptr},
               {89.5f, true, ": Unusually large percentage decrease."},
               {100, false, nullptr}};
  for (const auto& c : cases) {
    session.reviewTotals = {100, c.value, 100, c.value, 100, c.value, 100, c.value, 100, c.value};
    const TotalsChangePage page = ComputeTotalsChangePage(session);
    for (const ReportBox& box : page.boxes) EXPECT_EQ(box.flagged, c.flagged) << c.value;
    if (c.comment) {
      ASSERT_EQ(page.upperComments.size(), 3u);
      ASSERT_EQ(page.lowerComments.size(), 2u);
      EXPECT_EQ(page.upperComments[0], std::string("Regional Percentage Change in Total Households") + c.comment);
      EXPECT_EQ(page.lowerComments[1], std::string("Regional Percentage Change in Vacant Land") + c.comment);
    } else {
      EXPECT_TRUE(page.upperComments.empty() && page.lowerComments.empty()) << c.value;
    }
  }
  session.reviewTotals = {};
  EXPECT_EQ(ComputeTotalsChangePage(session).boxes[0].text, "0");
}

TEST(RatiosPage, WarnsOutsideOneToThree) {
  SessionState session;
  const struct {
    float households;
    const char* text;
    const char* comment;
  } cases[] = {{100, "3", nullptr},
               {300, "1", nullptr},
               {93.75f, "3.2", "Population per Household: Warning! Population per Household may be too high."},
               {375, "0.8", "Population per Household: Population per Household may be too low."}};
  for (const auto& c : cases) {
    session.reviewTotals.population = 300;
    session.reviewTotals.households = c.households;
    session.reviewTotals.employment = 150;
    const RatiosPage page = ComputeRatiosPage(session);
    EXPECT_EQ(page.ratios[0].text, c.text);
    EXPECT_EQ(page.ratios[1].text, "2");
    if (c.comment) {
      ASSERT_EQ(page.comments.size(), 1u);
      EXPECT_EQ(page.comments[0], c.comment);
      EXPECT_TRUE(page.ratios[0].flagged);
    } else {
      EXPECT_TRUE(page.comments.empty());
    }
  }
}

TEST(NumberText, RoundsHalfToEvenAndShowsTheShortestText) {
  EXPECT_EQ(RoundHalfEven(0.0625, 3), 0.062);
  EXPECT_EQ(RoundHalfEven(0.1875, 3), 0.188);
  EXPECT_EQ(RoundHalfEven(-2.5, 0), -2);
  EXPECT_EQ(GeneralText(10.0), "10");
  EXPECT_EQ(GeneralText(0.1 + 0.2), "0.3");
  EXPECT_EQ(GeneralText(1.0f / 3.0f), "0.3333333");
  EXPECT_EQ(GeneralText(-12.5f), "-12.5");
}

}  // namespace
}  // namespace forecast::results
