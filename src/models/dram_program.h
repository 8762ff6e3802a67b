#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "models/household_allocation.h"

namespace forecast::models {

// DRAMT.EXE: reads DRAM.CRD, EMPFCST.BIN, DRMDAT.BIN, IMPD.BIN and DKFAC.BIN
// in the folder and writes DRMFCST.BIN and then DRAM.OUT.
bool RunDramProgram(const std::filesystem::path& folder, std::string* error);

std::vector<std::string> DramReport(const DramCard& card, const HouseholdTable& start, const HouseholdAllocation& result);

}  // namespace forecast::models
