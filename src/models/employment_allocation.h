#pragma once

#include <string>
#include <vector>

#include "models/constrained_allocation.h"
#include "models/empal_card.h"
#include "models/employment_table.h"
#include "models/household_table.h"
#include "models/impedance_matrix.h"
#include "models/k_factor_table.h"

namespace forecast::models {

struct EmploymentCategoryOutcome {
  double startTotal = 0;
  double modelTotal = 0;  // the model's total before scaling to the projection
  double lambda = 0;      // as used, after clamping to 0..1
};

struct EmploymentAllocation {
  EmploymentTable forecast;
  std::vector<EmploymentCategoryOutcome> categories;
  ConstrainedAllocation allocation;
  std::vector<std::string> notes;  // things the planner should know about the inputs
};

struct EmploymentInputs {
  const EmpalCard& card;
  const EmploymentTable& employment;  // start of the period
  const HouseholdTable& households;   // start of the period
  const ImpedanceMatrix& impedance;
  const KFactorTable& kFactors;
};

// One period of employment allocation for every category n:
//   W_j = K_j (E_j + 1)^Emp L_j^Land, with L the land open to jobs
//         (commercial + basic + vacant developable),
//   f(c) = c^Alpha exp(Beta c),
//   E'_j = Lambda s sum_i N_i W_j f(c_ij) / sum_k W_k f(c_ik) + (1 - Lambda) E_j,
// s the region's jobs of category n per household; then scaled to the card's
// projection and constrained. Throws ModelInputError when the inputs disagree.
EmploymentAllocation AllocateEmployment(const EmploymentInputs& inputs);

}  // namespace forecast::models
