#include "test_region.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "models/k_factor_table.h"
#include "models/model_files.h"
#include "models/model_text.h"

namespace forecast::models::testing {

namespace {

std::string Field(const std::string& text, size_t width) {
  return text.size() >= width ? text.substr(0, width) : std::string(width - text.size(), ' ') + text;
}
std::string Int(int value, size_t width) { return Field(std::to_string(value), width); }
std::string Fixed4(double value, size_t width) { return Field(Decimals(value, 4), width); }

std::vector<std::string> Preamble(const TestRegion& region) {
  std::string employmentNames, householdNames;
  for (int k = 1; k <= region.EmploymentCategories(); ++k) employmentNames += Field("Emp" + std::to_string(k), 8);
  for (int h = 1; h <= region.HouseholdCategories(); ++h) householdNames += Field("HH" + std::to_string(h), 8);
  const std::string label = std::to_string(region.startYear) + "-" + std::to_string(region.endYear);
  return {"Test Region  1-2-24", "BL " + label, employmentNames, householdNames,
          "      " + label.substr(0, 4) + "      " + label.substr(5, 4)};
}

void AddConstraintBlocks(std::vector<std::string>& lines, const std::vector<LocationConstraint>& constraints) {
  for (int type = 1; type <= 4; ++type) {
    std::vector<const LocationConstraint*> rows;
    for (const LocationConstraint& c : constraints) {
      if (static_cast<int>(c.kind) == type) rows.push_back(&c);
    }
    if (rows.empty()) continue;
    lines.push_back(Int(static_cast<int>(rows.size()), 7));
    for (const LocationConstraint* c : rows) {
      lines.push_back(Int(c->zone, 7) + (type == 2 ? "" : Int(c->category, 5)) + Field(PlainDecimal(c->value), 10));
    }
  }
}

}  // namespace

int ConstraintCodeOf(const std::vector<LocationConstraint>& constraints) {
  bool present[5] = {};
  for (const LocationConstraint& c : constraints) present[static_cast<int>(c.kind)] = true;
  for (int code = 0; code <= 15; ++code) {
    const std::vector<ConstraintKind> kinds = *ConstraintKindsOfCode(code);
    bool same = static_cast<int>(kinds.size()) == present[1] + present[2] + present[3] + present[4];
    for (ConstraintKind kind : kinds) same = same && present[static_cast<int>(kind)];
    if (same) return code;
  }
  return 0;
}

std::vector<std::string> EmpalCardLines(const TestRegion& region) {
  const int ne = region.EmploymentCategories();
  std::string header = Int(region.Zones(), 5) + Int(ne, 5) + Int(region.HouseholdCategories(), 5) +
                       Int(ConstraintCodeOf(region.employmentConstraints), 5) + Int(1, 5) + Int(1, 5) + Int(0, 4) + Int(1, 4) + Int(1, 4);
  for (int k = 1; k <= 8; ++k) header += Int(k <= ne ? 1 : 0, 4);
  std::vector<std::string> lines = {header};
  for (const std::string& line : Preamble(region)) lines.push_back(line);
  for (const EmpalCoefficients& c : region.empal) {
    lines.push_back(Fixed4(c.alpha, 8) + Fixed4(c.beta, 8) + Fixed4(c.emp, 8) + Fixed4(c.land, 8) + Fixed4(c.lambda, 8));
  }
  std::string projections;
  for (double jobs : region.projections) projections += Field(PlainDecimal(jobs), 10);
  lines.push_back(projections);
  AddConstraintBlocks(lines, region.employmentConstraints);
  return lines;
}

std::vector<std::string> DramCardLines(const TestRegion& region) {
  const int ne = region.EmploymentCategories();
  const int nh = region.HouseholdCategories();
  std::vector<std::string> lines = {Int(region.Zones(), 5) + Int(nh, 5) + Int(ne, 5) + Int(1, 5) +
                                    Int(ConstraintCodeOf(region.householdConstraints), 5) + Int(1, 5) + Int(1, 5) + Int(1, 5) +
                                    Int(1, 5) + Int(1, 5) + Int(1, 5) + Field("0.125", 7) + Int(1, 4) + Int(0, 4)};
  for (const std::string& line : Preamble(region)) lines.push_back(line);
  for (const DramCoefficients& c : region.dram) {
    lines.push_back(Fixed4(c.alpha, 15) + Fixed4(c.beta, 10) + Fixed4(c.vacDev, 10) + Fixed4(c.perDev, 10) + Fixed4(c.resLand, 10));
  }
  for (const DramCoefficients& c : region.dram) {
    std::string line;
    for (int k = 1; k <= nh; ++k) {
      if (k == 6) {
        lines.push_back(line);
        line.clear();
      }
      line += Fixed4(c.householdMix[static_cast<size_t>(k - 1)], k == 1 || k == 6 ? 15 : 10);
    }
    lines.push_back(line);
  }
  for (const DramCoefficients& c : region.dram) lines.push_back(Fixed4(c.lagHH, 15));
  for (int count : {7, 6, 6}) {
    std::string line;
    for (int i = 0; i < count; ++i) line += Field("0.5000", 10);
    lines.push_back(line);
  }
  if (region.withGroups) {
    const int s = region.firstGroupSize;
    std::string first = Int(s, 3), second = Int(ne - s, 3);
    for (int i = 1; i <= 8; ++i) {
      first += i <= s ? Field((i < 10 ? "0" : "") + std::to_string(i), 3) : " 00";
      second += s + i <= ne ? Field((s + i < 10 ? "0" : "") + std::to_string(s + i), 3) : " 00";
    }
    lines.push_back(first);
    lines.push_back(second);
  }
  std::string unemployment, workers;
  for (int k = 0; k < ne; ++k) unemployment += Fixed4(0.04, 8);
  for (int h = 0; h < nh; ++h) workers += Fixed4(1.2, 8);
  lines.push_back(unemployment);
  lines.push_back(workers);
  for (const std::vector<double>& row : region.conversion) {
    std::string line;
    for (double value : row) line += Fixed4(value, 8);
    lines.push_back(line);
  }
  lines.push_back(Field("0.021", 10) + Field("1.000", 10));
  lines.push_back(Field(PlainDecimal(region.projectedPopulation), 15));
  AddConstraintBlocks(lines, region.householdConstraints);
  return lines;
}

std::vector<std::string> AtrmodCardLines(int zones, int run, int side, int categories, double attenuation, const std::vector<int>& inputFiles) {
  std::string line = Int(zones, 4) + Int(run, 4) + Int(side, 4) + Int(categories, 4) + Int(1, 4) + Int(1, 4) + Field(PlainDecimal(attenuation), 7);
  for (int k = 0; k < 8; ++k) line += Int(k < static_cast<int>(inputFiles.size()) ? inputFiles[static_cast<size_t>(k)] : 0, k < 7 ? 4 : 5);
  return {line, ""};
}

TestRegion SyntheticRegion(int zones, int ne, int nh, std::uint32_t seed) {
  std::mt19937 random(seed);
  const auto unit = [&random] { return static_cast<double>(random()) / 4294967296.0; };
  TestRegion region;
  const int side = static_cast<int>(std::ceil(std::sqrt(zones)));
  std::vector<double> x, y;
  for (int z = 0; z < zones; ++z) {
    x.push_back(z % side - (side - 1) / 2.0);
    y.push_back(z / side - (side - 1) / 2.0);
  }
  region.employment.year = region.households.year = region.startYear;
  region.employment.categoryCount = ne;
  region.households.householdCategories = nh;
  region.households.employmentCategories = ne;
  double population = 0;
  std::vector<double> jobsByCategory(static_cast<size_t>(ne), 0.0);
  for (int z = 0; z < zones; ++z) {
    const double distance = std::hypot(x[static_cast<size_t>(z)], y[static_cast<size_t>(z)]);
    const double central = std::exp(-distance / 3.0);
    region.employment.zoneNumbers.push_back(z + 1);
    ZoneHouseholds zone;
    zone.number = z + 1;
    for (int k = 0; k < ne; ++k) {
      const double jobs = std::round((50 + 900 * central) * (0.5 + unit()));
      region.employment.jobs.push_back(jobs);
      zone.jobs.push_back(jobs);
      jobsByCategory[static_cast<size_t>(k)] += jobs;
    }
    for (int h = 0; h < nh; ++h) zone.households.push_back(std::round((200 + 400 * std::exp(-std::pow(distance - 4, 2) / 20)) * (0.5 + unit())));
    zone.groupQuartersPopulation = std::round(20 * unit());
    zone.population = std::round(zone.HouseholdTotal() * (2.3 + 0.4 * unit())) + zone.groupQuartersPopulation;
    zone.employedResidents = std::round(zone.HouseholdTotal() * 1.3);
    zone.personsPerHousehold = (zone.population - zone.groupQuartersPopulation) / zone.HouseholdTotal();
    zone.land.residential = std::round(zone.HouseholdTotal() / 6 * 10) / 10;
    zone.land.commercial = std::round(region.employment.ZoneTotal(z) / 40 * 10) / 10;
    zone.land.basic = std::round(zone.jobs[0] / 15 * 10) / 10;
    zone.land.streets = std::round((zone.land.residential + zone.land.commercial + zone.land.basic) * 0.2 * 10) / 10;
    zone.land.vacant = std::round((20 + 200 * (1 - central)) * unit() * 10) / 10;
    zone.land.unusable = std::round(30 * unit() * 10) / 10;
    zone.land.totalArea = zone.land.unusable + zone.land.Usable();
    population += zone.population;
    region.households.zones.push_back(zone);
  }
  region.impedance.zoneCount = zones;
  for (int i = 0; i < zones; ++i) {
    for (int j = 0; j < zones; ++j) {
      const double miles = std::hypot(x[static_cast<size_t>(i)] - x[static_cast<size_t>(j)], y[static_cast<size_t>(i)] - y[static_cast<size_t>(j)]);
      region.impedance.values.push_back(i == j ? 3.0 : std::round((4 + 2.2 * miles) * 100) / 100);
    }
  }
  for (int k = 0; k < ne; ++k) {
    region.empal.push_back({0.4 + 0.03 * k, -0.1 - 0.01 * k, 0.6, 0.2, 0.65});
    region.projections.push_back(std::round(jobsByCategory[static_cast<size_t>(k)] * (1.05 + 0.01 * k)));
  }
  for (int h = 0; h < nh; ++h) {
    DramCoefficients c{0.9, -0.12 - 0.01 * h, 0.2, 0.4, 0.3, {}, 0.45};
    for (int k = 0; k < nh; ++k) c.householdMix.push_back(k == h ? 0.8 : 0.1);
    region.dram.push_back(c);
  }
  for (int k = 0; k < ne; ++k) {
    std::vector<double> row;
    for (int h = 0; h < nh; ++h) row.push_back(std::round((0.4 + 0.5 * std::exp(-std::pow(h - k * (nh - 1.0) / std::max(1, ne - 1), 2))) / nh * 1e4) / 1e4);
    region.conversion.push_back(row);
  }
  region.firstGroupSize = 1;
  region.projectedPopulation = std::round(population * 1.06);
  return region;
}

void WriteRunFolder(const std::filesystem::path& folder, const TestRegion& region) {
  WriteOutputLines(folder / "EMPAL.CRD", EmpalCardLines(region));
  WriteOutputLines(folder / "DRAM.CRD", DramCardLines(region));
  WriteEmploymentTable(folder / "DRMEMP.BIN", region.employment);
  WriteHouseholdTable(folder / "DRMDAT.BIN", region.households);
  WriteImpedanceMatrix(folder / "IMPD.BIN", region.impedance);
  WriteKFactorTable(folder / "EKFAC.BIN", KFactorTable::Ones(KFactorSide::Employment, region.Zones(), region.EmploymentCategories()));
  WriteKFactorTable(folder / "DKFAC.BIN", KFactorTable::Ones(KFactorSide::Households, region.Zones(), region.HouseholdCategories()));
}

}  // namespace forecast::models::testing
