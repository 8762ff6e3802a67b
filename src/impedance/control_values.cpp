#include "impedance/control_values.h"

#include "platform/text.h"

namespace forecast::impedance {

namespace {

bool Blank(const std::string& text) { return platform::Trim(text).empty(); }

bool ValidFile(const SessionState& session) {
  return session.currentPeriodIndex >= 1 &&
         session.currentPeriodIndex < static_cast<int>(session.enteredImpedanceValues.size());
}

}  // namespace

std::optional<std::string> FirstMissingControlValue(const ImpedanceControlValues& values) {
  if (Blank(values.average)) return "Please enter a value for Average Zone-to-Zone Travel Impedance.";
  if (Blank(values.smallest)) return "Please enter a value for Smallest Zone-to-Zone Travel Impedance.";
  if (Blank(values.largest)) return "Please enter a value for Largest Zone-to-Zone Travel Impedance.";
  for (size_t k = 0; k < 16; ++k) {
    if (Blank(values.top[k])) return "Please enter a value for Top 4x4 Zone-to-Zone Travel Impedance Matrix.";
    if (Blank(values.bottom[k])) return "Please enter a value for Bottom 4x4 Zone-to-Zone Travel Impedance Matrix.";
  }
  return std::nullopt;
}

std::optional<std::string> StoreControlValues(SessionState& session, const ImpedanceControlValues& values) {
  if (auto missing = FirstMissingControlValue(values)) return missing;
  if (ValidFile(session)) session.enteredImpedanceValues[static_cast<size_t>(session.currentPeriodIndex)] = values;
  return std::nullopt;
}

ImpedanceControlValues StoredControlValues(const SessionState& session) {
  return ValidFile(session) ? session.enteredImpedanceValues[static_cast<size_t>(session.currentPeriodIndex)]
                            : ImpedanceControlValues{};
}

}  // namespace forecast::impedance
