#include "impedance/impedance_conversion.h"

#include "impedance/control_values.h"
#include "impedance/converter_statistics.h"
#include "impedance/impedance_comparison.h"
#include "impedance/impedance_files.h"
#include "platform/text_file.h"

#include <thread>

namespace forecast::impedance {

namespace {

enum class WaitResult { Ready, Empty, Missing };

WaitResult WaitForStatistics(const std::filesystem::path& file, const StatisticsWait& wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait.limit;
  for (;;) {
    if (wait.serveEvents) wait.serveEvents();
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec)) {
      if (std::filesystem::file_size(file, ec) > 0 && !ec) return WaitResult::Ready;
    }
    if (wait.pageStillOpen && !wait.pageStillOpen()) break;
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(wait.pollInterval);
  }
  std::error_code ec;
  return std::filesystem::is_regular_file(file, ec) ? WaitResult::Empty : WaitResult::Missing;
}

ConversionOutcome Failure(const char* message, const char* title) {
  return {ConversionOutcome::Kind::Failed, false, message, title};
}

}  // namespace

ConversionOutcome ConvertAndCheck(SessionState& session, platform::ProcessRunner& processes,
                                  const StatisticsWait& wait) {
  const auto folder = DataFolder(session.appFolder);
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return Failure(kUnreadableMessage, "VORAN");

  const auto statistics = ConverterStatisticsFile(session.appFolder);
  if (!platform::RemoveFileIfExists(statistics) ||
      !platform::RemoveFileIfExists(WorkingImpedanceBinary(session.appFolder))) {
    return Failure(kConverterFailedMessage, kConverterFailedTitle);
  }

  const platform::ProgramRun run = processes.RunAndWait(folder, kConverterProgram, platform::WindowStyle::Hidden);
  if (!run.started) return Failure(kConverterFailedMessage, kConverterFailedTitle);
  if (WaitForStatistics(statistics, wait) != WaitResult::Ready) {
    return Failure(kConverterFailedMessage, kConverterFailedTitle);
  }

  session.impedanceDiscrepancy = false;
  const auto lines = platform::ReadTextLines(statistics);
  if (!lines || lines->empty()) return Failure(kUnreadableMessage, "VORAN");
  std::string error;
  const auto found = ParseConverterStatistics(*lines, &error);
  if (!found) return Failure(kStatisticsFailedMessage, kConverterFailedTitle);
  session.impdCheckValues = *found;
  session.impedanceDiscrepancy = CompareImpedance(StoredControlValues(session), *found).Any();

  ConversionOutcome outcome;
  outcome.discrepancy = session.impedanceDiscrepancy;
  if (outcome.discrepancy) {
    outcome.message = kDiscrepancyMessage;
    outcome.title = "VORAN";
  }
  return outcome;
}

}  // namespace forecast::impedance
