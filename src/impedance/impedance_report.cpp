#include "impedance/impedance_report.h"

#include "platform/text.h"

namespace forecast::impedance {

namespace {

std::string Shown(const std::string& found) { return platform::FormatShortest(platform::LeadingNumber(found)); }

}  // namespace

int BlockValueAtListPosition(int position) { return (position % 4) * 4 + position / 4; }

ImpedanceReport EntryReport(const ImpedanceControlValues& entered) {
  ImpedanceReport report;
  report.average = entered.average;
  report.smallest = entered.smallest;
  report.largest = entered.largest;
  for (int p = 0; p < 16; ++p) {
    const size_t k = static_cast<size_t>(BlockValueAtListPosition(p));
    report.topList[static_cast<size_t>(p)] = entered.top[k];
    report.bottomList[static_cast<size_t>(p)] = entered.bottom[k];
  }
  return report;
}

ImpedanceReport CheckReport(const ImpedanceControlValues& entered, const ImpedanceCheckValues& found) {
  ImpedanceReport report;
  report.average = Shown(found.average);
  report.smallest = Shown(found.smallest);
  report.largest = Shown(found.largest);
  for (int p = 0; p < 16; ++p) {
    const size_t k = static_cast<size_t>(BlockValueAtListPosition(p));
    report.topList[static_cast<size_t>(p)] = Shown(found.top[k / 4][k % 4]);
    report.bottomList[static_cast<size_t>(p)] = Shown(found.bottom[k / 4][k % 4]);
  }
  report.differences = CompareImpedance(entered, found);
  return report;
}

}  // namespace forecast::impedance
