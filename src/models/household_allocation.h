#pragma once

#include <string>
#include <vector>

#include "models/constrained_allocation.h"
#include "models/dram_card.h"
#include "models/employment_table.h"
#include "models/household_table.h"
#include "models/impedance_matrix.h"
#include "models/k_factor_table.h"
#include "models/zone_development.h"

namespace forecast::models {

struct HouseholdCategoryOutcome {
  double startTotal = 0;
  double startDemand = 0;  // households the start's jobs call for, through the conversion matrix
  double demand = 0;       // households the forecast jobs call for
  double modelTotal = 0;  // the model's total before scaling to the target
  double target = 0;
  double lagHH = 0;       // as used, after clamping to 0..1
};

struct HouseholdAllocation {
  HouseholdTable forecast;
  std::vector<HouseholdCategoryOutcome> categories;
  double startPopulation = 0;
  double startHouseholds = 0;
  double targetHouseholds = 0;  // the projected population at the start's persons per household
  ConstrainedAllocation allocation;
  DevelopmentSummary development;
  std::vector<std::string> notes;
};

struct HouseholdInputs {
  const DramCard& card;
  const EmploymentTable& employment;  // forecast for the end of the period
  const HouseholdTable& households;   // start of the period
  const ImpedanceMatrix& impedance;
  const KFactorTable& kFactors;
};

// One period of household allocation for every category h:
//   demand at workplace j: D_j = sum_n CONV(n, h) E'_j(n),
//   W_i = K_i (V_i + 1)^VacDev (1 + x_i)^PerDev (R_i + 1)^ResLand prod_h' (1 + N_i(h') / N_i)^HH_h',
//   the interaction term sum_j D_j W_i f(c_ij) / sum_k W_k f(c_kj), scaled to
//   the category's start total, mixed with the start households by LagHH;
// the regional total follows the projected population at the start's persons
// per household, split by category in proportion to demand: each category's
// start households grow with its demand (forecast over start), so that a
// conversion matrix that does not reproduce the start's mix exactly does not
// jolt the categories; then the constraints, then population and land
// (DevelopZones).
HouseholdAllocation AllocateHouseholds(const HouseholdInputs& inputs);

}  // namespace forecast::models
