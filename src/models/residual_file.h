#pragma once

#include <string>
#include <vector>

namespace forecast::models {

// One zone of a calibration residual file (emprese<k>.txt, drmresh<k>.txt):
// the observed value of the category and the calibrated model's estimate.
struct ResidualRow {
  int zone = 0;
  double observed = 0;
  double estimated = 0;
};

// Reads lines of "zone observed estimated difference difference/observed",
// blank- or comma-separated; only the first three values are used. Empty
// lines are skipped. Throws ModelInputError naming the file and line.
std::vector<ResidualRow> ParseResidualLines(const std::vector<std::string>& lines, const std::string& fileName);

// Writes rows in that layout, blank-separated; the last value is 0 where
// nothing was observed.
std::vector<std::string> ResidualLines(const std::vector<ResidualRow>& rows);

}  // namespace forecast::models
