#pragma once

#include <string>
#include <vector>

#include "models/card_preamble.h"
#include "models/location_constraint.h"

namespace forecast::models {

struct EmpalCoefficients {
  double alpha = 0;   // power of the impedance
  double beta = 0;    // exponential coefficient of the impedance
  double emp = 0;     // power of the zone's employment in its attractiveness
  double land = 0;    // power of the zone's land in its attractiveness
  double lambda = 0;  // weight of the interaction term against the start employment
};

// EMPAL.CRD, the employment allocation card of one period.
struct EmpalCard {
  int zoneCount = 0;
  int employmentCategories = 0;
  int householdCategories = 0;
  int constraintCode = 0;
  std::string switches;  // IFKFAC to NDAT8 as written, for the report
  CardPreamble preamble;
  std::vector<EmpalCoefficients> coefficients;  // per employment category
  std::vector<double> projections;              // regional jobs per category at the end year
  std::vector<LocationConstraint> constraints;
};

// Throws ModelInputError naming the card line that is wrong.
EmpalCard ParseEmpalCard(const std::vector<std::string>& lines, const std::string& fileName);

}  // namespace forecast::models
