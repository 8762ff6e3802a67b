#pragma once

#include <string>
#include <vector>

#include "models/household_table.h"

namespace forecast::models {

// Which employment categories (0-based) build on basic land and which on
// commercial land. Without groups, all jobs share the zone's commercial and
// basic land together.
struct EmploymentLandGroups {
  bool known = false;
  std::vector<int> basic;
  std::vector<int> commercial;
};

struct DevelopmentSummary {
  double residentialAdded = 0;
  double commercialAdded = 0;
  double basicAdded = 0;
  int zonesOutOfVacantLand = 0;          // development wanted more than the vacant land; density rose instead
  std::vector<int> zonesWithOddTotalArea;  // zones whose recorded total area did not equal unusable + usable
  double populationGrowth = 1;           // projected / start population
};

struct DevelopmentInputs {
  const HouseholdTable& start;
  const std::vector<std::vector<double>>& households;  // forecast [category][zone index]
  const std::vector<std::vector<double>>& jobs;        // forecast [employment category][zone index]
  EmploymentLandGroups groups;
  double projectedPopulation = 0;
};

// Carries population and land from the start of the period to its end:
//  - group quarters grow with the region's population; household population
//    per zone follows households at the zone's start persons per household,
//    scaled so that the region reaches the projected population;
//  - employed residents follow households at the zone's start rate, scaled
//    with the region's jobs;
//  - residential land grows with households at the zone's start density,
//    commercial and basic land with their jobs; land taken comes out of
//    vacant developable land, which never falls below zero: when it runs
//    out the zone grows denser instead. Land never goes back to vacant;
//  - total area = unusable + usable, usable = basic + commercial +
//    residential + streets + vacant, in every zone.
// The returned table holds the forecast households and jobs and year 0; the caller sets the year.
HouseholdTable DevelopZones(const DevelopmentInputs& inputs, DevelopmentSummary* summary);

}  // namespace forecast::models
