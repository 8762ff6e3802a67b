#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "models/large_block_allocator.h"

namespace forecast::models {

// Zone-to-zone travel impedances (IMPD.BIN): row = from zone, column = to zone,
// zones in their order 1..n.
struct ImpedanceMatrix {
  int zoneCount = 0;
  MatrixValues values;  // row-major

  double At(int from, int to) const { return values[static_cast<size_t>(from) * static_cast<size_t>(zoneCount) + static_cast<size_t>(to)]; }
};

std::string EncodeImpedanceMatrix(const ImpedanceMatrix& matrix);
ImpedanceMatrix DecodeImpedanceMatrix(const std::string& bytes, const std::string& fileName);
ImpedanceMatrix ReadImpedanceMatrix(const std::filesystem::path& folder, const std::string& name);
void WriteImpedanceMatrix(const std::filesystem::path& file, const ImpedanceMatrix& matrix);

}  // namespace forecast::models
