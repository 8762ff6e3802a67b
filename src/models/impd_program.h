#pragma once

#include <filesystem>
#include <string>

namespace forecast::models {

// IMPD.exe: reads IMPD.TXT in the folder and writes IMPD.BIN and then impsetout.txt.
bool RunImpdProgram(const std::filesystem::path& folder, std::string* error);

}  // namespace forecast::models
