#pragma once

#include <string>
#include <vector>

#include "models/impedance_matrix.h"

namespace forecast::models {

// impsetout.txt, the check the planner compares with the travel model:
//   lines 1-3: a label, "=", the smallest, largest and average impedance;
//   lines 4-7: the top-left 4x4 block of the matrix, lines 8-11 the
//   bottom-right block, each a label in characters 1-8 and four values in
//   fields of 8 characters.
// Numbers in their shortest plain decimal form; a block value too long for its
// field is rounded to fit. A region of fewer than four zones gets the rows and
// columns it has.
std::vector<std::string> ImpedanceStatisticsLines(const ImpedanceMatrix& matrix);

}  // namespace forecast::models
