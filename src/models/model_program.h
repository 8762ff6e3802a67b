#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace forecast::models {

// The frame of every model program: the outputs of an earlier run go first, so
// that a failed run can never leave one behind for the caller to take for
// success; a failure removes whatever the run had written and returns false
// with the message in *error.
bool RunModelStep(const std::filesystem::path& folder, const std::vector<std::string>& outputs, const std::function<void()>& body,
                  std::string* error);

// main() of a model program: runs in the current folder, reports a failure on
// standard error and returns the exit code (0 success, 1 failure).
int ModelProgramMain(const char* programName, bool (*run)(const std::filesystem::path&, std::string*));

}  // namespace forecast::models
