#include "models/household_allocation.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "models/input_consistency.h"
#include "models/model_error.h"
#include "models/model_file_names.h"
#include "models/model_text.h"
#include "models/spatial_interaction.h"
#include "models/vector_sum.h"

namespace forecast::models {

namespace {

void CheckInputs(const HouseholdInputs& in) {
  const int zones = in.card.zoneCount;
  RequireSame("zones", names::kEmploymentForecast, in.employment.ZoneCount(), names::kDramCard, zones);
  RequireSame("zones", names::kStartHouseholds, in.households.ZoneCount(), names::kDramCard, zones);
  RequireSame("zones", names::kImpedances, in.impedance.zoneCount, names::kDramCard, zones);
  RequireSame("zones", "DKFAC.BIN", in.kFactors.zoneCount, names::kDramCard, zones);
  const int ne = in.card.employmentCategories;
  RequireSame("employment categories", names::kEmploymentForecast, in.employment.categoryCount, names::kDramCard, ne);
  RequireSame("employment categories", names::kStartHouseholds, in.households.employmentCategories, names::kDramCard, ne);
  const int nh = in.card.householdCategories;
  RequireSame("household categories", names::kStartHouseholds, in.households.householdCategories, names::kDramCard, nh);
  RequireSame("household categories", "DKFAC.BIN", in.kFactors.categoryCount, names::kDramCard, nh);
  std::vector<int> householdZones;
  for (const ZoneHouseholds& zone : in.households.zones) householdZones.push_back(zone.number);
  RequireSameZones(names::kStartHouseholds, householdZones, names::kEmploymentForecast, in.employment.zoneNumbers);
}

// log W_i of household category h, from the zone's land and household mix at the start.
double LogAttractiveness(const DramCoefficients& c, const ZoneHouseholds& zone, double kFactor) {
  const LandAccount& land = zone.land;
  const double usable = land.Usable();
  const double developedShare = usable > 0 ? land.Developed() / usable : 0.0;
  double log = LogOrMinusInfinity(kFactor) + c.vacDev * std::log(land.vacant + 1) + c.perDev * std::log(1 + developedShare) +
               c.resLand * std::log(land.residential + 1);
  const double households = zone.HouseholdTotal();
  if (households > 0) {
    for (size_t k = 0; k < c.householdMix.size(); ++k) log += c.householdMix[k] * std::log(1 + zone.households[k] / households);
  }
  return log;
}

EmploymentLandGroups LandGroupsOf(const DramCard& card) {
  EmploymentLandGroups groups;
  groups.known = card.hasGroups;
  for (int k : card.firstGroup) groups.basic.push_back(k - 1);
  for (int k : card.secondGroup) groups.commercial.push_back(k - 1);
  return groups;
}

}  // namespace

HouseholdAllocation AllocateHouseholds(const HouseholdInputs& in) {
  CheckInputs(in);
  const DramCard& card = in.card;
  const int zones = card.zoneCount;
  const int nh = card.householdCategories;
  const int ne = card.employmentCategories;
  HouseholdAllocation result;

  if (in.households.year != card.preamble.startYear) {
    result.notes.push_back(std::string(names::kStartHouseholds) + " is of " + std::to_string(in.households.year) + "; the period starts in " +
                           std::to_string(card.preamble.startYear) + ".");
  }
  if (in.employment.year != card.preamble.endYear) {
    result.notes.push_back(std::string(names::kEmploymentForecast) + " is of " + std::to_string(in.employment.year) + "; the period ends in " +
                           std::to_string(card.preamble.endYear) + ".");
  }

  for (const ZoneHouseholds& zone : in.households.zones) {
    result.startHouseholds += zone.HouseholdTotal();
    result.startPopulation += zone.population;
  }
  if (result.startPopulation <= 0 || result.startHouseholds <= 0) {
    throw ModelInputError(std::string(names::kStartHouseholds) +
                          " holds no population or no households, so the persons per household of the start year cannot be found.");
  }
  result.targetHouseholds = result.startHouseholds * card.projectedPopulation / result.startPopulation;

  const ImpedanceTerms impedance(in.impedance);
  if (impedance.RaisedCells() > 0) {
    result.notes.push_back(std::to_string(impedance.RaisedCells()) + " zero impedances were taken as " + PlainDecimal(impedance.RaisedTo()) + ".");
  }

  // Workers of every employment category become household demand at their workplace.
  std::vector<std::vector<double>> demand(static_cast<size_t>(nh), std::vector<double>(static_cast<size_t>(zones), 0.0));
  for (int h = 0; h < nh; ++h) {
    for (int z = 0; z < zones; ++z) {
      double d = 0;
      for (int n = 0; n < ne; ++n) d += card.conversion[static_cast<size_t>(n)][static_cast<size_t>(h)] * in.employment.Jobs(z, n);
      demand[static_cast<size_t>(h)][static_cast<size_t>(z)] = d;
    }
  }
  std::vector<double> startJobs(static_cast<size_t>(ne), 0.0);
  for (const ZoneHouseholds& zone : in.households.zones) {
    for (int n = 0; n < ne; ++n) startJobs[static_cast<size_t>(n)] += zone.jobs[static_cast<size_t>(n)];
  }
  std::vector<double> growthWeight;
  for (int h = 0; h < nh; ++h) {
    HouseholdCategoryOutcome outcome;
    outcome.startTotal = in.households.CategoryTotal(h);
    outcome.demand = SumOf(demand[static_cast<size_t>(h)]);
    for (int n = 0; n < ne; ++n) {
      outcome.startDemand += card.conversion[static_cast<size_t>(n)][static_cast<size_t>(h)] * startJobs[static_cast<size_t>(n)];
    }
    // Without demand at the start there is nothing to measure growth against: the category keeps its share.
    growthWeight.push_back(outcome.startDemand > 0 ? outcome.startTotal * outcome.demand / outcome.startDemand : outcome.startTotal);
    result.categories.push_back(outcome);
  }
  const double allWeight = SumOf(growthWeight);
  for (int h = 0; h < nh; ++h) {
    HouseholdCategoryOutcome& outcome = result.categories[static_cast<size_t>(h)];
    const double share = allWeight > 0 ? growthWeight[static_cast<size_t>(h)] / allWeight : outcome.startTotal / result.startHouseholds;
    outcome.target = result.targetHouseholds * share;
  }

  AllocationRequest request;
  request.zoneNumbers = in.employment.zoneNumbers;
  request.categoryNames = card.preamble.householdNames;
  request.constraints = card.constraints;
  request.cardName = names::kDramCard;
  for (const ZoneHouseholds& zone : in.households.zones) request.fallbackZoneWeights.push_back(zone.land.residential + zone.land.vacant);

  MatrixValues deterrence;
  double lastAlpha = std::nan("");
  double lastBeta = std::nan("");
  for (int h = 0; h < nh; ++h) {
    const DramCoefficients& c = card.coefficients[static_cast<size_t>(h)];
    HouseholdCategoryOutcome& outcome = result.categories[static_cast<size_t>(h)];
    outcome.lagHH = std::clamp(c.lagHH, 0.0, 1.0);
    if (outcome.lagHH != c.lagHH) {
      result.notes.push_back("LagHH " + PlainDecimal(c.lagHH) + " of household category " + std::to_string(h + 1) + " was taken as " +
                             PlainDecimal(outcome.lagHH) + ".");
    }
    std::vector<double> start(static_cast<size_t>(zones));
    for (int z = 0; z < zones; ++z) start[static_cast<size_t>(z)] = in.households.zones[static_cast<size_t>(z)].households[static_cast<size_t>(h)];

    std::vector<double> modelled = start;
    if (outcome.lagHH < 1 && outcome.demand > 0) {
      std::vector<double> logWeight(static_cast<size_t>(zones));
      for (int z = 0; z < zones; ++z) {
        logWeight[static_cast<size_t>(z)] = LogAttractiveness(c, in.households.zones[static_cast<size_t>(z)], in.kFactors.At(h, z));
      }
      const std::vector<double> weight = WeightsFromLogs(logWeight);
      if (!(c.alpha == lastAlpha && c.beta == lastBeta)) {
        impedance.Deterrence(c.alpha, c.beta, &deterrence);
        lastAlpha = c.alpha;
        lastBeta = c.beta;
      }
      const InteractionResult drawn = DrawFromOrigins(deterrence, zones, demand[static_cast<size_t>(h)], weight);
      if (drawn.unplaced > 0) {
        result.notes.push_back("Household category " + std::to_string(h + 1) + ": a demand of " + Decimals(drawn.unplaced, 2) +
                               " households found no zone with attractiveness and was left to the scaling.");
      }
      // The interaction term in households of the start, so that LagHH weighs like with like.
      const double drawnTotal = SumOf(drawn.arriving);
      const double scale = drawnTotal > 0 ? (outcome.startTotal > 0 ? outcome.startTotal : outcome.target) / drawnTotal : 0.0;
      for (int z = 0; z < zones; ++z) {
        const auto i = static_cast<size_t>(z);
        modelled[i] = outcome.lagHH * start[i] + (1 - outcome.lagHH) * drawn.arriving[i] * scale;
      }
    }
    outcome.modelTotal = SumOf(modelled);
    if (outcome.modelTotal > 0) {
      for (double& v : modelled) v *= outcome.target / outcome.modelTotal;
    }
    request.forecast.push_back(std::move(modelled));
    request.targets.push_back(outcome.target);
  }
  result.allocation = AllocateWithConstraints(request);

  std::vector<std::vector<double>> jobs(static_cast<size_t>(ne), std::vector<double>(static_cast<size_t>(zones)));
  for (int n = 0; n < ne; ++n) {
    for (int z = 0; z < zones; ++z) jobs[static_cast<size_t>(n)][static_cast<size_t>(z)] = in.employment.Jobs(z, n);
  }
  const DevelopmentInputs development{in.households, result.allocation.values, jobs, LandGroupsOf(card), card.projectedPopulation};
  result.forecast = DevelopZones(development, &result.development);
  result.forecast.year = card.preamble.endYear;
  return result;
}

}  // namespace forecast::models
