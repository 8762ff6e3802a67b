#pragma once

#include "core/session_state.h"

#include <optional>
#include <string>
#include <vector>

namespace forecast::impedance {

// Reads the statistics the converter writes: lines 1 to 3 hold the smallest,
// largest and average impedance after a "="; lines 4 to 7 and 8 to 11 the rows
// of the top-left and bottom-right 4x4 blocks, a label of 8 characters and
// then fields of 8 characters. Nothing, with the reason, when a block line
// holds more than four values.
std::optional<ImpedanceCheckValues> ParseConverterStatistics(const std::vector<std::string>& lines,
                                                             std::string* error);

}  // namespace forecast::impedance
