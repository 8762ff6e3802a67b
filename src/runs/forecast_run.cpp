#include "runs/forecast_run.h"

#include "inputs/data_file_catalogue.h"
#include "inputs/model_cards.h"
#include "inputs/region_files.h"
#include "platform/text_file.h"

namespace forecast::runs {

namespace files = inputs::files;
using inputs::FilePath;
using inputs::PerPeriodPath;

namespace {

// Why a period could not be finished.
enum class StepResult { Ok, Retry, Stop };

class PeriodRunner {
 public:
  PeriodRunner(AppServices& app) : app_(app), folder_(app.session.appFolder), run_(app.session.CurrentRunCode()) {}

  StepResult RunPeriod(int period) {
    year_ = app_.session.ForecastYear(app_.session.currentRunIndex, period);
    StepResult step = StepResult::Ok;
    for (const auto& perPeriod : {std::pair{files::kPeriodWorkingImpedance, files::kWorkingImpedance},
                                  std::pair{files::kPeriodResKFactors, files::kResKFactors},
                                  std::pair{files::kPeriodEmpKFactors, files::kEmpKFactors},
                                  std::pair{files::kEmpalCard, files::kEmpalWorkingCard},
                                  std::pair{files::kDramCard, files::kDramWorkingCard}}) {
      if (!CopyRequired(Period(perPeriod.first), FilePath(folder_, perPeriod.second))) {
        step = StepResult::Stop;
        break;
      }
    }
    if (step == StepResult::Ok) {
      step = RunModel("EMPALT.EXE", platform::WindowStyle::NormalNoFocus, &files::kEmpalOut,
                      {files::kEmpForecastBinary, files::kEmpalOut});
    }
    if (step == StepResult::Ok) {
      step = FileOutputs(files::kEmpForecastBinary, files::kPeriodEmpalOut, {{files::kEmpForecastBinary, files::kPeriodEmpForecastBinary},
                                                                             {files::kEmpalOut, files::kPeriodEmpalOut}});
    }
    if (step == StepResult::Ok) {
      step = RunModel("DRAMT.EXE", platform::WindowStyle::NormalNoFocus, &files::kDramOut,
                      {files::kDrmForecastBinary, files::kDramOut});
    }
    if (step == StepResult::Ok) {
      step = FileOutputs(files::kDrmForecastBinary, files::kPeriodDramOut, {{files::kDrmForecastBinary, files::kPeriodDrmForecastBinary},
                                                                            {files::kDramOut, files::kPeriodDramOut}});
    }
    if (step == StepResult::Ok) {
      step = RunModel("FCSTCNVT.EXE", platform::WindowStyle::Hidden, nullptr, {files::kEmpForecastText, files::kDrmForecastText});
    }
    if (step == StepResult::Ok) {
      for (const auto& [working, perPeriod] : {std::pair{files::kDrmForecastText, files::kPeriodDrmForecastText},
                                               std::pair{files::kEmpForecastText, files::kPeriodEmpForecastText}}) {
        if (!CopyRequired(FilePath(folder_, working), Period(perPeriod)) ||
            !CopyRequired(Period(perPeriod), PerPeriodPath(folder_, perPeriod, year_, run_, inputs::ModelFolder::Gis))) {
          step = StepResult::Stop;
          break;
        }
      }
    }
    if (step != StepResult::Ok) {
      // Whatever stopped the period, it is not done: its reports go, so that
      // neither this run nor the next visit of the page takes it for finished.
      platform::RemoveFileIfExists(Period(files::kPeriodEmpalOut));
      platform::RemoveFileIfExists(Period(files::kPeriodDramOut));
      return step;
    }
    // The forecast of this period is where the next one starts.
    if (!CopyRequired(FilePath(folder_, files::kEmpForecastBinary), FilePath(folder_, files::kDrmEmp)) ||
        !CopyRequired(FilePath(folder_, files::kDrmForecastBinary), FilePath(folder_, files::kDrmDat))) {
      return StepResult::Stop;
    }
    return StepResult::Ok;
  }

  // The start of the chain: the base period's data under the working names.
  bool StartChain(int firstYear) {
    year_ = firstYear;
    platform::RemoveFileIfExists(FilePath(folder_, files::kEmpForecastBinary));
    platform::RemoveFileIfExists(FilePath(folder_, files::kDrmForecastBinary));
    return CopyRequired(Period(files::kPeriodDrmDat), FilePath(folder_, files::kDrmDat)) &&
           CopyRequired(Period(files::kPeriodDrmEmp), FilePath(folder_, files::kDrmEmp));
  }

  int Year() const { return year_; }

 private:

  std::filesystem::path Period(const inputs::PerPeriodFile& file) const { return PerPeriodPath(folder_, file, year_, run_); }

  // A file the run cannot go on without; its absence is said by name.
  bool CopyRequired(const std::filesystem::path& source, const std::filesystem::path& target) {
    if (!platform::IsUsableFile(source)) {
      app_.messages.Show("The forecast of " + std::to_string(year_) + " cannot go on: the file " + source.string() +
                             " is missing or empty.",
                         "VORAN");
      return false;
    }
    if (!platform::CopyFileReplacing(source, target)) {
      app_.messages.Show("The forecast of " + std::to_string(year_) + " cannot go on: the file " + target.string() +
                             " cannot be written.",
                         "VORAN");
      return false;
    }
    return true;
  }

  // Runs a program on the working files. Its outputs of the period before go
  // first: a program that ends without writing must not leave those in place.
  StepResult RunModel(const char* program, platform::WindowStyle style, const inputs::ModelFile* report,
                      std::initializer_list<inputs::ModelFile> outputs) {
    for (const inputs::ModelFile& output : outputs) platform::RemoveFileIfExists(FilePath(folder_, output));
    const auto working = inputs::FolderPath(folder_, inputs::ModelFolder::Forecasting);
    const platform::ProgramRun run = app_.processes.RunAndWait(working, program, style);
    if (!run.started) {
      app_.messages.Show(kStartFailedMessage + std::to_string(year_), "Troubleshoot");
      return StepResult::Retry;
    }
    if (report && !platform::IsUsableFile(FilePath(folder_, *report))) {
      app_.messages.Show(kProgramFailedMessage, "VORAN");
      return StepResult::Retry;
    }
    return StepResult::Ok;
  }

  // Files a program's outputs per period; an empty output, or an empty report
  // filed for this period before, stops the run.
  StepResult FileOutputs(const inputs::ModelFile& binary, const inputs::PerPeriodFile& report,
                         std::initializer_list<std::pair<inputs::ModelFile, inputs::PerPeriodFile>> copies) {
    const auto output = FilePath(folder_, binary);
    const auto earlier = Period(report);
    std::error_code ec;
    if ((std::filesystem::exists(output, ec) && !platform::IsUsableFile(output)) ||
        (std::filesystem::exists(earlier, ec) && !platform::IsUsableFile(earlier))) {
      app_.messages.Show(kForecastProblemMessage, "Troubleshooting");
      return StepResult::Stop;
    }
    for (const auto& [working, perPeriod] : copies) {
      if (!CopyRequired(FilePath(folder_, working), Period(perPeriod))) return StepResult::Stop;
    }
    return StepResult::Ok;
  }

  AppServices& app_;
  std::filesystem::path folder_;
  std::string run_;
  int year_ = 0;
};

}  // namespace

int RunPeriodCount(const SessionState& session) { return session.PeriodCount(session.currentRunIndex); }

bool WriteAllCards(AppServices& app) {
  inputs::CardContext context{app.session, app.messages, app.clock};
  const int run = app.session.currentRunIndex;
  for (int p = 1; p <= app.session.PeriodCount(run); ++p) {
    const int year = app.session.ForecastYear(run, p);
    if (!inputs::WriteEmpalCard(context, year, p) || !inputs::WriteDramCard(context, year, p)) return false;
  }
  return true;
}

bool CopySettingsForModels(const SessionState& session) {
  return platform::CopyFileReplacing(inputs::RegionFile(session.appFolder, inputs::kSettingsFile),
                                     FilePath(session.appFolder, files::kSettingsCopy));
}

int FinishedPeriods(const SessionState& session) {
  int done = 0;
  for (int p = 1; p <= RunPeriodCount(session); ++p) {
    const int year = session.ForecastYear(session.currentRunIndex, p);
    const std::string run = session.CurrentRunCode();
    // An empty report counts as missing, as every file this program checks.
    if (!platform::IsUsableFile(PerPeriodPath(session.appFolder, files::kPeriodEmpalOut, year, run)) ||
        !platform::IsUsableFile(PerPeriodPath(session.appFolder, files::kPeriodDramOut, year, run))) {
      break;
    }
    ++done;
  }
  return done;
}

std::string ProcessingText(int year) { return "Processing Forecast Time Period: " + std::to_string(year); }

ForecastOutcome RunForecast(AppServices& app, const ForecastProgress& progress) {
  SessionState& session = app.session;
  const int periods = RunPeriodCount(session);
  PeriodRunner runner(app);
  if (periods < 1 || !runner.StartChain(session.ForecastYear(session.currentRunIndex, 1))) return ForecastOutcome::Failed;
  for (int p = 1; p <= periods; ++p) {
    const int year = session.ForecastYear(session.currentRunIndex, p);
    StepResult result = StepResult::Retry;
    for (int attempt = 0; attempt <= kMaxRetries && result == StepResult::Retry; ++attempt) {
      if (progress.periodStarted) progress.periodStarted(p, periods, year);
      result = runner.RunPeriod(p);
    }
    if (result == StepResult::Retry) app.messages.Show(kForecastProblemMessage, "Troubleshooting");
    if (result != StepResult::Ok) return ForecastOutcome::Failed;
    if (progress.periodFinished) progress.periodFinished(p);
  }
  const auto flag = FilePath(session.appFolder, files::kCalibrationFlag);
  if (platform::IsUsableFile(flag)) platform::RemoveFileIfExists(flag);
  return ForecastOutcome::Completed;
}

}  // namespace forecast::runs
