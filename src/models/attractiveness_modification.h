#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "models/atrmod_card.h"
#include "models/k_factor_table.h"

namespace forecast::models {

// K-factors stay within these bounds, so that one badly estimated zone cannot
// dominate or vanish from a forecast.
constexpr double kLowestKFactor = 0.25;
constexpr double kHighestKFactor = 4.0;

struct KFactorCategorySummary {
  std::string source;  // the residual file used, or why none
  int zonesRead = 0;
  int zonesBounded = 0;
  double smallest = 1;
  double largest = 1;
};

struct AttractivenessModification {
  KFactorTable table;
  std::vector<KFactorCategorySummary> categories;
};

// The lines of a residual file by name, or nothing when it is missing.
using ResidualLookup = std::function<std::optional<std::vector<std::string>>(const std::string& name)>;

// The residual file of a category: emprese<k>.bin or drmresh<k>.bin (the
// calibration's .txt files copied under that name).
std::string ResidualFileName(KFactorSide side, int category);

// K = (observed / estimated)^ATTEN_FACTOR per zone, bounded, 1 where the estimate
// is 0 or the zone is not in the file; 1 everywhere when ATRMOD_RUN is 0 and
// for a category whose INPUT_FILE is 0. For category 1, EMPRES.TXT or
// DRMRES.TXT stands in for a missing residual file.
AttractivenessModification ModifyAttractiveness(const AtrmodCard& card, const ResidualLookup& residuals);

}  // namespace forecast::models
