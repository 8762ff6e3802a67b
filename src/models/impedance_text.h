#pragma once

#include <string>
#include <vector>

#include "models/impedance_matrix.h"

namespace forecast::models {

// IMPD.TXT: one impedance per line in matrix order (zone 1 to zone 1, zone 1
// to zone 2, ... row by row), an identification number in characters 1-10 and
// the impedance in characters 11-20. Lines that do not keep to the columns
// are read as two blank-separated values. The zone count is the square root
// of the number of lines and must be whole. Throws ModelInputError naming the line.
ImpedanceMatrix ParseImpedanceText(const std::vector<std::string>& lines, const std::string& fileName);

// The matrix in that layout, numbered from 1, each impedance with two decimals.
std::vector<std::string> ImpedanceTextLines(const ImpedanceMatrix& matrix);

}  // namespace forecast::models
