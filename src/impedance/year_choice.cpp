#include "impedance/year_choice.h"

#include "platform/text.h"

#include <cmath>

namespace forecast::impedance {

namespace {

bool ValidRun(const SessionState& session) {
  return session.currentRunIndex >= 1 && session.currentRunIndex <= kMaxRuns;
}

// A year box holds a usable year when it is a four-digit number: the file
// names take the year's third and fourth digits.
std::optional<int> ReadYear(const std::string& text) {
  const auto number = platform::ParseNumber(text);
  if (!number || *number != std::floor(*number) || *number < 1000 || *number > 9999) return std::nullopt;
  return static_cast<int>(*number);
}

}  // namespace

YearChoiceOutcome ChooseImpedanceYears(SessionState& session, const std::string& countText,
                                       const std::array<std::string, kMaxImpedanceFiles>& yearTexts) {
  const auto message = [](const char* text) { return YearChoiceOutcome{YearChoiceOutcome::Kind::Message, text}; };
  const auto count = platform::ParseNumber(countText);
  if (!count || *count != std::floor(*count) || *count < 0) return message(kCountMessage);
  if (!ValidRun(session)) return message(kCountMessage);
  const size_t run = static_cast<size_t>(session.currentRunIndex);
  for (int f = 1; f <= kMaxPeriods; ++f) session.impedanceYears[static_cast<size_t>(f)][run] = 0;
  if (*count > kMaxImpedanceFiles) return message(kCountMessage);
  session.impedanceFileCount = static_cast<int>(*count);

  const int dataYear = static_cast<int>(platform::LeadingNumber(session.regionSettings.currentDataYear));
  for (int i = 1; i <= session.impedanceFileCount; ++i) {
    const auto year = ReadYear(yearTexts[static_cast<size_t>(i - 1)]);
    if (!year) return message(kYearsMessage);
    if ((*year - dataYear) % 5 != 0) return {YearChoiceOutcome::Kind::OffGrid, {}};
    session.impedanceYears[static_cast<size_t>(i)][run] = static_cast<std::int16_t>(*year);
  }
  return {};
}

int ImpedanceYear(const SessionState& session, int file) {
  if (!ValidRun(session) || file < 1 || file > kMaxPeriods) return 0;
  return session.impedanceYears[static_cast<size_t>(file)][static_cast<size_t>(session.currentRunIndex)];
}

int CurrentImpedanceYear(const SessionState& session) { return ImpedanceYear(session, session.currentPeriodIndex); }

}  // namespace forecast::impedance
