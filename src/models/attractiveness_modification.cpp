#include "models/attractiveness_modification.h"

#include <algorithm>
#include <cmath>

#include "models/model_error.h"
#include "models/residual_file.h"

namespace forecast::models {

std::string ResidualFileName(KFactorSide side, int category) {
  return (side == KFactorSide::Employment ? "emprese" : "drmresh") + std::to_string(category) + ".bin";
}

AttractivenessModification ModifyAttractiveness(const AtrmodCard& card, const ResidualLookup& residuals) {
  AttractivenessModification result;
  result.table = KFactorTable::Ones(card.side, card.zoneCount, card.categoryCount);
  for (int k = 1; k <= card.categoryCount; ++k) {
    KFactorCategorySummary summary;
    if (card.run == 0) {
      summary.source = "none (ATRMOD_RUN is 0)";
      result.categories.push_back(summary);
      continue;
    }
    if (card.inputFiles[static_cast<size_t>(k - 1)] == 0) {
      summary.source = "none (INPUT_FILE" + std::to_string(k) + " is 0)";
      result.categories.push_back(summary);
      continue;
    }
    std::string name = ResidualFileName(card.side, k);
    std::optional<std::vector<std::string>> lines = residuals(name);
    if (!lines && k == 1) {
      name = card.side == KFactorSide::Employment ? "EMPRES.TXT" : "DRMRES.TXT";
      lines = residuals(name);
    }
    if (!lines) {
      throw ModelInputError("The residual file " + ResidualFileName(card.side, k) + " of category " + std::to_string(k) +
                            " is missing, and INPUT_FILE" + std::to_string(k) + " asks for it.");
    }
    summary.source = name;
    const std::vector<ResidualRow> rows = ParseResidualLines(*lines, name);
    std::vector<bool> seen(static_cast<size_t>(card.zoneCount), false);
    summary.smallest = kHighestKFactor;
    summary.largest = kLowestKFactor;
    for (const ResidualRow& row : rows) {
      if (row.zone > card.zoneCount) {
        throw ModelInputError(name + " names zone " + std::to_string(row.zone) + "; the region has " + std::to_string(card.zoneCount) + " zones.");
      }
      const auto zone = static_cast<size_t>(row.zone - 1);
      if (seen[zone]) throw ModelInputError(name + " gives zone " + std::to_string(row.zone) + " more than once.");
      seen[zone] = true;
      ++summary.zonesRead;
      double factor = 1.0;
      if (row.estimated > 0) {
        const double raw = std::pow(row.observed / row.estimated, card.attenuation);
        factor = std::clamp(raw, kLowestKFactor, kHighestKFactor);
        if (factor != raw) ++summary.zonesBounded;
      }
      result.table.factors[static_cast<size_t>(k - 1) * static_cast<size_t>(card.zoneCount) + zone] = factor;
      summary.smallest = std::min(summary.smallest, factor);
      summary.largest = std::max(summary.largest, factor);
    }
    if (summary.zonesRead == 0) summary.smallest = summary.largest = 1;
    if (summary.zonesRead < card.zoneCount) summary.smallest = std::min(summary.smallest, 1.0);
    if (summary.zonesRead < card.zoneCount) summary.largest = std::max(summary.largest, 1.0);
    result.categories.push_back(summary);
  }
  return result;
}

}  // namespace forecast::models
