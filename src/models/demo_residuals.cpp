#include "models/demo_residuals.h"

#include <cmath>
#include <numbers>
#include <random>

namespace forecast::models {

namespace {

// Box-Muller on the engine's raw output, so the numbers are the same with every standard library.
double StandardNormal(std::mt19937& engine) {
  const double u1 = (static_cast<double>(engine()) + 1.0) / 4294967297.0;
  const double u2 = static_cast<double>(engine()) / 4294967296.0;
  return std::sqrt(-2.0 * std::log(u1)) * std::cos(2 * std::numbers::pi * u2);
}

}  // namespace

std::vector<ResidualRow> DemoResiduals(const std::vector<int>& zoneNumbers, const std::vector<double>& observed, std::uint32_t seed) {
  std::mt19937 engine(seed);
  const size_t n = observed.size();
  const double phase = 2 * std::numbers::pi * static_cast<double>(engine()) / 4294967296.0;
  std::vector<double> estimated(n);
  double observedTotal = 0;
  double estimatedTotal = 0;
  for (size_t i = 0; i < n; ++i) {
    const double position = n > 1 ? static_cast<double>(i) / static_cast<double>(n - 1) : 0.0;
    const double pattern = 0.12 * std::sin(2 * std::numbers::pi * position + phase);
    const double spread = 0.07 + 0.6 / std::sqrt(observed[i] + 4);
    estimated[i] = observed[i] * std::exp(pattern + spread * StandardNormal(engine));
    // A model also puts a little into zones where nothing was observed.
    if (observed[i] == 0) estimated[i] = 2.0 * std::fabs(StandardNormal(engine));
    observedTotal += observed[i];
    estimatedTotal += estimated[i];
  }
  std::vector<ResidualRow> rows;
  for (size_t i = 0; i < n; ++i) {
    const double value = estimatedTotal > 0 ? estimated[i] * observedTotal / estimatedTotal : observed[i];
    rows.push_back({zoneNumbers[i], observed[i], std::round(value * 100) / 100});
  }
  return rows;
}

}  // namespace forecast::models
