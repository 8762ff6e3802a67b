#include "results/review_selection.h"

#include "inputs/region_files.h"
#include "inputs/region_settings.h"
#include "platform/text_file.h"
#include "results/result_files.h"
#include "results/review_report.h"

namespace forecast::results {

std::vector<std::string> RunListEntries(const SessionState& session) {
  std::vector<std::string> entries = {" "};
  for (int i = 1; i <= session.runTypeCount && i <= kMaxRuns; ++i) {
    entries.push_back(session.runTypeCodes[static_cast<size_t>(i)] + ": " +
                      session.runTypeDescriptions[static_cast<size_t>(i)]);
  }
  return entries;
}

std::vector<std::string> SetPeriodLabels(SessionState& session, int run) {
  std::vector<std::string> labels;
  if (run < 1 || run > kMaxRuns) return labels;
  const int periods = session.PeriodCount(run);
  for (int p = 1; p <= periods; ++p) {
    const std::string from = p == 1 ? session.regionSettings.currentDataYear : std::to_string(session.ForecastYear(run, p - 1));
    std::string label = from + "-" + std::to_string(session.ForecastYear(run, p));
    session.periodLabels[static_cast<size_t>(p)] = label;
    labels.push_back(std::move(label));
  }
  return labels;
}

bool IsInvalidRunEntry(const std::string& entry) { return entry.empty() || entry == " " || entry == "***"; }

bool ChooseReview(SessionState& session, int runPosition, int periodPosition, platform::MessageSink& messages) {
  session.currentPeriodIndex = periodPosition + 1;
  session.reviewRunIndex = runPosition;
  const bool known = runPosition >= 1 && runPosition <= session.runTypeCount && runPosition <= kMaxRuns;
  if (known && std::filesystem::exists(ResultDatabasePath(session.appFolder,
                                                          session.runTypeCodes[static_cast<size_t>(runPosition)]))) {
    return true;
  }
  messages.Show(kRunNotCompletedMessage, "VORAN");
  return false;
}

bool MapItSwitchOn(const std::filesystem::path& appFolder) {
  const auto lines = platform::ReadTextLines(inputs::RegionFile(appFolder, inputs::kMapitSwitchFile));
  if (!lines || lines->empty()) return false;
  return inputs::SettingsValue(lines->front()) == "True";
}

}  // namespace forecast::results
