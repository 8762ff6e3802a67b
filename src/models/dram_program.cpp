#include "models/dram_program.h"

#include "models/allocation_report.h"
#include "models/model_file_names.h"
#include "models/model_files.h"
#include "models/model_program.h"
#include "models/model_text.h"

namespace forecast::models {

namespace {

void ReportPopulationAndLand(ReportLines& report, const DramCard& card, const HouseholdTable& start, const HouseholdAllocation& result) {
  report.Heading("Population and land");
  double population = 0, employed = 0, groupQuarters = 0, startEmployed = 0, startGroupQuarters = 0;
  LandAccount before, after;
  const auto add = [](LandAccount& sum, const LandAccount& land) {
    sum.residential += land.residential;
    sum.commercial += land.commercial;
    sum.basic += land.basic;
    sum.streets += land.streets;
    sum.vacant += land.vacant;
    sum.unusable += land.unusable;
    sum.totalArea += land.totalArea;
  };
  for (const ZoneHouseholds& zone : start.zones) {
    startEmployed += zone.employedResidents;
    startGroupQuarters += zone.groupQuartersPopulation;
    add(before, zone.land);
  }
  for (const ZoneHouseholds& zone : result.forecast.zones) {
    population += zone.population;
    employed += zone.employedResidents;
    groupQuarters += zone.groupQuartersPopulation;
    add(after, zone.land);
  }
  const std::vector<size_t> widths = {30, 16, 16};
  report.Row({"", "Start", "Forecast"}, widths);
  report.Row({"Population", Decimals(result.startPopulation, 2), Decimals(population, 2)}, widths);
  report.Row({"Projected population", "", Decimals(card.projectedPopulation, 2)}, widths);
  report.Row({"Households", Decimals(result.startHouseholds, 2), Decimals(result.targetHouseholds, 2)}, widths);
  report.Row({"Employed residents (TEPR)", Decimals(startEmployed, 2), Decimals(employed, 2)}, widths);
  report.Row({"Group quarters (GPQRS)", Decimals(startGroupQuarters, 2), Decimals(groupQuarters, 2)}, widths);
  report.Row({"Residential acres", Decimals(before.residential, 2), Decimals(after.residential, 2)}, widths);
  report.Row({"Commercial acres", Decimals(before.commercial, 2), Decimals(after.commercial, 2)}, widths);
  report.Row({"Basic acres", Decimals(before.basic, 2), Decimals(after.basic, 2)}, widths);
  report.Row({"Streets acres", Decimals(before.streets, 2), Decimals(after.streets, 2)}, widths);
  report.Row({"Vacant developable acres", Decimals(before.vacant, 2), Decimals(after.vacant, 2)}, widths);
  report.Row({"Unusable acres", Decimals(before.unusable, 2), Decimals(after.unusable, 2)}, widths);
  report.Row({"Total area", Decimals(before.totalArea, 2), Decimals(after.totalArea, 2)}, widths);
  report.Line(card.hasGroups ? "Jobs of the card's first employment group build on basic land, the second group on commercial land."
                             : "The card has no employment groups: all jobs build on commercial and basic land together.");
  const DevelopmentSummary& d = result.development;
  if (d.zonesOutOfVacantLand > 0) {
    report.Line(std::to_string(d.zonesOutOfVacantLand) + " zones ran out of vacant developable land; they grow denser instead.");
  }
  if (!d.zonesWithOddTotalArea.empty()) {
    std::string zones;
    for (int zone : d.zonesWithOddTotalArea) zones += (zones.empty() ? "" : ", ") + std::to_string(zone);
    report.Line("The recorded total area of zones " + zones + " was not unusable + usable land; it is now.");
  }
}

}  // namespace

std::vector<std::string> DramReport(const DramCard& card, const HouseholdTable& start, const HouseholdAllocation& result) {
  ReportLines report;
  ReportRunHeader(report, "DRAM household allocation", card.preamble, card.zoneCount, card.employmentCategories, card.householdCategories,
                  card.constraintCode, card.switches);
  report.Heading("Inputs");
  report.Line(std::string(names::kDramCard) + "; " + names::kEmploymentForecast + " (end of the period); " + names::kStartHouseholds +
              " (start of the period); " + names::kImpedances + "; DKFAC.BIN");

  report.Heading("Coefficients");
  const std::vector<size_t> coefficientWidths = {14, 10, 10, 10, 10, 10, 10};
  report.Row({"Category", "Alpha", "Beta", "VacDev", "PerDev", "ResLand", "LagHH"}, coefficientWidths);
  for (int h = 0; h < card.householdCategories; ++h) {
    const DramCoefficients& c = card.coefficients[static_cast<size_t>(h)];
    report.Row({CategoryLabel(card.preamble.householdNames, h), Decimals(c.alpha, 4), Decimals(c.beta, 4), Decimals(c.vacDev, 4),
                Decimals(c.perDev, 4), Decimals(c.resLand, 4), Decimals(c.lagHH, 4)},
               coefficientWidths);
  }
  report.Line("Regional households: " + Decimals(result.startHouseholds, 2) + " at the start, " + Decimals(result.targetHouseholds, 2) +
              " for the projected population at the start's " + Decimals(result.startPopulation / result.startHouseholds, 4) +
              " persons per household (group quarters included).");

  report.Heading("Regional households by category");
  const std::vector<size_t> widths = {14, 14, 14, 14, 14, 14, 14, 6};
  report.Row({"Category", "Start", "Start demand", "Demand", "Model", "Target", "Forecast", "Met"}, widths);
  for (int h = 0; h < card.householdCategories; ++h) {
    const HouseholdCategoryOutcome& outcome = result.categories[static_cast<size_t>(h)];
    const CategoryBalance& balance = result.allocation.balances[static_cast<size_t>(h)];
    report.Row({CategoryLabel(card.preamble.householdNames, h), Decimals(outcome.startTotal, 2), Decimals(outcome.startDemand, 2),
                Decimals(outcome.demand, 2),
                Decimals(outcome.modelTotal, 2), Decimals(balance.target, 2), Decimals(balance.achieved, 2), balance.reached ? "yes" : "NO"},
               widths);
  }
  report.Line("Demand: households the jobs call for through the conversion matrix, at the start and at the end of the period.");
  report.Line("Target: the regional households, shared by the start households of each category grown with its demand.");
  report.Line("Model: the total before scaling to the target.");

  ReportConstraints(report, result.allocation, card.constraintCode, card.preamble.householdNames);
  ReportPopulationAndLand(report, card, start, result);
  ReportProblemsAndNotes(report, result.allocation, result.notes);
  report.Heading("Output");
  report.Line(std::string(names::kHouseholdForecast) + ": households, population and land of " + std::to_string(result.forecast.year) +
              " in " + std::to_string(result.forecast.ZoneCount()) + " zones.");
  return report.Lines();
}

bool RunDramProgram(const std::filesystem::path& folder, std::string* error) {
  return RunModelStep(folder, {names::kHouseholdForecast, names::kDramReport}, [&] {
    const DramCard card = ParseDramCard(ReadInputLines(folder, names::kDramCard), names::kDramCard);
    const EmploymentTable employment = ReadEmploymentTable(folder, names::kEmploymentForecast);
    const HouseholdTable households = ReadHouseholdTable(folder, names::kStartHouseholds);
    const ImpedanceMatrix impedance = ReadImpedanceMatrix(folder, names::kImpedances);
    const KFactorTable kFactors = ReadKFactorTable(folder, KFactorSide::Households);
    const HouseholdAllocation result = AllocateHouseholds({card, employment, households, impedance, kFactors});
    WriteHouseholdTable(folder / names::kHouseholdForecast, result.forecast);
    WriteOutputLines(folder / names::kDramReport, DramReport(card, households, result));
  }, error);
}

}  // namespace forecast::models
