#pragma once

#include <cstdint>
#include <vector>

#include "models/residual_file.h"

namespace forecast::models {

// Residuals as a calibrated model leaves them: estimates that miss small zones
// by more than large ones, with a broad pattern across the region (the zones
// come in order from the centre outwards) and the regional total reproduced.
// Deterministic for a given seed.
std::vector<ResidualRow> DemoResiduals(const std::vector<int>& zoneNumbers, const std::vector<double>& observed, std::uint32_t seed);

}  // namespace forecast::models
