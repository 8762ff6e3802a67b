#pragma once

#include <utility>
#include <vector>

#include "models/impedance_matrix.h"

namespace forecast::models {

struct RingRoad {
  double radius = 0;               // miles from the region's centre
  double minutesPerMile = 1.0;     // on the ring
  double rampMinutes = 2.0;        // getting on or off
  bool northernHalfOnly = false;   // the first stage: only the half north of the centre is open
};

// The impedances once a ring road is open: a trip takes the ring where that is
// quicker (local travel to the ring, along it, local travel from it). Local
// travel goes at the matrix's typical minutes per mile. Intrazonal impedances stay.
ImpedanceMatrix WithRingRoad(const ImpedanceMatrix& base, const std::vector<std::pair<double, double>>& centroids, const RingRoad& ring);

}  // namespace forecast::models
