#include "models/impedance_statistics.h"

#include <algorithm>

#include "models/model_text.h"

namespace forecast::models {

namespace {

constexpr size_t kFieldWidth = 8;

std::string BlockField(double value) {
  std::string text = PlainDecimal(value);
  for (int decimals = 6; text.size() > kFieldWidth && decimals >= 0; --decimals) {
    text = Decimals(value, decimals);
    if (text.find('.') != std::string::npos) {
      text.erase(text.find_last_not_of('0') + 1);
      if (text.back() == '.') text.pop_back();
    }
  }
  return RightAligned(text, kFieldWidth);
}

void AddBlock(std::vector<std::string>& lines, const ImpedanceMatrix& matrix, int first, const std::string& label) {
  const int size = std::min(4, matrix.zoneCount);
  for (int row = 0; row < 4; ++row) {
    std::string line = LeftAligned(label + " " + std::to_string(row + 1), kFieldWidth);
    if (row < size) {
      for (int column = 0; column < size; ++column) line += BlockField(matrix.At(first + row, first + column));
    }
    lines.push_back(line);
  }
}

}  // namespace

std::vector<std::string> ImpedanceStatisticsLines(const ImpedanceMatrix& matrix) {
  const auto [smallest, largest] = std::minmax_element(matrix.values.begin(), matrix.values.end());
  long double sum = 0;
  for (double value : matrix.values) sum += value;
  const double average = static_cast<double>(sum / static_cast<long double>(matrix.values.size()));
  std::vector<std::string> lines = {
      "Smallest zone-to-zone impedance = " + PlainDecimal(*smallest),
      "Largest zone-to-zone impedance = " + PlainDecimal(*largest),
      "Average zone-to-zone impedance = " + PlainDecimal(average),
  };
  AddBlock(lines, matrix, 0, "TOP");
  AddBlock(lines, matrix, std::max(0, matrix.zoneCount - 4), "BOTTOM");
  return lines;
}

}  // namespace forecast::models
