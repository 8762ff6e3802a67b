#include "inputs/demo_region.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace forecast::inputs {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Centres of activity: the downtown at the origin and sub-centres around it.
struct Centre {
  double x;
  double y;
  double weight;
};

const std::vector<Centre> kCentres = {{0, 0, 1.0}, {7, 3, 0.45}, {-6, 5, 0.35}, {-2, -8, 0.4}, {9, -6, 0.3}};

const std::vector<std::string> kEmploymentNames = {"Basic", "Retail", "Service", "Finance",
                                                   "Govern", "Educat", "Health", "Transp"};
const std::vector<std::string> kHouseholdNames = {"LowInc", "LowMid", "UpMid", "HighInc",
                                                  "Retired", "Student", "Family", "Single"};

// How strongly each employment category clusters in centres (1 = as strongly as retail).
const double kEmploymentCentrality[8] = {0.35, 0.9, 1.0, 1.6, 1.3, 0.8, 0.9, 0.5};
const double kEmploymentShare[8] = {0.22, 0.17, 0.25, 0.10, 0.09, 0.07, 0.06, 0.04};
// Regional growth per year by employment category.
const double kEmploymentGrowth[8] = {0.004, 0.014, 0.022, 0.018, 0.006, 0.011, 0.019, 0.009};
// Where households of each category prefer to live: negative means near the centre.
const double kHouseholdSuburbanity[8] = {-0.8, -0.2, 0.5, 1.0, 0.1, -1.0, 0.7, -0.5};
const double kHouseholdShare[8] = {0.26, 0.28, 0.27, 0.19, 0.08, 0.04, 0.10, 0.06};

double Centrality(double x, double y) {
  double sum = 0;
  for (const Centre& c : kCentres) {
    const double d = std::hypot(x - c.x, y - c.y);
    sum += c.weight * std::exp(-d / 2.2);
  }
  return sum;
}

std::vector<double> Normalised(const double* shares, int count) {
  std::vector<double> out(shares, shares + count);
  double sum = 0;
  for (double v : out) sum += v;
  for (double& v : out) v /= sum;
  return out;
}

}  // namespace

DemoRegion BuildDemoRegion(const DemoRegionOptions& options) {
  DemoRegion region;
  region.options = options;
  const int zones = std::clamp(options.zones, 1, 499);
  const int ne = std::clamp(options.employmentCategories, 4, 8);
  const int nh = std::clamp(options.householdCategories, 4, 8);
  region.options.zones = zones;
  region.options.employmentCategories = ne;
  region.options.householdCategories = nh;
  region.employmentCategoryNames.assign(kEmploymentNames.begin(), kEmploymentNames.begin() + ne);
  region.householdCategoryNames.assign(kHouseholdNames.begin(), kHouseholdNames.begin() + nh);

  std::mt19937 random(options.seed);
  std::uniform_real_distribution<double> unit(0.0, 1.0);

  const std::vector<double> empShares = Normalised(kEmploymentShare, ne);
  const std::vector<double> hhShares = Normalised(kHouseholdShare, nh);
  // A region of roughly 1 job and 2.6 persons per 2.4 per household, sized by its zones.
  const double regionalHouseholds = 3000.0 * zones;
  const double regionalJobs = regionalHouseholds * 1.35;

  // Zones on a sunflower spiral: small and dense in the middle, larger outside.
  std::vector<double> empWeights(static_cast<size_t>(zones * ne));
  std::vector<double> hhWeights(static_cast<size_t>(zones * nh));
  const double radius = 14.0;
  for (int z = 0; z < zones; ++z) {
    DemoZone zone;
    zone.number = z + 1;
    const double r = radius * std::sqrt((z + 0.5) / zones);
    const double angle = z * kPi * (3.0 - std::sqrt(5.0));
    zone.x = r * std::cos(angle) + (unit(random) - 0.5) * 0.3;
    zone.y = r * std::sin(angle) + (unit(random) - 0.5) * 0.3;
    const double central = Centrality(zone.x, zone.y);
    const double distance = std::hypot(zone.x, zone.y);
    for (int k = 0; k < ne; ++k) {
      empWeights[static_cast<size_t>(z * ne + k)] =
          std::pow(central + 0.05, kEmploymentCentrality[k]) * (0.7 + 0.6 * unit(random));
    }
    for (int h = 0; h < nh; ++h) {
      // Households follow the ring around the centres, each category its own way.
      const double ring = std::exp(-std::pow((distance - 4.0 - 3.0 * kHouseholdSuburbanity[h]) / 6.0, 2.0));
      hhWeights[static_cast<size_t>(z * nh + h)] = (0.15 + ring) * (0.7 + 0.6 * unit(random));
    }
    region.zones.push_back(zone);
  }

  for (int k = 0; k < ne; ++k) {
    double sum = 0;
    for (int z = 0; z < zones; ++z) sum += empWeights[static_cast<size_t>(z * ne + k)];
    for (int z = 0; z < zones; ++z) {
      region.zones[static_cast<size_t>(z)].employment.push_back(
          std::round(regionalJobs * empShares[static_cast<size_t>(k)] * empWeights[static_cast<size_t>(z * ne + k)] / sum));
    }
  }
  for (int h = 0; h < nh; ++h) {
    double sum = 0;
    for (int z = 0; z < zones; ++z) sum += hhWeights[static_cast<size_t>(z * nh + h)];
    for (int z = 0; z < zones; ++z) {
      region.zones[static_cast<size_t>(z)].households.push_back(
          std::round(regionalHouseholds * hhShares[static_cast<size_t>(h)] * hhWeights[static_cast<size_t>(z * nh + h)] / sum));
    }
  }

  // Persons, workers and land follow from jobs and households.
  for (DemoZone& zone : region.zones) {
    const double households = zone.HouseholdTotal();
    const double distance = std::hypot(zone.x, zone.y);
    const double personsPerHousehold = 2.2 + 0.05 * distance + 0.2 * unit(random);
    zone.groupQuartersPopulation = std::round(households * (distance < 3 ? 0.06 : 0.015));
    zone.population = std::round(households * personsPerHousehold) + zone.groupQuartersPopulation;
    zone.employedResidents = std::round(households * 1.3);
    const double jobs = zone.EmploymentTotal();
    const double basicJobs = zone.employment[0];
    // Densities fall with distance: dwellings and jobs per acre.
    const double dwellingsPerAcre = std::max(1.2, 14.0 * std::exp(-distance / 4.5));
    const double jobsPerAcre = std::max(4.0, 60.0 * std::exp(-distance / 3.5));
    double* land = zone.landUse;
    land[0] = std::round(households / dwellingsPerAcre * 10) / 10;                    // residential
    land[1] = std::round((jobs - basicJobs) / jobsPerAcre * 10) / 10;                  // commercial
    land[2] = std::round(basicJobs / (jobsPerAcre * 0.45) * 10) / 10;                  // basic
    land[3] = std::round((land[0] + land[1] + land[2]) * 0.22 * 10) / 10;              // streets
    const double developed = land[0] + land[1] + land[2] + land[3];
    const double vacantShare = std::min(0.65, 0.04 + 0.045 * distance);
    land[4] = std::round(developed * vacantShare / (1 - vacantShare) * 10) / 10 + 5;   // vacant developable
    land[5] = std::round((developed + land[4]) * (0.05 + 0.1 * unit(random)) * 10) / 10;  // unusable
    land[6] = std::round((developed + land[4] + land[5]) * 10) / 10;                  // total area
  }

  // The lag year: five years earlier, every zone a little smaller.
  for (const DemoZone& zone : region.zones) {
    DemoZone lag = zone;
    const double factor = 0.9 + 0.06 * unit(random);
    for (double& v : lag.employment) v = std::round(v * factor);
    for (double& v : lag.households) v = std::round(v * (factor + 0.02));
    lag.population = std::round(lag.population * (factor + 0.02));
    lag.employedResidents = std::round(lag.employedResidents * (factor + 0.02));
    lag.groupQuartersPopulation = std::round(lag.groupQuartersPopulation * factor);
    region.lagZones.push_back(lag);
  }

  // Control totals per period, five years apart.
  double population = 0;
  std::vector<double> jobs(static_cast<size_t>(ne), 0.0);
  for (const DemoZone& zone : region.zones) {
    population += zone.population;
    for (int k = 0; k < ne; ++k) jobs[static_cast<size_t>(k)] += zone.employment[static_cast<size_t>(k)];
  }
  for (int p = 1; p <= options.periods; ++p) {
    const int years = 5 * p;
    region.forecastYears.push_back(options.baseYear + years);
    region.projectedPopulation.push_back(std::round(population * std::pow(1.012, years)));
    std::vector<double> row;
    for (int k = 0; k < ne; ++k) row.push_back(std::round(jobs[static_cast<size_t>(k)] * std::pow(1 + kEmploymentGrowth[k], years)));
    region.projectedEmployment.push_back(row);
  }

  // Travel times in minutes: a road network slower in the centre, plus intrazonal time.
  region.impedance.resize(static_cast<size_t>(zones) * static_cast<size_t>(zones));
  for (int i = 0; i < zones; ++i) {
    for (int j = 0; j < zones; ++j) {
      const DemoZone& a = region.zones[static_cast<size_t>(i)];
      const DemoZone& b = region.zones[static_cast<size_t>(j)];
      const double distance = std::hypot(a.x - b.x, a.y - b.y);
      const double congestion = 1.0 + 0.8 * std::exp(-std::hypot((a.x + b.x) / 2, (a.y + b.y) / 2) / 4.0);
      double minutes = i == j ? 3.0 + 0.1 * std::hypot(a.x, a.y) : 4.0 + distance * 2.1 * congestion;
      region.impedance[static_cast<size_t>(i) * static_cast<size_t>(zones) + static_cast<size_t>(j)] =
          std::round(minutes * 100) / 100;
    }
  }
  return region;
}

}  // namespace forecast::inputs
