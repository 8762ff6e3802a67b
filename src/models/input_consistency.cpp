#include "models/input_consistency.h"

#include "models/model_error.h"

namespace forecast::models {

void RequireSame(const std::string& dimension, const std::string& what, int actual, const std::string& other, int expected) {
  if (actual != expected) {
    throw ModelInputError(what + " has " + std::to_string(actual) + " " + dimension + " but " + other + " has " +
                          std::to_string(expected) + "; the files do not belong to the same region.");
  }
}

void RequireSameZones(const std::string& what, const std::vector<int>& zones, const std::string& other, const std::vector<int>& otherZones) {
  RequireSame("zones", what, static_cast<int>(zones.size()), other, static_cast<int>(otherZones.size()));
  for (size_t i = 0; i < zones.size(); ++i) {
    if (zones[i] != otherZones[i]) {
      throw ModelInputError(what + " has zone " + std::to_string(zones[i]) + " in place " + std::to_string(i + 1) + " where " + other +
                            " has zone " + std::to_string(otherZones[i]) + ".");
    }
  }
}

}  // namespace forecast::models
