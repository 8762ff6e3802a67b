#include "models/demo_ring_road.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace forecast::models {

namespace {

// The median minutes per mile of the zone pairs at least a mile apart.
double TypicalMinutesPerMile(const ImpedanceMatrix& base, const std::vector<std::pair<double, double>>& centroids) {
  std::vector<double> rates;
  const int n = base.zoneCount;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      const auto& a = centroids[static_cast<size_t>(i)];
      const auto& b = centroids[static_cast<size_t>(j)];
      const double miles = std::hypot(a.first - b.first, a.second - b.second);
      if (i != j && miles >= 1) rates.push_back(base.At(i, j) / miles);
    }
  }
  if (rates.empty()) return 2.0;
  std::nth_element(rates.begin(), rates.begin() + static_cast<std::ptrdiff_t>(rates.size() / 2), rates.end());
  return rates[rates.size() / 2];
}

}  // namespace

ImpedanceMatrix WithRingRoad(const ImpedanceMatrix& base, const std::vector<std::pair<double, double>>& centroids, const RingRoad& ring) {
  const double local = TypicalMinutesPerMile(base, centroids);
  const int n = base.zoneCount;
  std::vector<double> radius(static_cast<size_t>(n));
  std::vector<double> angle(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const auto& c = centroids[static_cast<size_t>(i)];
    radius[static_cast<size_t>(i)] = std::hypot(c.first, c.second);
    angle[static_cast<size_t>(i)] = std::atan2(c.second, c.first);  // north of the centre: 0 to pi
  }
  ImpedanceMatrix result = base;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      if (i == j) continue;
      const auto a = static_cast<size_t>(i);
      const auto b = static_cast<size_t>(j);
      double arc = std::fabs(angle[a] - angle[b]);
      if (ring.northernHalfOnly) {
        // The access points must both lie on the open half.
        if (angle[a] < 0 || angle[b] < 0) continue;
      } else {
        arc = std::min(arc, 2 * std::numbers::pi - arc);
      }
      const double viaRing = local * std::fabs(radius[a] - ring.radius) + ring.rampMinutes + arc * ring.radius * ring.minutesPerMile +
                             ring.rampMinutes + local * std::fabs(radius[b] - ring.radius);
      double& value = result.values[a * static_cast<size_t>(n) + b];
      if (viaRing < value) value = std::round(viaRing * 100) / 100;
    }
  }
  return result;
}

}  // namespace forecast::models
