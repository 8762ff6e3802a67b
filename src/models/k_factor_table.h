#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace forecast::models {

enum class KFactorSide { Employment = 0, Households = 1 };

// Attractiveness multipliers per category and zone (EKFAC.BIN, DKFAC.BIN).
struct KFactorTable {
  KFactorSide side = KFactorSide::Employment;
  int zoneCount = 0;
  int categoryCount = 0;
  std::vector<double> factors;  // category-major: factors[category * zoneCount + zone]

  double At(int category, int zone) const { return factors[static_cast<size_t>(category * zoneCount + zone)]; }
  static KFactorTable Ones(KFactorSide side, int zoneCount, int categoryCount);
};

const char* KFactorFileName(KFactorSide side);

std::string EncodeKFactorTable(const KFactorTable& table);
KFactorTable DecodeKFactorTable(const std::string& bytes, const std::string& fileName);
// Reads the side's file and checks that it is of that side.
KFactorTable ReadKFactorTable(const std::filesystem::path& folder, KFactorSide side);
void WriteKFactorTable(const std::filesystem::path& file, const KFactorTable& table);

}  // namespace forecast::models
