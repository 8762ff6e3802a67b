#pragma once

#include <string>
#include <vector>

#include "models/card_preamble.h"
#include "models/location_constraint.h"

namespace forecast::models {

struct DramCoefficients {
  double alpha = 0;    // power of the impedance
  double beta = 0;     // exponential coefficient of the impedance
  double vacDev = 0;   // power of vacant developable land + 1
  double perDev = 0;   // power of 1 + the developed share of usable land
  double resLand = 0;  // power of residential land + 1
  std::vector<double> householdMix;  // HH1..HHn: powers of 1 + each category's share of the zone's households
  double lagHH = 0;    // weight of the start households against the interaction term
};

// DRAM.CRD, the household allocation card of one period.
struct DramCard {
  int zoneCount = 0;
  int householdCategories = 0;
  int employmentCategories = 0;
  int constraintCode = 0;
  std::string switches;  // the header's switches as written, for the report
  CardPreamble preamble;
  std::vector<DramCoefficients> coefficients;  // per household category
  std::vector<std::string> regressionValues;   // the calibration report's 19 values, as written
  // The two employment groups of the card (1-based categories); empty when the
  // card leaves the group lines out.
  std::vector<int> firstGroup;
  std::vector<int> secondGroup;
  bool hasGroups = false;
  std::vector<double> unemploymentRates;              // per employment category
  std::vector<double> workersPerHousehold;            // per household category
  std::vector<std::vector<double>> conversion;        // [employment][household]: households per employee
  double netCommutationRate = 0;
  double rjpeOption = 0;
  double projectedPopulation = 0;  // regional population at the end year
  std::vector<LocationConstraint> constraints;
};

DramCard ParseDramCard(const std::vector<std::string>& lines, const std::string& fileName);

}  // namespace forecast::models
