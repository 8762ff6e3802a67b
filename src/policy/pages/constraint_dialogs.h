#pragma once

#include "core/app_services.h"
#include "policy/constraint_flow.h"
#include "policy/pages/constraint_dialog.h"

#include <functional>

namespace forecast::pages {

// P7_5_BC: the forecast years of one constraint type, then a grid for each
// checked box. `done` gets Exit, Back or Continue.
void ShowConstraintYears(AppServices& app, int type, ConstraintDialog::Done done);

// P7_5_C: the grid of one type, group and year.
void EditConstraints(AppServices& app, const policy::ConstraintEntry& entry, ConstraintDialog::Done done);

// P7_5_5: the constraints of every type in force for a year.
void ShowConstraintSummary(AppServices& app, int year, ConstraintDialog::Done done);

// The summary of every year with constraints, one after the other, then P7_3.
// When the review is left by Exit, or by Back on its first year, `leftEarly`
// gets that result instead.
void ReviewConstraints(AppServices& app, std::function<void(policy::PageResult)> leftEarly);

}  // namespace forecast::pages
