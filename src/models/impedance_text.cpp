#include "models/impedance_text.h"

#include <cmath>

#include "models/binary_file_format.h"
#include "models/model_error.h"
#include "models/model_text.h"

namespace forecast::models {

namespace {

std::optional<double> ImpedanceOfLine(const std::string& line) {
  if (std::optional<double> value = ReadNumber(ColumnText(line, 10, 10)); value && !ColumnText(line, 0, 10).empty() &&
                                                                          ColumnText(line, 20, std::string::npos).empty()) {
    return value;
  }
  const std::vector<std::string> values = SplitValues(line);
  if (values.size() != 2 || !ReadNumber(values[0])) return std::nullopt;
  return ReadNumber(values[1]);
}

}  // namespace

ImpedanceMatrix ParseImpedanceText(const std::vector<std::string>& lines, const std::string& fileName) {
  MatrixValues values;
  values.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    if (TrimBlanks(lines[i]).empty()) continue;
    const std::optional<double> value = ImpedanceOfLine(lines[i]);
    const std::string where = fileName + " line " + std::to_string(i + 1);
    if (!value) throw ModelInputError(where + " does not hold an identification number and an impedance: \"" + TrimBlanks(lines[i]) + "\".");
    if (*value < 0) throw ModelInputError(where + " holds a negative impedance.");
    values.push_back(*value);
  }
  if (values.empty()) throw ModelInputError(fileName + " holds no impedances.");
  const auto zones = static_cast<size_t>(std::llround(std::sqrt(static_cast<double>(values.size()))));
  if (zones * zones != values.size()) {
    throw ModelInputError(fileName + " holds " + std::to_string(values.size()) +
                          " impedances; a full zone-to-zone matrix needs a square number of them (" + std::to_string(zones * zones) +
                          " or " + std::to_string((zones + 1) * (zones + 1)) + ").");
  }
  if (zones > kMaxZones) throw ModelInputError(fileName + " holds a matrix of " + std::to_string(zones) + " zones, more than the programs take.");
  ImpedanceMatrix matrix;
  matrix.zoneCount = static_cast<int>(zones);
  matrix.values = std::move(values);
  return matrix;
}

std::vector<std::string> ImpedanceTextLines(const ImpedanceMatrix& matrix) {
  std::vector<std::string> lines;
  lines.reserve(matrix.values.size());
  for (size_t i = 0; i < matrix.values.size(); ++i) {
    lines.push_back(RightAligned(std::to_string(i + 1), 10) + RightAligned(Decimals(matrix.values[i], 2), 10));
  }
  return lines;
}

}  // namespace forecast::models
