#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "models/employment_allocation.h"

namespace forecast::models {

// EMPALT.EXE: reads EMPAL.CRD, DRMEMP.BIN, DRMDAT.BIN, IMPD.BIN and EKFAC.BIN
// in the folder and writes EMPFCST.BIN and then EMPAL.OUT.
bool RunEmpalProgram(const std::filesystem::path& folder, std::string* error);

std::vector<std::string> EmpalReport(const EmpalCard& card, const EmploymentAllocation& result);

}  // namespace forecast::models
