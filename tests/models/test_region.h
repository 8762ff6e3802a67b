#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "models/dram_card.h"
#include "models/empal_card.h"
#include "models/employment_table.h"
#include "models/household_table.h"
#include "models/impedance_matrix.h"
#include "models/location_constraint.h"

namespace forecast::models::testing {

// Everything one period of the models needs, held in memory; the card lines
// are written in the fixed-column layout the wizard writes.
struct TestRegion {
  int startYear = 2000;
  int endYear = 2005;
  EmploymentTable employment;  // start
  HouseholdTable households;   // start
  ImpedanceMatrix impedance;
  std::vector<EmpalCoefficients> empal;
  std::vector<double> projections;  // per employment category
  std::vector<DramCoefficients> dram;
  std::vector<std::vector<double>> conversion;  // [employment][household]
  bool withGroups = true;
  int firstGroupSize = 1;  // the first categories build on basic land
  double projectedPopulation = 0;
  std::vector<LocationConstraint> employmentConstraints;
  std::vector<LocationConstraint> householdConstraints;

  int Zones() const { return employment.ZoneCount(); }
  int EmploymentCategories() const { return employment.categoryCount; }
  int HouseholdCategories() const { return households.householdCategories; }
};

// A region of the given size with zones on a grid, a city in the middle and
// coefficients of plausible size; deterministic for a seed.
TestRegion SyntheticRegion(int zones, int employmentCategories, int householdCategories, std::uint32_t seed);

// The card code for the kinds present in the constraints.
int ConstraintCodeOf(const std::vector<LocationConstraint>& constraints);

std::vector<std::string> EmpalCardLines(const TestRegion& region);
std::vector<std::string> DramCardLines(const TestRegion& region);
// side 0 employment, 1 households.
std::vector<std::string> AtrmodCardLines(int zones, int run, int side, int categories, double attenuation, const std::vector<int>& inputFiles);

// Writes the cards, DRMEMP.BIN, DRMDAT.BIN, IMPD.BIN and K-factor files of 1
// into a folder, as the forecast run leaves them before EMPALT.EXE.
void WriteRunFolder(const std::filesystem::path& folder, const TestRegion& region);

}  // namespace forecast::models::testing
