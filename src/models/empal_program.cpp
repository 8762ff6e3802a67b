#include "models/empal_program.h"

#include "models/allocation_report.h"
#include "models/model_file_names.h"
#include "models/model_files.h"
#include "models/model_program.h"
#include "models/model_text.h"

namespace forecast::models {

std::vector<std::string> EmpalReport(const EmpalCard& card, const EmploymentAllocation& result) {
  ReportLines report;
  ReportRunHeader(report, "EMPAL employment allocation", card.preamble, card.zoneCount, card.employmentCategories,
                  card.householdCategories, card.constraintCode, card.switches);
  report.Heading("Inputs");
  report.Line(std::string(names::kEmpalCard) + "; " + names::kStartEmployment + ", " + names::kStartHouseholds + " (start of the period); " +
              names::kImpedances + "; EKFAC.BIN");

  report.Heading("Coefficients");
  const std::vector<size_t> coefficientWidths = {14, 10, 10, 10, 10, 10};
  report.Row({"Category", "Alpha", "Beta", "Emp", "Land", "Lambda"}, coefficientWidths);
  for (int n = 0; n < card.employmentCategories; ++n) {
    const EmpalCoefficients& c = card.coefficients[static_cast<size_t>(n)];
    report.Row({CategoryLabel(card.preamble.employmentNames, n), Decimals(c.alpha, 4), Decimals(c.beta, 4), Decimals(c.emp, 4),
                Decimals(c.land, 4), Decimals(c.lambda, 4)},
               coefficientWidths);
  }

  report.Heading("Regional employment by category");
  const std::vector<size_t> widths = {14, 14, 14, 14, 14, 6};
  report.Row({"Category", "Start", "Model", "Projection", "Forecast", "Met"}, widths);
  double start = 0, model = 0, projected = 0, forecast = 0;
  for (int n = 0; n < card.employmentCategories; ++n) {
    const EmploymentCategoryOutcome& outcome = result.categories[static_cast<size_t>(n)];
    const CategoryBalance& balance = result.allocation.balances[static_cast<size_t>(n)];
    report.Row({CategoryLabel(card.preamble.employmentNames, n), Decimals(outcome.startTotal, 2), Decimals(outcome.modelTotal, 2),
                Decimals(balance.target, 2), Decimals(balance.achieved, 2), balance.reached ? "yes" : "NO"},
               widths);
    start += outcome.startTotal;
    model += outcome.modelTotal;
    projected += balance.target;
    forecast += balance.achieved;
  }
  report.Row({"Total", Decimals(start, 2), Decimals(model, 2), Decimals(projected, 2), Decimals(forecast, 2), ""}, widths);
  report.Line("Model: the total before scaling to the projection.");

  ReportConstraints(report, result.allocation, card.constraintCode, card.preamble.employmentNames);
  ReportProblemsAndNotes(report, result.allocation, result.notes);
  report.Heading("Output");
  report.Line(std::string(names::kEmploymentForecast) + ": employment of " + std::to_string(result.forecast.year) + " in " +
              std::to_string(result.forecast.ZoneCount()) + " zones.");
  return report.Lines();
}

bool RunEmpalProgram(const std::filesystem::path& folder, std::string* error) {
  return RunModelStep(folder, {names::kEmploymentForecast, names::kEmpalReport}, [&] {
    const EmpalCard card = ParseEmpalCard(ReadInputLines(folder, names::kEmpalCard), names::kEmpalCard);
    const EmploymentTable employment = ReadEmploymentTable(folder, names::kStartEmployment);
    const HouseholdTable households = ReadHouseholdTable(folder, names::kStartHouseholds);
    const ImpedanceMatrix impedance = ReadImpedanceMatrix(folder, names::kImpedances);
    const KFactorTable kFactors = ReadKFactorTable(folder, KFactorSide::Employment);
    const EmploymentAllocation result = AllocateEmployment({card, employment, households, impedance, kFactors});
    WriteEmploymentTable(folder / names::kEmploymentForecast, result.forecast);
    // The report last: the caller takes it for the sign of success.
    WriteOutputLines(folder / names::kEmpalReport, EmpalReport(card, result));
  }, error);
}

}  // namespace forecast::models
