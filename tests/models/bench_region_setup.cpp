// Writes the working folder of one forecast period for a synthetic region, for
// scripts/bench_models.sh: bench_region_setup <folder> <zones> <employment categories> <household categories>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "test_region.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: " << argv[0] << " <folder> <zones> <employment categories> <household categories>\n";
    return 2;
  }
  const int zones = std::atoi(argv[2]);
  const int ne = std::atoi(argv[3]);
  const int nh = std::atoi(argv[4]);
  if (zones < 1 || ne < 1 || ne > 8 || nh < 1 || nh > 8) {
    std::cerr << "zones must be at least 1 and the category counts 1 to 8\n";
    return 2;
  }
  std::filesystem::create_directories(argv[1]);
  forecast::models::testing::WriteRunFolder(argv[1], forecast::models::testing::SyntheticRegion(zones, ne, nh, 2024));
  return 0;
}
