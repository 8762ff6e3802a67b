#pragma once

#include <filesystem>
#include <string>

namespace forecast::results {

// The result database of a run: VORAN_SYS\<run>_FORCST_OUT.mdb.
std::filesystem::path ResultDatabasePath(const std::filesystem::path& appFolder, const std::string& runCode);

// "EMP_2010_BL", "HH_2010_BL".
std::string ResultTableName(const std::string& kind, int year, const std::string& runCode);

}  // namespace forecast::results
