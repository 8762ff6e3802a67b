#pragma once

#include <numeric>
#include <vector>

namespace forecast::models {

inline double SumOf(const std::vector<double>& values) { return std::accumulate(values.begin(), values.end(), 0.0); }

}  // namespace forecast::models
