#include "runs/batch_forecast.h"

#include "core/startup.h"
#include "impedance/file_pickup.h"
#include "impedance/impedance_chain.h"
#include "impedance/impedance_conversion.h"
#include "impedance/year_choice.h"
#include "policy/constraint_calendar.h"
#include "policy/current_run.h"
#include "results/forecast_loaders.h"
#include "results/result_database_builder.h"
#include "results/result_files.h"
#include "runs/file_check.h"
#include "runs/forecast_run.h"

#include <chrono>
#include <array>
#include <cstdio>
#include <sstream>

namespace forecast::runs {

namespace {

class StepClock {
 public:
  explicit StepClock(std::ostream& out) : out_(out), start_(Now()), step_(start_) {}
  void Done(const std::string& what) {
    const auto now = Now();
    out_ << what << " (" << Seconds(now - step_) << " s)" << std::endl;
    step_ = now;
  }
  std::string Total() const { return Seconds(Now() - start_); }

 private:
  using TimePoint = std::chrono::steady_clock::time_point;
  static TimePoint Now() { return std::chrono::steady_clock::now(); }
  static std::string Seconds(std::chrono::steady_clock::duration d) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", std::chrono::duration<double>(d).count());
    return text;
  }
  std::ostream& out_;
  TimePoint start_;
  TimePoint step_;
};

// Selects the constraint types as the constraint pages would, by year.
bool SelectConstraints(SessionState& session, const std::vector<ConstraintChoice>& choices, std::ostream& err) {
  const policy::ConstraintCalendar calendar = policy::CalendarOf(session.regionSettings);
  for (const ConstraintChoice& choice : choices) {
    const auto period = calendar.PeriodOfYear(choice.year);
    if (!period || calendar.YearOfPeriod(*period) != choice.year) {
      err << "forecast: " << choice.year << " is not a forecast year of the region." << std::endl;
      return false;
    }
    const size_t group = choice.group == "Employee" ? 1 : 2;
    session.constraintSelected[static_cast<size_t>(choice.type)][static_cast<size_t>(*period)][group] = true;
  }
  return true;
}

// Takes in the forecast-year impedance files as the impedance pages do:
// pick-up with the base-year backup, conversion, filing per period and run,
// and the base-year files restored at the end. The statistics the converter
// found are printed; there are no control values to compare them with.
bool TakeInImpedances(SessionState& session, const std::vector<int>& years, platform::ProcessRunner& processes,
                      platform::MessageSink& messages, StepClock& clock) {
  std::array<std::string, impedance::kMaxImpedanceFiles> yearTexts;
  for (size_t i = 0; i < years.size() && i < yearTexts.size(); ++i) yearTexts[i] = std::to_string(years[i]);
  const impedance::YearChoiceOutcome chosen =
      impedance::ChooseImpedanceYears(session, std::to_string(years.size()), yearTexts);
  if (chosen.kind != impedance::YearChoiceOutcome::Kind::Accepted) {
    messages.Show(chosen.kind == impedance::YearChoiceOutcome::Kind::OffGrid
                      ? "The impedance years must be forecast years of the run, five years apart."
                      : chosen.message,
                  "VORAN");
    return false;
  }
  impedance::StartImpedanceChain(session);
  for (;;) {
    const int year = impedance::CurrentImpedanceYear(session);
    const impedance::PickUpOutcome picked = impedance::PickUpImpedanceFile(session);
    if (picked.kind != impedance::PickUpOutcome::Kind::Found) {
      messages.Show(picked.message, impedance::kTroubleshootTitle);
      return false;
    }
    const impedance::ConversionOutcome converted = impedance::ConvertAndCheck(session, processes, {});
    if (converted.kind == impedance::ConversionOutcome::Kind::Failed) {
      messages.Show(converted.message, converted.title);
      impedance::RestoreBaseYearImpedance(session.appFolder);
      return false;
    }
    if (!impedance::FileConvertedImpedance(session)) {
      messages.Show(impedance::kFilingFailedMessage, "VORAN");
      impedance::RestoreBaseYearImpedance(session.appFolder);
      return false;
    }
    const ImpedanceCheckValues& found = session.impdCheckValues;
    clock.Done("impedances " + std::to_string(year) + ": IMPD.exe found smallest " + found.smallest + ", largest " +
               found.largest + ", average " + found.average);
    const impedance::ChainStep step = impedance::AdvanceImpedanceChain(session);
    if (step == impedance::ChainStep::Finished) return true;
    if (step == impedance::ChainStep::RestoreFailed) {
      messages.Show(impedance::kRestoreFailedMessage, "VORAN");
      return false;
    }
  }
}

}  // namespace

int RunBatchForecast(const CommandLine& line, std::ostream& out, platform::MessageSink& messages,
                     platform::ProcessRunner& processes) {
  StepClock clock(out);
  SessionState session;
  const StartupResult started = RunStartup(session, std::filesystem::absolute(line.appFolder));
  if (!started.ok) {
    messages.Show(started.error, "VORAN");
    return kBatchFailed;
  }
  clock.Done("start-up: region " + session.regionSettings.regionName);

  if (!line.runCode.empty()) {
    const int index = session.RunIndex(line.runCode);
    if (index == 0) {
      messages.Show("There is no run " + line.runCode + " in the run table.", "VORAN");
      return kBatchBadArguments;
    }
    std::string error;
    if (!policy::MakeRunCurrent(session, index, &error)) {
      messages.Show(error, "VORAN");
      return kBatchFailed;
    }
  }
  if (session.currentRunIndex == 0) {
    messages.Show("No run of the region is the current one; choose one with --run.", "VORAN");
    return kBatchBadArguments;
  }
  std::ostringstream constraintErrors;
  if (!SelectConstraints(session, line.constraints, constraintErrors)) {
    messages.Show(constraintErrors.str(), "VORAN");
    return kBatchBadArguments;
  }

  if (!line.impedanceYears.empty() && !TakeInImpedances(session, line.impedanceYears, processes, messages, clock)) {
    return kBatchFailed;
  }

  NoPages pages;
  platform::SystemClock today;
  AppServices app{session, messages, processes, today, pages};
  if (RunFileCheck(app, {}) != FileCheckOutcome::Done) return kBatchFailed;
  clock.Done("file check: files gathered, ATRMODT.EXE run for EMP and RES");

  if (!WriteAllCards(app)) return kBatchFailed;
  clock.Done("cards: EMPAL and DRAM cards of " + std::to_string(RunPeriodCount(session)) + " periods");

  if (!CopySettingsForModels(session)) {
    messages.Show("The settings cannot be copied into the forecasting folder.", "VORAN");
    return kBatchFailed;
  }
  ForecastProgress progress;
  progress.periodFinished = [&](int period) {
    clock.Done("period " + std::to_string(period) + " (" +
               std::to_string(session.ForecastYear(session.currentRunIndex, period)) +
               "): EMPALT.EXE, DRAMT.EXE, FCSTCNVT.EXE");
  };
  if (RunForecast(app, progress) != ForecastOutcome::Completed) return kBatchFailed;

  if (!results::BuildResultDatabase(session, messages) || !results::LoadEmploymentForecast(session, messages) ||
      !results::LoadHouseholdForecast(session, messages)) {
    return kBatchFailed;
  }
  clock.Done("results: result database built and loaded");
  out << "Result database: " << results::ResultDatabasePath(session.appFolder, session.CurrentRunCode()).string() << '\n';
  out << "Total time: " << clock.Total() << " s" << std::endl;
  return kBatchSucceeded;
}

}  // namespace forecast::runs
