#pragma once

#include <limits>
#include <vector>

namespace forecast::models {

struct ShareBounds {
  double lower = 0;
  double upper = std::numeric_limits<double>::infinity();
};

struct SharedTotal {
  std::vector<double> values;
  double total = 0;
  bool reached = false;  // false when the bounds make the target unreachable
};

// Shares a target among items in proportion to their weights, keeping each
// item within its bounds; what a bounded item cannot take goes to the others
// in proportion to theirs, until no bound is broken. When every weight is zero
// the fallback weights are used, and equal shares when those are zero too.
// When the bounds rule out the target, every item ends at the bound nearest
// to it and reached is false.
SharedTotal ShareInProportion(const std::vector<double>& weights, const std::vector<ShareBounds>& bounds, double target,
                              const std::vector<double>& fallbackWeights);

}  // namespace forecast::models
