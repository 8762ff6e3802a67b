#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "models/attractiveness_modification.h"

namespace forecast::models {

// ATRMODT.EXE: reads ATRMOD.CRD and the residual files in the folder, writes
// EKFAC.BIN or DKFAC.BIN and then ATRMOD.OUT.
bool RunAtrmodProgram(const std::filesystem::path& folder, std::string* error);

std::vector<std::string> AtrmodReport(const AtrmodCard& card, const AttractivenessModification& result);

}  // namespace forecast::models
