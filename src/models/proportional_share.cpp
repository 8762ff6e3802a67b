#include "models/proportional_share.h"

#include <algorithm>
#include <cmath>

#include "models/vector_sum.h"

namespace forecast::models {

namespace {

std::vector<double> UsableWeights(const std::vector<double>& weights, const std::vector<double>& fallback) {
  const auto positive = [](const std::vector<double>& values) {
    std::vector<double> out(values.size());
    std::transform(values.begin(), values.end(), out.begin(), [](double v) { return v > 0 ? v : 0.0; });
    return out;
  };
  std::vector<double> chosen = positive(weights);
  if (SumOf(chosen) > 0) return chosen;
  if (fallback.size() == weights.size()) {
    chosen = positive(fallback);
    if (SumOf(chosen) > 0) return chosen;
  }
  return std::vector<double>(weights.size(), 1.0);
}

}  // namespace

SharedTotal ShareInProportion(const std::vector<double>& weights, const std::vector<ShareBounds>& bounds, double target,
                              const std::vector<double>& fallbackWeights) {
  const size_t n = weights.size();
  const std::vector<double> w = UsableWeights(weights, fallbackWeights);
  SharedTotal result;
  result.values.assign(n, 0.0);
  std::vector<bool> settled(n, false);
  // An item without weight cannot take a share; it keeps the least its bounds allow.
  for (size_t i = 0; i < n; ++i) {
    if (w[i] <= 0) {
      result.values[i] = std::max(0.0, bounds[i].lower);
      settled[i] = true;
    }
  }
  // Each round either meets the target or settles at least one item at a bound
  // that the final scale factor cannot release, so n + 1 rounds suffice.
  for (size_t round = 0; round <= n; ++round) {
    double settledSum = 0;
    double freeWeight = 0;
    for (size_t i = 0; i < n; ++i) {
      if (settled[i]) settledSum += result.values[i];
      else freeWeight += w[i];
    }
    if (freeWeight <= 0) break;
    const double scale = (target - settledSum) / freeWeight;
    double clampShift = 0;  // how clamping every free item would change the total
    bool broken = false;
    for (size_t i = 0; i < n; ++i) {
      if (settled[i]) continue;
      const double value = scale * w[i];
      result.values[i] = value;
      const double clamped = std::clamp(value, bounds[i].lower, std::max(bounds[i].lower, bounds[i].upper));
      if (clamped != value) broken = true;
      clampShift += clamped - value;
    }
    if (!broken) break;
    // Clamping lowers the total: the scale must rise, so items above their
    // maximum stay there. Clamping raises it: items below their minimum stay.
    for (size_t i = 0; i < n; ++i) {
      if (settled[i]) continue;
      const double value = result.values[i];
      const bool overMaximum = value > bounds[i].upper;
      const bool underMinimum = value < bounds[i].lower;
      if ((clampShift <= 0 && overMaximum) || (clampShift >= 0 && underMinimum)) {
        result.values[i] = overMaximum ? std::max(bounds[i].lower, bounds[i].upper) : bounds[i].lower;
        settled[i] = true;
      }
    }
  }
  result.total = SumOf(result.values);
  result.reached = std::fabs(result.total - target) <= 1e-9 * std::max(1.0, std::fabs(target));
  return result;
}

}  // namespace forecast::models
