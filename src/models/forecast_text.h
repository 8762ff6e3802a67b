#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "models/employment_table.h"
#include "models/household_table.h"

namespace forecast::models {

// EMPFCST.TXT: per zone the zone number, employment of categories 1 to 8 (0
// beyond the region's count) and the total, comma-separated, plain decimals
// that read back to the very same numbers.
std::vector<std::string> EmploymentForecastLines(const EmploymentTable& table);

// DRMFCST.TXT: per zone 22 values: zone, households of categories 1 to 8,
// total households, population, TEPR, GPQRS, AHU, total area, unusable, basic,
// commercial, residential, usable, streets, vacant.
std::vector<std::string> HouseholdForecastLines(const HouseholdTable& table);

// FCSTCNVT.EXE: EMPFCST.BIN and DRMFCST.BIN to EMPFCST.TXT and DRMFCST.TXT.
bool RunForecastConversion(const std::filesystem::path& folder, std::string* error);

}  // namespace forecast::models
