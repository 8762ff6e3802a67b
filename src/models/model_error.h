#pragma once

#include <stdexcept>
#include <string>

namespace forecast::models {

// A problem with a model program's input (missing, wrong kind, truncated,
// inconsistent) or with writing its output. The message names the file and
// is shown to the planner as it is.
class ModelInputError : public std::runtime_error {
 public:
  explicit ModelInputError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace forecast::models
