#pragma once

#include "core/session_state.h"

#include <array>
#include <string_view>

namespace forecast::impedance {

// Entered and found values agree when their leading numbers are exactly equal:
// "12.70" and "12.7" agree, "12,7" reads as 12.
bool SameImpedance(std::string_view entered, std::string_view found);

// Which found values differ from the entered ones.
struct ImpedanceDifferences {
  bool average = false;
  bool smallest = false;
  bool largest = false;
  std::array<bool, 16> top{};     // by block value k
  std::array<bool, 16> bottom{};  // by block value k
  bool TopDiffers() const;
  bool BottomDiffers() const;
  bool Any() const;
};

ImpedanceDifferences CompareImpedance(const ImpedanceControlValues& entered, const ImpedanceCheckValues& found);

}  // namespace forecast::impedance
