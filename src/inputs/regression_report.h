#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace forecast::inputs {

// The 19 calibration values for the DRAM card, 1-based (slot 0 unused), each
// formatted with four decimals; all empty when the report cannot be read.
using RegressionValues = std::array<std::string, 20>;

RegressionValues ParseRegressionReport(const std::vector<std::string>& lines);
RegressionValues LoadRegressionReport(const std::filesystem::path& appFolder);

// The picture format "0.0000" applied to a text: a number gets four decimals,
// other text stays as it is.
std::string FormatFourDecimals(const std::string& text);

}  // namespace forecast::inputs
