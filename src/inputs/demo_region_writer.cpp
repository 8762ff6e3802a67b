#include "inputs/demo_region.h"

#include "inputs/region_files.h"
#include "models/demo_model_data.h"
#include "platform/database.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <cmath>
#include <cstdio>
#include <functional>

namespace forecast::inputs {

using platform::Database;
using platform::FieldDefinition;
using platform::FieldType;
using platform::Value;

namespace {

std::string Field10(const std::string& text) {
  return text.size() >= 10 ? text.substr(0, 9) + " " : std::string(10 - text.size(), ' ') + text;
}

std::string Number(double value, int decimals) { return platform::FormatFixed(value, decimals); }

std::string JoinWithCommas(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names) out += name + ",";
  return out;
}

std::vector<std::string> SettingsLines(const DemoRegion& region) {
  const DemoRegionOptions& o = region.options;
  double population = 0;
  double jobs = 0;
  double residents = 0;
  double area = 0;
  for (const DemoZone& zone : region.zones) {
    population += zone.population;
    jobs += zone.EmploymentTotal();
    residents += zone.employedResidents;
    area += zone.landUse[6];
  }
  std::string incomeRatios;
  for (int h = 0; h < o.householdCategories; ++h) incomeRatios += (h ? " " : "") + Number(0.8 + 0.25 * h, 2);
  return {
      std::to_string(o.zones) + " " + std::to_string(o.employmentCategories) + " " + std::to_string(o.householdCategories),
      "The name of the region: " + region.name,
      "The Number of Zones: " + std::to_string(o.zones),
      "The total region population: " + Number(population, 0),
      "The current data year: " + std::to_string(o.baseYear),
      "The lag data year: " + std::to_string(o.lagYear),
      "The Current year employment types available: Yes",
      "The Lag year employment types available: Yes",
      "The number of employment categories: " + std::to_string(o.employmentCategories),
      "The employment categories:" + JoinWithCommas(region.employmentCategoryNames),
      "The Current year household types available: Yes",
      "The Lag year household types available: Yes",
      "The number of household categories: " + std::to_string(o.householdCategories),
      "The household categories:" + JoinWithCommas(region.householdCategoryNames),
      "The total land area of the region: " + Number(area, 1),
      "The land use types checked off:Residential,Commercial,Basic,Streets,Vacant,Unusable,Total,",
      "The number of forecast time periods: " + std::to_string(o.periods),
      "The employment to household conversion ratio: " + Number(jobs / (population / 2.55), 4),
      "The employment per household by income category ratio: " + incomeRatios,
      "The Unemployment rates: 0.048",
      "The net commutation rate: 0.021",
      "The option chose for RJPE: 1",
      "Total number of reported jobs: " + Number(jobs, 0),
      "Total number of reported number of persons employed: " + Number(residents, 0),
      "The ratio of jobs to persons employed: " + Number(jobs / residents, 4),
      "The employment categories do or don't match: do",
  };
}

// A calibration report with its values where the suite's reader looks for them.
std::vector<std::string> RegressionReportLines() {
  std::vector<std::string> lines(80);
  lines[0] = "BRAK CALIBRATION REPORT";
  lines[2] = "Residential allocation (DRAM) regression results";
  const char* labels[19] = {"R2", "RSQADJ", "SEEST", "FSTAT", "NOBS", "LOGLIK", "AIC",
                            "B1 EMP", "B2 HH", "B3 LAND", "B4 VAC", "B5 DEV", "B6 RES",
                            "T1 EMP", "T2 HH", "T3 LAND", "T4 VAC", "T5 DEV", "T6 RES"};
  const double values[19] = {0.874312, 0.861207, 0.153822, 212.4411, 120.0, -48.21774, 108.4355,
                             0.612438, 0.238871, 0.417256, 0.120994, 0.355107, 0.289462,
                             7.812345, 3.104562, 5.228817, 2.014493, 4.551206, 3.877021};
  const int lineNumbers[19] = {17, 18, 19, 20, 21, 22, 23, 43, 44, 45, 46, 47, 48, 69, 70, 71, 72, 73, 74};
  lines[15] = "Goodness of fit";
  lines[41] = "Coefficients";
  lines[67] = "t statistics";
  for (int i = 0; i < 19; ++i) {
    char text[64];
    std::snprintf(text, sizeof text, "%-7s: %.6f", labels[i], values[i]);
    lines[static_cast<size_t>(lineNumbers[i] - 1)] = text;
  }
  lines[79] = "END OF REPORT";
  return lines;
}

std::vector<std::string> EmpCheckListLines(const DemoRegion& region) {
  // The first two categories (basic and retail) form the first group of the DRAM card.
  std::vector<std::string> lines;
  for (int k = 1; k <= 8; ++k) {
    const bool inFirstGroup = k <= 2;
    std::string label = k <= region.options.employmentCategories ? region.employmentCategoryNames[static_cast<size_t>(k - 1)]
                                                                  : "Unused" + std::to_string(k);
    lines.push_back(label + " in group 1: " + (inFirstGroup ? "1" : "0"));
  }
  return lines;
}

std::vector<std::string> PrnLines(const std::vector<std::string>& header, const std::vector<DemoZone>& zones,
                                  const std::function<std::vector<double>(const DemoZone&)>& values, int decimals) {
  std::vector<std::string> lines;
  std::string head;
  for (const std::string& title : header) head += Field10(title);
  lines.push_back(head);
  for (const DemoZone& zone : zones) {
    std::string line = Field10(std::to_string(zone.number));
    for (double v : values(zone)) line += Field10(Number(v, decimals));
    lines.push_back(line);
  }
  return lines;
}

void Insert(Database& db, const std::string& table, const std::vector<Value>& values) {
  std::string marks;
  for (size_t i = 0; i < values.size(); ++i) marks += i ? ", ?" : "?";
  db.Execute("INSERT INTO " + Database::QuoteIdentifier(table) + " VALUES (" + marks + ")", values);
}

std::vector<FieldDefinition> SpreadsheetColumns(int count) {
  std::vector<FieldDefinition> fields;
  for (int i = 1; i <= count; ++i) fields.push_back({"F" + std::to_string(i), FieldType::Double, false});
  return fields;
}

void WriteParameterDatabase(const std::filesystem::path& file, const DemoRegion& region) {
  auto db = Database::Open(file, Database::Mode::Create);
  platform::Transaction transaction(*db);
  for (int k = 1; k <= 8; ++k) {
    const std::string table = "parmse" + std::to_string(k);
    db->CreateTable(table, {{"Alpha", FieldType::Double, false}, {"Beta", FieldType::Double, false},
                            {"Emp", FieldType::Double, false}, {"Land", FieldType::Double, false},
                            {"Lambda", FieldType::Double, false}});
    Insert(*db, table, {Value(0.35 + 0.04 * k), Value(-0.085 - 0.01 * k), Value(0.55 + 0.05 * (k % 4)),
                        Value(0.18 + 0.03 * (k % 3)), Value(0.62 + 0.03 * (k % 5))});
  }
  const int nh = region.options.householdCategories;
  for (int k = 1; k <= 8; ++k) {
    const std::string table = "parmsh" + std::to_string(k);
    std::vector<FieldDefinition> fields = {{"Alpha", FieldType::Double, false},   {"Beta", FieldType::Double, false},
                                           {"VacDev", FieldType::Double, false},  {"PerDev", FieldType::Double, false},
                                           {"ResLand", FieldType::Double, false}, {"LagHH", FieldType::Double, false}};
    for (int h = 1; h <= 8; ++h) fields.push_back({"HH" + std::to_string(h), FieldType::Double, false});
    db->CreateTable(table, fields);
    std::vector<Value> row = {Value(0.9 + 0.05 * k), Value(-0.11 - 0.012 * k), Value(0.21 + 0.02 * (k % 3)),
                              Value(0.45 - 0.03 * (k % 4)), Value(0.32 + 0.02 * k), Value(0.4 + 0.05 * (k % 3))};
    for (int h = 1; h <= 8; ++h) row.emplace_back(h > nh ? 0.0 : (h == k ? 0.85 : 0.12 - 0.01 * std::abs(h - k)));
    Insert(*db, table, row);
  }
  transaction.Commit();
}

void WriteInputDatabase(const std::filesystem::path& file, const DemoRegion& region) {
  const int ne = region.options.employmentCategories;
  const int nh = region.options.householdCategories;
  auto db = Database::Open(file, Database::Mode::Create);
  platform::Transaction transaction(*db);

  db->CreateTable("runtype", {{"ID", FieldType::Integer32, true},
                              {"run_type", FieldType::Text, true},
                              {"run_type_desc", FieldType::Text, false},
                              {"run_type_num_fcst_yrs", FieldType::Integer16, false},
                              {"yn_current_run", FieldType::Boolean, false}});
  Insert(*db, "runtype", {Value(1), Value("BL"), Value("Baseline forecast"), Value(region.options.periods), Value(true)});

  // Projections came from a spreadsheet: two heading rows, then one row per period, all text.
  std::vector<FieldDefinition> projectionColumns;
  for (int i = 1; i <= 11; ++i) projectionColumns.push_back({"F" + std::to_string(i), FieldType::Text, false});
  db->CreateTable("Projections", projectionColumns);
  std::vector<Value> heading1 = {Value("Year"), Value("Population")};
  std::vector<Value> heading2 = {Value("(yyyy)"), Value("(persons)")};
  for (int k = 1; k <= 8; ++k) {
    heading1.emplace_back(k <= ne ? region.employmentCategoryNames[static_cast<size_t>(k - 1)] : std::string("Emp") + std::to_string(k));
    heading2.emplace_back("(jobs)");
  }
  heading1.emplace_back("Total Emp");
  heading2.emplace_back("(jobs)");
  Insert(*db, "Projections", heading1);
  Insert(*db, "Projections", heading2);
  for (size_t p = 0; p < region.forecastYears.size(); ++p) {
    std::vector<Value> row = {Value(std::to_string(region.forecastYears[p])), Value(Number(region.projectedPopulation[p], 0))};
    double total = 0;
    for (int k = 1; k <= 8; ++k) {
      const double jobs = k <= ne ? region.projectedEmployment[p][static_cast<size_t>(k - 1)] : 0.0;
      total += jobs;
      row.emplace_back(Number(jobs, 0));
    }
    row.emplace_back(Number(total, 0));
    Insert(*db, "Projections", row);
  }

  const auto atrmodColumns = [] {
    std::vector<FieldDefinition> fields = {{"ID", FieldType::Integer32, true}};
    for (const char* name : {"ATRMOD_RUN", "RES_4_DRAM", "RES_SOURCE", "MOD_PROCEDURE", "ATTEN_FACTOR"}) {
      fields.push_back({name, FieldType::Text, false});
    }
    for (int k = 1; k <= 8; ++k) fields.push_back({"INPUT_FILE" + std::to_string(k), FieldType::Text, false});
    return fields;
  };
  for (const auto& [table, side, count] : {std::tuple{"EMP_ATRMOD", "0", ne}, std::tuple{"RES_ATRMOD", "1", nh}}) {
    db->CreateTable(table, atrmodColumns());
    std::vector<Value> row = {Value(1), Value("1"), Value(side), Value("1"), Value("1"), Value("0.5")};
    for (int k = 1; k <= 8; ++k) row.emplace_back(k <= count ? "1" : "0");
    Insert(*db, table, row);
  }

  std::vector<FieldDefinition> empCard = {{"ID", FieldType::Integer32, true}};
  for (const char* name : {"IFCON", "IFKFAC", "AKFAC", "IEX", "NVARX1", "NVARX2"}) empCard.push_back({name, FieldType::Text, false});
  for (int k = 1; k <= 8; ++k) empCard.push_back({"NDAT" + std::to_string(k), FieldType::Text, false});
  empCard.push_back({"RUN_TYPE", FieldType::Text, false});
  db->CreateTable("VORAN-EMP_CARD", empCard);
  std::vector<Value> empRow = {Value(1), Value("0"), Value("1"), Value("1"), Value("0"), Value("1"), Value("1")};
  for (int k = 1; k <= 8; ++k) empRow.emplace_back(k <= ne ? "1" : "0");
  empRow.emplace_back("BL");
  Insert(*db, "VORAN-EMP_CARD", empRow);

  std::vector<FieldDefinition> resCard = {{"ID", FieldType::Integer32, true}};
  for (const char* name : {"TRIP_GEN", "IFCON", "IFKK", "IFLAND", "KFAC_ATT", "IEQSLN", "LUIT", "ITRHH", "BET4",
                           "ILAGV", "IEXTV", "RUN_TYPE"}) {
    resCard.push_back({name, FieldType::Text, false});
  }
  db->CreateTable("VORAN-RES_CARD", resCard);
  Insert(*db, "VORAN-RES_CARD", {Value(1), Value("1"), Value("0"), Value("1"), Value("1"), Value("1"), Value("1"),
                                 Value("1"), Value("1"), Value("0.125"), Value("1"), Value("0"), Value("BL")});

  db->CreateTable("UN_EMP", SpreadsheetColumns(1));
  for (int k = 1; k <= 8; ++k) Insert(*db, "UN_EMP", {Value(k <= ne ? 0.03 + 0.005 * k : 0.0)});

  db->CreateTable("REG_EMP", SpreadsheetColumns(8));
  std::vector<Value> workers;
  for (int h = 1; h <= 8; ++h) workers.emplace_back(h <= nh ? 0.85 + 0.22 * (h - 1) : 0.0);
  Insert(*db, "REG_EMP", workers);

  // Households of each category per employee of each category: richer jobs, richer households.
  db->CreateTable("CONV_MATRIX", SpreadsheetColumns(8));
  for (int e = 1; e <= 8; ++e) {
    std::vector<Value> row;
    double weights[8] = {};
    double sum = 0;
    for (int h = 1; h <= nh; ++h) {
      weights[h - 1] = std::exp(-std::pow((h - 1) - (e - 1) * (nh - 1) / 7.0, 2.0) / 2.0);
      sum += weights[h - 1];
    }
    for (int h = 1; h <= 8; ++h) row.emplace_back(e <= ne && h <= nh ? std::round(weights[h - 1] / sum / 1.35 * 1e4) / 1e4 : 0.0);
    Insert(*db, "CONV_MATRIX", row);
  }

  db->CreateTable("REG_COMMUTING", SpreadsheetColumns(1));
  Insert(*db, "REG_COMMUTING", {Value(0.021)});
  Insert(*db, "REG_COMMUTING", {Value(1.0)});

  db->CreateTable("REG_EMP_HH", SpreadsheetColumns(2));
  for (int k = 1; k <= 8; ++k) Insert(*db, "REG_EMP_HH", {Value(k), Value(k <= nh ? 1.35 : 0.0)});

  // Location constraints; the key is numbered by the database.
  db->Execute(
      "CREATE TABLE \"const\" (\"year\" SMALLINT, \"contype\" SMALLINT, \"emphh\" TEXT COLLATE NOCASE, "
      "\"zone\" SMALLINT, \"type\" SMALLINT, \"value\" DOUBLE, \"id\" INTEGER PRIMARY KEY AUTOINCREMENT)");

  // The input database's own refresh: total employment of each period follows its categories.
  db->Execute("CREATE TABLE \"" + std::string(Database::kProceduresTable) + "\" (\"name\" TEXT NOT NULL, \"sql\" TEXT NOT NULL)");
  Insert(*db, Database::kProceduresTable,
         {Value("transfer"),
          Value("UPDATE \"Projections\" SET \"F11\" = CAST(CAST(ROUND(CAST(\"F3\" AS REAL) + CAST(\"F4\" AS REAL) + "
                "CAST(\"F5\" AS REAL) + CAST(\"F6\" AS REAL) + CAST(\"F7\" AS REAL) + CAST(\"F8\" AS REAL) + "
                "CAST(\"F9\" AS REAL) + CAST(\"F10\" AS REAL)) AS INTEGER) AS TEXT) WHERE CAST(\"F1\" AS INTEGER) > 0")});
  transaction.Commit();
}

bool FolderHoldsFiles(const std::filesystem::path& folder) {
  std::error_code ec;
  return std::filesystem::exists(folder, ec) && !std::filesystem::is_empty(folder, ec);
}

}  // namespace

bool WriteDemoRegion(const std::filesystem::path& appFolder, const DemoRegionOptions& options, std::string* error) {
  if (FolderHoldsFiles(appFolder)) {
    *error = "The folder " + appFolder.string() + " already holds files; the demo region is written only into an empty folder.";
    return false;
  }
  try {
    const DemoRegion region = BuildDemoRegion(options);
    for (const char* folder : {"VORAN_SYS/FORECASTING/ATRMOD", "VORAN_SYS/CALIB/DATA", "DATA", "GIS"}) {
      std::filesystem::create_directories(appFolder / folder);
    }
    const auto write = [&](std::string_view name, const std::vector<std::string>& lines) {
      if (!platform::WriteTextLines(RegionFile(appFolder, name), lines)) {
        throw std::runtime_error("Cannot write " + std::string(name) + " in " + appFolder.string() + ".");
      }
    };
    write(kSettingsFile, SettingsLines(region));
    write(kRegressionReportFile, RegressionReportLines());
    write(kEmpCheckListFile, EmpCheckListLines(region));

    std::vector<std::string> empHeader = {"Zone"};
    for (const std::string& name : region.employmentCategoryNames) empHeader.push_back(name);
    empHeader.push_back("Total");
    write(kEmploymentPrnFile, PrnLines(empHeader, region.zones, [&](const DemoZone& z) {
            std::vector<double> values = z.employment;
            values.push_back(z.EmploymentTotal());
            return values;
          }, 0));
    std::vector<std::string> hhHeader = {"Zone"};
    for (const std::string& name : region.householdCategoryNames) hhHeader.push_back(name);
    hhHeader.push_back("TotalHH");
    hhHeader.push_back("Pop");
    write(kHouseholdPrnFile, PrnLines(hhHeader, region.zones, [&](const DemoZone& z) {
            std::vector<double> values = z.households;
            values.push_back(z.HouseholdTotal());
            values.push_back(z.population);
            return values;
          }, 0));
    write(kLandUsePrnFile,
          PrnLines({"Zone", "Resident", "Commerc", "Basic", "Streets", "Vacant", "Unusable", "TotalArea"}, region.zones,
                   [](const DemoZone& z) { return std::vector<double>(z.landUse, z.landUse + 7); }, 1));
    write(kMapitSwitchFile, {"Map results after the review: True"});
    WriteParameterDatabase(RegionFile(appFolder, kParmDatabaseFile), region);
    WriteInputDatabase(RegionFile(appFolder, kInputDatabaseFile), region);
    // What the calibration and impedance units leave: base-year model data, residuals, impedances.
    if (!models::WriteDemoModelData(appFolder, region, error)) return false;
  } catch (const std::exception& e) {
    *error = e.what();
    return false;
  }
  return true;
}

}  // namespace forecast::inputs
