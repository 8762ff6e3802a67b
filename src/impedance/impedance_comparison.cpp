#include "impedance/impedance_comparison.h"

#include "platform/text.h"

#include <algorithm>

namespace forecast::impedance {

bool SameImpedance(std::string_view entered, std::string_view found) {
  return platform::LeadingNumber(entered) == platform::LeadingNumber(found);
}

bool ImpedanceDifferences::TopDiffers() const { return std::any_of(top.begin(), top.end(), [](bool d) { return d; }); }

bool ImpedanceDifferences::BottomDiffers() const {
  return std::any_of(bottom.begin(), bottom.end(), [](bool d) { return d; });
}

bool ImpedanceDifferences::Any() const { return average || smallest || largest || TopDiffers() || BottomDiffers(); }

ImpedanceDifferences CompareImpedance(const ImpedanceControlValues& entered, const ImpedanceCheckValues& found) {
  ImpedanceDifferences differences;
  differences.average = !SameImpedance(entered.average, found.average);
  differences.smallest = !SameImpedance(entered.smallest, found.smallest);
  differences.largest = !SameImpedance(entered.largest, found.largest);
  for (size_t k = 0; k < 16; ++k) {
    differences.top[k] = !SameImpedance(entered.top[k], found.top[k / 4][k % 4]);
    differences.bottom[k] = !SameImpedance(entered.bottom[k], found.bottom[k / 4][k % 4]);
  }
  return differences;
}

}  // namespace forecast::impedance
