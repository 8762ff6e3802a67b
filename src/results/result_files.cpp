#include "results/result_files.h"

#include "inputs/region_files.h"

namespace forecast::results {

std::filesystem::path ResultDatabasePath(const std::filesystem::path& appFolder, const std::string& runCode) {
  return inputs::RegionFile(appFolder, runCode + "_FORCST_OUT.mdb");
}

std::string ResultTableName(const std::string& kind, int year, const std::string& runCode) {
  return kind + "_" + std::to_string(year) + "_" + runCode;
}

}  // namespace forecast::results
