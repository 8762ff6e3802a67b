#include "results/review_report.h"

#include "platform/database.h"
#include "platform/text.h"
#include "results/number_text.h"
#include "results/result_files.h"

#include <stdexcept>

namespace forecast::results {

using platform::Database;

namespace {

struct EmploymentSums {
  std::array<double, 9> categories{};
  float total = 0;
};

struct HouseholdSums {
  std::array<float, 9> categories{};
  float households = 0;
  float population = 0;
  float vacant = 0;
  float developed = 0;
};

std::string CategoryField(const std::array<std::string, 9>& names, size_t k) { return platform::Trim(names[k]); }

// Opens a result table at zone 1; the rows from there on are read in stored order.
std::unique_ptr<platform::Recordset> OpenAtZoneOne(Database& db, const std::string& table) {
  auto set = db.OpenRecordset(table);
  if (!set->FindFirst("Zone", platform::Value(1))) throw std::runtime_error("no zone 1 in " + table);
  return set;
}

int ZoneCount(const SessionState& session) {
  return static_cast<int>(platform::LeadingNumber(session.regionSettings.zoneCount));
}

void NextRow(platform::Recordset& set, int row, int zones) {
  set.MoveNext();
  if (row + 1 < zones && set.AtEnd()) throw std::runtime_error("fewer rows than zones in " + set.TableName());
}

EmploymentSums ReadEmployment(Database& db, const SessionState& session, const std::string& table) {
  EmploymentSums sums;
  auto set = OpenAtZoneOne(db, table);
  const auto& names = session.regionSettings.empCategoryNames;
  const int zones = ZoneCount(session);
  for (int row = 0; row < zones; ++row) {
    for (size_t k = 1; k <= 8; ++k) {
      const std::string field = CategoryField(names, k);
      if (k > 4 && field.empty()) continue;
      sums.categories[k] += set->Field(field).ToDouble();
    }
    sums.total += static_cast<float>(set->Field("TOT_EMP").ToDouble());
    NextRow(*set, row, zones);
  }
  return sums;
}

HouseholdSums ReadHouseholds(Database& db, const SessionState& session, const std::string& table) {
  HouseholdSums sums;
  auto set = OpenAtZoneOne(db, table);
  const auto& names = session.regionSettings.hhCategoryNames;
  const int zones = ZoneCount(session);
  for (int row = 0; row < zones; ++row) {
    for (size_t k = 1; k <= 8; ++k) {
      const std::string field = CategoryField(names, k);
      if (k > 4 && field.empty()) continue;
      sums.categories[k] += static_cast<float>(set->Field(field).ToDouble());
    }
    sums.households += static_cast<float>(set->Field("TOTAL_HHS").ToDouble());
    sums.population += static_cast<float>(set->Field("TOTAL_POPN").ToDouble());
    sums.vacant += static_cast<float>(set->Field("Vacant").ToDouble());
    sums.developed += static_cast<float>(set->Field("Residential").ToDouble() + set->Field("Commercial").ToDouble() +
                                         set->Field("Basic").ToDouble() + set->Field("Streets").ToDouble());
    NextRow(*set, row, zones);
  }
  return sums;
}

ReportBox Box(std::string text) {
  ReportBox box;
  box.value = platform::LeadingNumber(text);
  box.text = std::move(text);
  return box;
}

ReportBox HiddenZero() {
  ReportBox box;
  box.visible = false;
  return box;
}

std::string PeriodCaption(const SessionState& session) {
  const int period = session.currentPeriodIndex;
  return period >= 1 && period <= kMaxPeriods ? session.periodLabels[static_cast<size_t>(period)] : std::string();
}

}  // namespace

const std::array<std::string, 5>& TotalsRowLabels() {
  static const std::array<std::string, 5> labels = {
      "Regional Percentage Change in Total Households", "Regional Percentage Change in Total Employment",
      "Regional Percentage Change in Population", "Regional Percentage Change in Developed Land",
      "Regional Percentage Change in Vacant Land"};
  return labels;
}

const std::array<std::string, 2>& RatioRowLabels() {
  static const std::array<std::string, 2> labels = {"Population per Household:", "Population per Employee:"};
  return labels;
}

bool ComputeCategoryChangePage(SessionState& session, CategoryChangePage* page) {
  *page = CategoryChangePage{};
  page->periodCaption = PeriodCaption(session);
  const auto& settings = session.regionSettings;
  for (size_t k = 1; k <= 8; ++k) {
    if (static_cast<int>(k) <= settings.empCategoryCount) page->employmentHeadings[k] = settings.empCategoryNames[k];
    if (static_cast<int>(k) <= settings.hhCategoryCount) page->householdHeadings[k] = settings.hhCategoryNames[k];
  }
  session.reviewTotals = ReviewTotals{};
  ReviewTotals& totals = session.reviewTotals;
  const int run = session.reviewRunIndex;
  const int period = session.currentPeriodIndex;
  if (run < 1 || run > kMaxRuns || period < 1 || period > kMaxPeriods) return false;
  const std::string runCode = session.runTypeCodes[static_cast<size_t>(run)];
  const bool first = period == 1;
  const int y1 = session.ForecastYear(run, period);
  const int y0 = first ? 0 : session.ForecastYear(run, period - 1);
  try {
    const auto file = ResultDatabasePath(session.appFolder, runCode);
    auto db = Database::Open(file, Database::Mode::ReadOnly);
    EmploymentSums previousJobs;
    if (!first) {
      previousJobs = ReadEmployment(*db, session, ResultTableName("EMP", y0, runCode));
      totals.previousEmployment = previousJobs.total;
    }
    const EmploymentSums jobs = ReadEmployment(*db, session, ResultTableName("EMP", y1, runCode));
    totals.employment = jobs.total;
    for (size_t k = 1; k <= 8; ++k) {
      const double base = first ? static_cast<double>(session.baseEmploymentTotals.categories[k]) : previousJobs.categories[k];
      page->employment[k] =
          base != 0 ? Box(GeneralText(RoundHalfEven((jobs.categories[k] - base) / base * 100.0, 3))) : HiddenZero();
    }

    HouseholdSums previousHouseholds;
    if (!first) {
      previousHouseholds = ReadHouseholds(*db, session, ResultTableName("HH", y0, runCode));
      totals.previousPopulation = previousHouseholds.population;
      totals.previousHouseholds = previousHouseholds.households;
      totals.previousVacantLand = previousHouseholds.vacant;
      totals.previousDevelopedLand = previousHouseholds.developed;
    }
    const HouseholdSums households = ReadHouseholds(*db, session, ResultTableName("HH", y1, runCode));
    totals.population = households.population;
    totals.households = households.households;
    totals.vacantLand = households.vacant;
    totals.developedLand = households.developed;
    for (size_t k = 1; k <= 8; ++k) {
      const float base = first ? session.baseHouseholdTotals.categories[k] : previousHouseholds.categories[k];
      if (base == 0) {
        page->households[k] = HiddenZero();
        continue;
      }
      const float change = (households.categories[k] - base) / base * 100.0f;
      page->households[k] = Box(GeneralText(RoundHalfEven(static_cast<double>(change), 3)));
    }
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

TotalsChangePage ComputeTotalsChangePage(const SessionState& session) {
  TotalsChangePage page;
  page.periodCaption = PeriodCaption(session);
  const ReviewTotals& t = session.reviewTotals;
  const bool first = session.currentPeriodIndex == 1;
  const float values[5] = {t.households, t.employment, t.population, t.developedLand, t.vacantLand};
  const float bases[5] = {
      first ? session.baseHouseholdTotals.total : t.previousHouseholds,
      first ? session.baseEmploymentTotals.total : t.previousEmployment,
      first ? session.baseHouseholdTotals.population : t.previousPopulation,
      first ? session.baseLandUseTotals.developed : t.previousDevelopedLand,
      first ? session.baseLandUseTotals.Vacant() : t.previousVacantLand,
  };
  for (size_t i = 0; i < 5; ++i) {
    page.boxes[i] = bases[i] != 0 ? Box(GeneralText((values[i] - bases[i]) * 100.0f / bases[i])) : Box("0");
    std::vector<std::string>& comments = i < 3 ? page.upperComments : page.lowerComments;
    const std::string& label = TotalsRowLabels()[i];
    if (page.boxes[i].value > 20) {
      comments.push_back(label + ": Unusually large percentage increase.");
      page.boxes[i].flagged = true;
    } else if (page.boxes[i].value < -10) {
      comments.push_back(label + ": Unusually large percentage decrease.");
      page.boxes[i].flagged = true;
    }
  }
  return page;
}

RatiosPage ComputeRatiosPage(const SessionState& session) {
  RatiosPage page;
  const ReviewTotals& t = session.reviewTotals;
  const float perHousehold = t.households != 0 ? t.population / t.households : 0.0f;
  const float perEmployee = t.employment != 0 ? t.population / t.employment : 0.0f;
  page.ratios[0] = Box(GeneralText(perHousehold));
  page.ratios[1] = Box(GeneralText(perEmployee));
  page.periodCaption = PeriodCaption(session);
  const char* high[2] = {" Warning! Population per Household may be too high.",
                         " Warning! Population per Employee may be too high."};
  const char* low[2] = {" Population per Household may be too low.", " Population per Employee may be too low."};
  for (size_t i = 0; i < 2; ++i) {
    if (page.ratios[i].value > 3) {
      page.comments.push_back(RatioRowLabels()[i] + high[i]);
      page.ratios[i].flagged = true;
    } else if (page.ratios[i].value < 1) {
      page.comments.push_back(RatioRowLabels()[i] + low[i]);
      page.ratios[i].flagged = true;
    }
  }
  return page;
}

}  // namespace forecast::results
