#include "models/zone_development.h"

#include <algorithm>
#include <cmath>

#include "models/vector_sum.h"

namespace forecast::models {

namespace {

// Amount per acre: the zone's own where it has both, else the region's, else one.
double Density(double amount, double acres, double regionalAmount, double regionalAcres) {
  if (amount > 0 && acres > 0) return amount / acres;
  if (regionalAmount > 0 && regionalAcres > 0) return regionalAmount / regionalAcres;
  return 1.0;
}

double JobsOf(const std::vector<double>& jobsByCategory, const std::vector<int>& categories) {
  double sum = 0;
  for (int k : categories) sum += jobsByCategory[static_cast<size_t>(k)];
  return sum;
}

struct RegionalStart {
  double households = 0, population = 0, groupQuarters = 0, employedResidents = 0, jobs = 0;
  double residential = 0, commercial = 0, basic = 0, basicJobs = 0, commercialJobs = 0;
};

}  // namespace

HouseholdTable DevelopZones(const DevelopmentInputs& in, DevelopmentSummary* summary) {
  const HouseholdTable& start = in.start;
  const int zones = start.ZoneCount();
  const int nh = start.householdCategories;
  const int ne = start.employmentCategories;
  EmploymentLandGroups groups = in.groups;
  if (!groups.known) {
    groups.basic.clear();
    groups.commercial.clear();
    for (int k = 0; k < ne; ++k) groups.commercial.push_back(k);
  }

  RegionalStart region;
  for (const ZoneHouseholds& zone : start.zones) {
    region.households += zone.HouseholdTotal();
    region.population += zone.population;
    region.groupQuarters += std::min(zone.groupQuartersPopulation, zone.population);
    region.employedResidents += zone.employedResidents;
    region.jobs += SumOf(zone.jobs);
    region.residential += zone.land.residential;
    region.commercial += zone.land.commercial;
    region.basic += zone.land.basic;
    region.basicJobs += JobsOf(zone.jobs, groups.basic);
    region.commercialJobs += JobsOf(zone.jobs, groups.commercial);
  }
  const double growth = region.population > 0 ? in.projectedPopulation / region.population : 1.0;
  summary->populationGrowth = growth;
  const double regionalPersonsPerHousehold = region.households > 0 ? (region.population - region.groupQuarters) / region.households : 0.0;

  HouseholdTable out;
  out.householdCategories = nh;
  out.employmentCategories = ne;
  out.zones.resize(static_cast<size_t>(zones));

  std::vector<double> personsPerHousehold(static_cast<size_t>(zones));
  std::vector<double> workersPerHousehold(static_cast<size_t>(zones));
  double householdPopulation = 0, employedResidents = 0, forecastJobs = 0, groupQuarters = 0;
  for (int z = 0; z < zones; ++z) {
    const auto i = static_cast<size_t>(z);
    const ZoneHouseholds& before = start.zones[i];
    ZoneHouseholds& after = out.zones[i];
    after.number = before.number;
    for (int h = 0; h < nh; ++h) after.households.push_back(in.households[static_cast<size_t>(h)][i]);
    for (int k = 0; k < ne; ++k) after.jobs.push_back(in.jobs[static_cast<size_t>(k)][i]);
    const double startHouseholds = before.HouseholdTotal();
    const double startGroupQuarters = std::min(before.groupQuartersPopulation, before.population);
    personsPerHousehold[i] = startHouseholds > 0 ? (before.population - startGroupQuarters) / startHouseholds : regionalPersonsPerHousehold;
    workersPerHousehold[i] = startHouseholds > 0 ? before.employedResidents / startHouseholds
                                                 : (region.households > 0 ? region.employedResidents / region.households : 0.0);
    after.groupQuartersPopulation = startGroupQuarters * growth;
    groupQuarters += after.groupQuartersPopulation;
    householdPopulation += after.HouseholdTotal() * personsPerHousehold[i];
    employedResidents += after.HouseholdTotal() * workersPerHousehold[i];
    forecastJobs += SumOf(after.jobs);
  }
  const double householdPopulationTarget = in.projectedPopulation - groupQuarters;
  const double personScale = householdPopulation > 0 ? std::max(0.0, householdPopulationTarget) / householdPopulation : 1.0;
  const double employedTarget = region.jobs > 0 ? region.employedResidents * forecastJobs / region.jobs : employedResidents;
  const double workerScale = employedResidents > 0 ? employedTarget / employedResidents : 1.0;

  for (int z = 0; z < zones; ++z) {
    const auto i = static_cast<size_t>(z);
    const ZoneHouseholds& before = start.zones[i];
    ZoneHouseholds& after = out.zones[i];
    const double households = after.HouseholdTotal();
    after.personsPerHousehold = personsPerHousehold[i] * personScale;
    after.population = households * after.personsPerHousehold + after.groupQuartersPopulation;
    after.employedResidents = households * workersPerHousehold[i] * workerScale;

    LandAccount land = before.land;
    const double recordedTotal = land.totalArea;
    const double growthHouseholds = households - before.HouseholdTotal();
    const double growthBasicJobs = JobsOf(after.jobs, groups.basic) - JobsOf(before.jobs, groups.basic);
    const double growthCommercialJobs = JobsOf(after.jobs, groups.commercial) - JobsOf(before.jobs, groups.commercial);
    double residential =
        std::max(0.0, growthHouseholds) / Density(before.HouseholdTotal(), land.residential, region.households, region.residential);
    double commercial = 0, basic = 0;
    if (groups.known) {
      basic = std::max(0.0, growthBasicJobs) / Density(JobsOf(before.jobs, groups.basic), land.basic, region.basicJobs, region.basic);
      commercial = std::max(0.0, growthCommercialJobs) /
                   Density(JobsOf(before.jobs, groups.commercial), land.commercial, region.commercialJobs, region.commercial);
    } else {
      // One pool of job land, divided as the zone's commercial and basic land already are.
      const double pool = std::max(0.0, growthCommercialJobs) / Density(JobsOf(before.jobs, groups.commercial), land.commercial + land.basic,
                                                                        region.commercialJobs, region.commercial + region.basic);
      const double both = land.commercial + land.basic;
      const double commercialShare = both > 0 ? land.commercial / both : 0.5;
      commercial = pool * commercialShare;
      basic = pool - commercial;
    }
    const double wanted = residential + commercial + basic;
    if (wanted > land.vacant) {
      const double share = wanted > 0 ? land.vacant / wanted : 0.0;
      residential *= share;
      commercial *= share;
      basic *= share;
      ++summary->zonesOutOfVacantLand;
      land.vacant = 0;
    } else {
      land.vacant -= wanted;
    }
    land.residential += residential;
    land.commercial += commercial;
    land.basic += basic;
    land.totalArea = land.unusable + land.Usable();
    if (std::fabs(recordedTotal - (before.land.unusable + before.land.Usable())) > 0.01) summary->zonesWithOddTotalArea.push_back(before.number);
    summary->residentialAdded += residential;
    summary->commercialAdded += commercial;
    summary->basicAdded += basic;
    after.land = land;
  }
  return out;
}

}  // namespace forecast::models
