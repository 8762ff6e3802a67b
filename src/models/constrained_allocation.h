#pragma once

#include <string>
#include <vector>

#include "models/location_constraint.h"

namespace forecast::models {

struct ConstraintOutcome {
  LocationConstraint constraint;
  double before = 0;  // the forecast before constraints (the zone's total for a zone total)
  double after = 0;   // the forecast after them
  std::string note;   // a conflict or shortfall concerning this constraint
};

struct CategoryBalance {
  double target = 0;
  double achieved = 0;
  bool reached = true;
};

struct ConstrainedAllocation {
  std::vector<std::vector<double>> values;  // [category][zone index]
  std::vector<ConstraintOutcome> outcomes;  // one per constraint, in card order
  std::vector<CategoryBalance> balances;    // per category
  std::vector<std::string> problems;        // every total or constraint that could not be met
};

struct AllocationRequest {
  std::vector<std::vector<double>> forecast;  // [category][zone index], before constraints
  std::vector<double> targets;                // regional total per category
  std::vector<LocationConstraint> constraints;
  std::vector<int> zoneNumbers;
  std::vector<std::string> categoryNames;
  // Shares for a category whose free zones all forecast zero (for example land).
  std::vector<double> fallbackZoneWeights;
  std::string cardName;  // for messages about constraints naming unknown zones
};

// Brings each category to its regional target while honouring the constraints:
// exact values are kept; a zone total fixes the zone's other categories, scaled
// to make it up; the remaining zones share what is left in proportion to their
// forecasts within their maximum and minimum. Where the constraints rule a
// target out, they are kept and the shortfall is reported. Constraints that
// contradict each other are resolved in the order exact, zone total, minimum,
// maximum, and reported. A constraint naming an unknown zone is an input error.
ConstrainedAllocation AllocateWithConstraints(const AllocationRequest& request);

}  // namespace forecast::models
