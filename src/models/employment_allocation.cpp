#include "models/employment_allocation.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "models/input_consistency.h"
#include "models/model_file_names.h"
#include "models/model_text.h"
#include "models/spatial_interaction.h"

namespace forecast::models {

namespace {

void CheckInputs(const EmploymentInputs& in) {
  const int zones = in.card.zoneCount;
  RequireSame("zones", names::kStartEmployment, in.employment.ZoneCount(), names::kEmpalCard, zones);
  RequireSame("zones", names::kStartHouseholds, in.households.ZoneCount(), names::kEmpalCard, zones);
  RequireSame("zones", names::kImpedances, in.impedance.zoneCount, names::kEmpalCard, zones);
  RequireSame("zones", "EKFAC.BIN", in.kFactors.zoneCount, names::kEmpalCard, zones);
  const int ne = in.card.employmentCategories;
  RequireSame("employment categories", names::kStartEmployment, in.employment.categoryCount, names::kEmpalCard, ne);
  RequireSame("employment categories", names::kStartHouseholds, in.households.employmentCategories, names::kEmpalCard, ne);
  RequireSame("employment categories", "EKFAC.BIN", in.kFactors.categoryCount, names::kEmpalCard, ne);
  RequireSame("household categories", names::kStartHouseholds, in.households.householdCategories, names::kEmpalCard,
              in.card.householdCategories);
  std::vector<int> householdZones;
  for (const ZoneHouseholds& zone : in.households.zones) householdZones.push_back(zone.number);
  RequireSameZones(names::kStartHouseholds, householdZones, names::kStartEmployment, in.employment.zoneNumbers);
}

}  // namespace

EmploymentAllocation AllocateEmployment(const EmploymentInputs& in) {
  CheckInputs(in);
  const EmpalCard& card = in.card;
  const int zones = card.zoneCount;
  const int ne = card.employmentCategories;
  EmploymentAllocation result;

  if (in.employment.year != card.preamble.startYear || in.households.year != card.preamble.startYear) {
    result.notes.push_back("The start data are of " + std::to_string(in.employment.year) + " (employment) and " +
                           std::to_string(in.households.year) + " (households); the period starts in " +
                           std::to_string(card.preamble.startYear) + ".");
  }

  const ImpedanceTerms impedance(in.impedance);
  if (impedance.RaisedCells() > 0) {
    result.notes.push_back(std::to_string(impedance.RaisedCells()) + " zero impedances were taken as " + PlainDecimal(impedance.RaisedTo()) + ".");
  }

  std::vector<double> householdsAt(static_cast<size_t>(zones));
  std::vector<double> jobLand(static_cast<size_t>(zones));
  double allHouseholds = 0;
  for (int z = 0; z < zones; ++z) {
    const ZoneHouseholds& zone = in.households.zones[static_cast<size_t>(z)];
    householdsAt[static_cast<size_t>(z)] = zone.HouseholdTotal();
    allHouseholds += zone.HouseholdTotal();
    jobLand[static_cast<size_t>(z)] = zone.land.commercial + zone.land.basic + zone.land.vacant;
  }
  if (allHouseholds <= 0) {
    result.notes.push_back("The region has no households at the start; employment keeps its start pattern.");
  }

  AllocationRequest request;
  request.zoneNumbers = in.employment.zoneNumbers;
  request.categoryNames = card.preamble.employmentNames;
  request.fallbackZoneWeights = jobLand;
  request.constraints = card.constraints;
  request.cardName = names::kEmpalCard;
  request.targets = card.projections;

  MatrixValues deterrence;
  double lastAlpha = std::nan("");
  double lastBeta = std::nan("");
  for (int n = 0; n < ne; ++n) {
    const EmpalCoefficients& c = card.coefficients[static_cast<size_t>(n)];
    EmploymentCategoryOutcome outcome;
    outcome.startTotal = in.employment.CategoryTotal(n);
    outcome.lambda = std::clamp(c.lambda, 0.0, 1.0);
    if (outcome.lambda != c.lambda) {
      result.notes.push_back("Lambda " + PlainDecimal(c.lambda) + " of employment category " + std::to_string(n + 1) + " was taken as " +
                             PlainDecimal(outcome.lambda) + ".");
    }
    if (allHouseholds <= 0) outcome.lambda = 0;

    std::vector<double> start(static_cast<size_t>(zones));
    for (int z = 0; z < zones; ++z) start[static_cast<size_t>(z)] = in.employment.Jobs(z, n);

    std::vector<double> modelled = start;
    if (outcome.lambda > 0) {
      std::vector<double> logWeight(static_cast<size_t>(zones));
      for (int z = 0; z < zones; ++z) {
        const double land = jobLand[static_cast<size_t>(z)];
        const double landTerm = c.land == 0 ? 0.0 : c.land * LogOrMinusInfinity(land);
        logWeight[static_cast<size_t>(z)] =
            LogOrMinusInfinity(in.kFactors.At(n, z)) + c.emp * std::log(start[static_cast<size_t>(z)] + 1) + landTerm;
      }
      const std::vector<double> weight = WeightsFromLogs(logWeight);
      if (!(c.alpha == lastAlpha && c.beta == lastBeta)) {
        impedance.Deterrence(c.alpha, c.beta, &deterrence);
        lastAlpha = c.alpha;
        lastBeta = c.beta;
      }
      const double jobsPerHousehold = outcome.startTotal / allHouseholds;
      std::vector<double> origin(householdsAt);
      for (double& v : origin) v *= jobsPerHousehold;
      const InteractionResult spread = SpreadFromOrigins(deterrence, zones, origin, weight);
      if (spread.unplaced > 0) {
        result.notes.push_back("Employment category " + std::to_string(n + 1) + ": " + Decimals(spread.unplaced, 2) +
                               " jobs of the interaction term found no zone with attractiveness and were left to the scaling.");
      }
      for (int z = 0; z < zones; ++z) {
        const auto i = static_cast<size_t>(z);
        modelled[i] = outcome.lambda * spread.arriving[i] + (1 - outcome.lambda) * start[i];
      }
    }
    double modelTotal = 0;
    for (double v : modelled) modelTotal += v;
    outcome.modelTotal = modelTotal;
    const double target = card.projections[static_cast<size_t>(n)];
    if (modelTotal > 0) {
      for (double& v : modelled) v *= target / modelTotal;
    }
    request.forecast.push_back(std::move(modelled));
    result.categories.push_back(outcome);
  }

  result.allocation = AllocateWithConstraints(request);
  result.forecast.year = card.preamble.endYear;
  result.forecast.categoryCount = ne;
  result.forecast.zoneNumbers = in.employment.zoneNumbers;
  result.forecast.jobs.assign(static_cast<size_t>(zones * ne), 0.0);
  for (int n = 0; n < ne; ++n) {
    for (int z = 0; z < zones; ++z) result.forecast.Jobs(z, n) = result.allocation.values[static_cast<size_t>(n)][static_cast<size_t>(z)];
  }
  return result;
}

}  // namespace forecast::models
