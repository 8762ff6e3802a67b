#pragma once

#include "core/session_state.h"
#include "impedance/impedance_comparison.h"

#include <array>
#include <string>

namespace forecast::impedance {

// The block value shown at a position of a report list. The lists have four
// columns filled column by column, so position p shows row p % 4, column p / 4.
int BlockValueAtListPosition(int position);

// What a report page shows: three values and two lists of 16 entries in list
// order, with the differences to mark when the report checks a file.
struct ImpedanceReport {
  std::string average;
  std::string smallest;
  std::string largest;
  std::array<std::string, 16> topList;
  std::array<std::string, 16> bottomList;
  ImpedanceDifferences differences;  // all false on the entry report
};

// The values as the user typed them.
ImpedanceReport EntryReport(const ImpedanceControlValues& entered);
// The values the converter found, each as its number in the shortest decimal
// form, compared with the entered ones.
ImpedanceReport CheckReport(const ImpedanceControlValues& entered, const ImpedanceCheckValues& found);

}  // namespace forecast::impedance
