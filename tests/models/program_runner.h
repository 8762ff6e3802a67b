#pragma once

#include <filesystem>
#include <string>

namespace forecast::models::testing {

struct ProgramRun {
  int exitCode = -1;
  std::string errorText;  // what the program wrote on standard error
};

// Runs one of the built model programs in the folder, without arguments, as
// the wizard does, and waits for it.
ProgramRun RunBuiltProgram(const std::string& fileName, const std::filesystem::path& folder);

}  // namespace forecast::models::testing
