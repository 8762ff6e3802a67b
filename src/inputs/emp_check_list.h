#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace forecast::inputs {

// The eight counts of "empchklist.txt" (1-based, slot 0 unused); their sum is
// the number of employment categories in the first group of the DRAM card.
using EmpGroupCounts = std::array<int, 9>;

// Lines 1 to 8: the leading number after the first colon, as a 16-bit whole
// number. Nothing when a line is missing, the file has more than 100 lines or
// a count does not fit.
std::optional<EmpGroupCounts> ParseEmpCheckList(const std::vector<std::string>& lines);
// Reads the file of the region afresh; nothing when it cannot be read.
std::optional<EmpGroupCounts> LoadEmpCheckList(const std::filesystem::path& appFolder);

}  // namespace forecast::inputs
