#pragma once

#include <array>
#include <string>
#include <vector>

#include "models/k_factor_table.h"

namespace forecast::models {

// ATRMOD.CRD, the attractiveness-modification card of one side.
struct AtrmodCard {
  int zoneCount = 0;
  int run = 0;  // 0: every K-factor is 1
  KFactorSide side = KFactorSide::Employment;
  int categoryCount = 0;
  std::string residualSource;  // recorded in the report; the program has one source
  std::string procedure;       // likewise
  double attenuation = 0;      // power applied to observed / estimated
  std::array<int, 8> inputFiles{};  // 0 leaves the category's K-factors at 1
};

AtrmodCard ParseAtrmodCard(const std::vector<std::string>& lines, const std::string& fileName);

}  // namespace forecast::models
