#pragma once

#include <string>
#include <vector>

namespace forecast::models {

// Throws ModelInputError "<what> gives <actual> ..., <other> gives <expected>"
// when two inputs of one run disagree on a dimension.
void RequireSame(const std::string& dimension, const std::string& what, int actual, const std::string& other, int expected);

// Throws when two inputs number their zones differently.
void RequireSameZones(const std::string& what, const std::vector<int>& zones, const std::string& other, const std::vector<int>& otherZones);

}  // namespace forecast::models
