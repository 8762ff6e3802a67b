#include "models/demo_model_data.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "models/demo_residuals.h"
#include "models/demo_ring_road.h"
#include "models/employment_table.h"
#include "models/household_table.h"
#include "models/impedance_statistics.h"
#include "models/impedance_text.h"
#include "models/model_error.h"
#include "models/model_files.h"

namespace forecast::models {

namespace fs = std::filesystem;
using inputs::DemoRegion;
using inputs::DemoZone;

namespace {

EmploymentTable BaseEmployment(const DemoRegion& region) {
  EmploymentTable table;
  table.year = region.options.baseYear;
  table.categoryCount = static_cast<int>(region.employmentCategoryNames.size());
  for (const DemoZone& zone : region.zones) {
    table.zoneNumbers.push_back(zone.number);
    for (double jobs : zone.employment) table.jobs.push_back(jobs);
  }
  return table;
}

HouseholdTable BaseHouseholds(const DemoRegion& region) {
  HouseholdTable table;
  table.year = region.options.baseYear;
  table.householdCategories = static_cast<int>(region.householdCategoryNames.size());
  table.employmentCategories = static_cast<int>(region.employmentCategoryNames.size());
  for (const DemoZone& zone : region.zones) {
    ZoneHouseholds z;
    z.number = zone.number;
    z.households = zone.households;
    z.population = zone.population;
    z.employedResidents = zone.employedResidents;
    z.groupQuartersPopulation = zone.groupQuartersPopulation;
    const double households = zone.HouseholdTotal();
    z.personsPerHousehold = households > 0 ? (zone.population - zone.groupQuartersPopulation) / households : 0.0;
    // The order of the region's land-use print file.
    z.land = {zone.landUse[0], zone.landUse[1], zone.landUse[2], zone.landUse[3], zone.landUse[4], zone.landUse[5], zone.landUse[6]};
    z.jobs = zone.employment;
    table.zones.push_back(std::move(z));
  }
  return table;
}

std::vector<double> Column(const std::vector<DemoZone>& zones, bool employment, size_t category) {
  std::vector<double> values;
  for (const DemoZone& zone : zones) values.push_back(employment ? zone.employment[category] : zone.households[category]);
  return values;
}

void WriteResiduals(const fs::path& calib, const DemoRegion& region) {
  std::vector<int> numbers;
  for (const DemoZone& zone : region.zones) numbers.push_back(zone.number);
  for (bool employment : {true, false}) {
    const size_t count = employment ? region.employmentCategoryNames.size() : region.householdCategoryNames.size();
    for (size_t k = 0; k < count; ++k) {
      const std::uint32_t seed = region.options.seed + (employment ? 101u : 211u) * static_cast<std::uint32_t>(k + 1);
      const std::vector<ResidualRow> rows = DemoResiduals(numbers, Column(region.zones, employment, k), seed);
      const std::string name = (employment ? "emprese" : "drmresh") + std::to_string(k + 1) + ".txt";
      WriteOutputLines(calib / name, ResidualLines(rows));
    }
  }
}

std::string PeriodCode(int year) {
  char code[8];
  std::snprintf(code, sizeof code, "%02d", ((year % 100) + 100) % 100);
  return code;
}

// The impedances as the travel model exports them (two decimals) and as IMPD.exe reads them back.
ImpedanceMatrix AsExported(const ImpedanceMatrix& matrix, std::vector<std::string>* lines) {
  *lines = ImpedanceTextLines(matrix);
  return ParseImpedanceText(*lines, "IMPD.TXT");
}

void WriteImpedances(const fs::path& data, const DemoRegion& region) {
  ImpedanceMatrix base;
  base.zoneCount = static_cast<int>(region.zones.size());
  base.values.assign(region.impedance.begin(), region.impedance.end());
  std::vector<std::string> lines;
  base = AsExported(base, &lines);
  WriteOutputLines(data / "IMPD.TXT", lines);
  WriteImpedanceMatrix(data / "IMPD.BIN", base);
  WriteOutputLines(data / "impsetout.txt", ImpedanceStatisticsLines(base));

  std::vector<std::pair<double, double>> centroids;
  double outermost = 0;
  for (const DemoZone& zone : region.zones) {
    centroids.emplace_back(zone.x, zone.y);
    outermost = std::max(outermost, std::hypot(zone.x, zone.y));
  }
  const std::vector<int> years = DemoImpedanceYears(region);
  for (size_t stage = 0; stage < years.size(); ++stage) {
    RingRoad ring;
    ring.radius = 0.6 * outermost;
    ring.northernHalfOnly = years.size() == 2 && stage == 0;
    const ImpedanceMatrix future = AsExported(WithRingRoad(base, centroids, ring), &lines);
    const std::string code = PeriodCode(years[stage]);
    WriteOutputLines(data / ("IMPD" + code + ".TXT"), lines);
    std::vector<std::string> control = {
        "Control values of IMPD" + code + ".TXT, " + std::to_string(years[stage]) + ", from the regional travel model: " +
            (ring.northernHalfOnly ? "the northern half of the ring road is open." : "the whole ring road is open."),
        "Type them on the impedance check page; IMPD.exe finds the same values in the file.",
        ""};
    for (const std::string& line : ImpedanceStatisticsLines(future)) control.push_back(line);
    WriteOutputLines(data / ("IMPD" + code + "_control_values.txt"), control);
  }
}

}  // namespace

std::vector<int> DemoImpedanceYears(const DemoRegion& region) {
  const std::vector<int>& years = region.forecastYears;
  if (years.empty()) return {};
  if (years.size() == 1) return {years[0]};
  if (years.size() == 2) return {years[0], years[1]};
  return {years[1], years[std::min<size_t>(3, years.size() - 1)]};
}

bool WriteDemoModelData(const fs::path& appFolder, const DemoRegion& region, std::string* error) {
  try {
    const fs::path calib = appFolder / "VORAN_SYS" / "CALIB";
    const fs::path data = appFolder / "DATA";
    fs::create_directories(calib / "DATA");
    fs::create_directories(data);
    WriteEmploymentTable(calib / "DATA" / "DRMEMP.BIN", BaseEmployment(region));
    WriteHouseholdTable(calib / "DATA" / "DRMDAT.BIN", BaseHouseholds(region));
    WriteResiduals(calib, region);
    WriteImpedances(data, region);
  } catch (const std::exception& e) {
    *error = std::string("The demo region's model data cannot be written: ") + e.what();
    return false;
  }
  return true;
}

}  // namespace forecast::models
