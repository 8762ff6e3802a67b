#include "runs/file_check.h"

#include "inputs/data_file_catalogue.h"
#include "inputs/model_cards.h"
#include "platform/text_file.h"

#include <chrono>
#include <thread>

namespace forecast::runs {

namespace files = inputs::files;
using inputs::FilePath;
using inputs::PerPeriodPath;

namespace {

bool Exists(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::exists(file, ec);
}

// Copies a file present on disk to its working name and to one copy per period.
FileCheckOutcome CopyToPeriods(const SessionState& session, const std::filesystem::path& source,
                               const inputs::ModelFile& working, const inputs::PerPeriodFile& perPeriod) {
  if (!Exists(source)) return FileCheckOutcome::Done;
  if (!platform::IsUsableFile(source)) return FileCheckOutcome::ReadError;
  const std::filesystem::path& app = session.appFolder;
  if (!platform::CopyFileReplacing(source, FilePath(app, working))) return FileCheckOutcome::NotFound;
  for (int p = 1; p <= session.PeriodCount(session.currentRunIndex); ++p) {
    const auto target = PerPeriodPath(app, perPeriod, session.ForecastYear(session.currentRunIndex, p), session.CurrentRunCode());
    if (!platform::CopyFileReplacing(source, target)) return FileCheckOutcome::NotFound;
  }
  return FileCheckOutcome::Done;
}

FileCheckOutcome CopyCalibrationFiles(const SessionState& session, const inputs::PerCategoryFile& from,
                                      const inputs::PerCategoryFile& to, int count) {
  for (int k = 1; k <= count; ++k) {
    const auto source = inputs::PerCategoryPath(session.appFolder, from, k);
    if (!Exists(source)) continue;
    if (!platform::IsUsableFile(source)) return FileCheckOutcome::ReadError;
    if (!platform::CopyFileReplacing(source, inputs::PerCategoryPath(session.appFolder, to, k))) {
      return FileCheckOutcome::NotFound;
    }
  }
  return FileCheckOutcome::Done;
}

// The impedance file of each period: its own forecast-year file when there is
// one, else the last period's own file or the original base-year file.
FileCheckOutcome CopyPeriodImpedances(const SessionState& session) {
  const std::filesystem::path& app = session.appFolder;
  const std::string run = session.CurrentRunCode();
  const auto original = FilePath(app, files::kOriginalImpedance);
  std::filesystem::path last;  // the source of the last period that had its own file
  for (int p = 1; p <= session.PeriodCount(session.currentRunIndex); ++p) {
    const int year = session.ForecastYear(session.currentRunIndex, p);
    const auto own = PerPeriodPath(app, files::kPeriodImpedance, year, run);
    std::filesystem::path source;
    if (platform::IsUsableFile(own)) {
      source = own;
      last = own;
    } else if (Exists(own)) {
      source = !last.empty() ? last : original;
    } else if (Exists(original)) {
      source = last.empty() ? original : last;
    } else {
      source = FilePath(app, files::kImpedance);
    }
    const auto target = PerPeriodPath(app, files::kPeriodWorkingImpedance, year, run);
    if (!platform::CopyFileReplacing(source, target)) return FileCheckOutcome::NotFound;
  }
  return FileCheckOutcome::Done;
}

}  // namespace

FileCheckOutcome GatherForecastFiles(const SessionState& session) {
  const auto& settings = session.regionSettings;
  FileCheckOutcome outcome =
      CopyCalibrationFiles(session, files::kEmpCalibration, files::kAtrmodEmpCalibration, settings.empCategoryCount);
  if (outcome == FileCheckOutcome::Done) {
    outcome = CopyCalibrationFiles(session, files::kResCalibration, files::kAtrmodResCalibration, settings.hhCategoryCount);
  }
  if (outcome == FileCheckOutcome::Done) {
    outcome = CopyToPeriods(session, FilePath(session.appFolder, files::kCalibDrmEmp), files::kDrmEmp, files::kPeriodDrmEmp);
  }
  if (outcome == FileCheckOutcome::Done) {
    outcome = CopyToPeriods(session, FilePath(session.appFolder, files::kCalibDrmDat), files::kDrmDat, files::kPeriodDrmDat);
  }
  if (outcome != FileCheckOutcome::Done) return outcome;
  if (session.impedanceFileCount == 0) {
    return CopyToPeriods(session, FilePath(session.appFolder, files::kImpedance), files::kWorkingImpedance,
                         files::kPeriodWorkingImpedance);
  }
  return CopyPeriodImpedances(session);
}

FileCheckOutcome RunAttractivenessModification(AppServices& app, const std::function<void()>& serveWindow,
                                               int outputWaitMs) {
  const std::filesystem::path& folder = app.session.appFolder;
  // Not checked: the program reads them when it needs them.
  platform::CopyFileReplacing(inputs::PerCategoryPath(folder, files::kAtrmodEmpCalibration, 1),
                              FilePath(folder, files::kAtrmodEmpRes));
  platform::CopyFileReplacing(inputs::PerCategoryPath(folder, files::kAtrmodResCalibration, 1),
                              FilePath(folder, files::kAtrmodDrmRes));
  inputs::CardContext cards{app.session, app.messages, app.clock};
  struct Side {
    const char* name;
    inputs::ModelFile output;
    inputs::ModelFile working;
    inputs::PerPeriodFile perPeriod;
  };
  const Side sides[] = {{"EMP", files::kAtrmodEmpKFactors, files::kEmpKFactors, files::kPeriodEmpKFactors},
                        {"RES", files::kAtrmodResKFactors, files::kResKFactors, files::kPeriodResKFactors}};
  for (const Side& side : sides) {
    if (!inputs::WriteAtrmodCard(cards, side.name)) return FileCheckOutcome::SystemFailure;
    const auto atrmodFolder = inputs::FolderPath(folder, inputs::ModelFolder::Atrmod);
    const auto output = FilePath(folder, side.output);
    const auto report = FilePath(folder, files::kAtrmodOut);
    // The outputs of an earlier run (or of the other side) must not pass for this run's.
    platform::RemoveFileIfExists(output);
    platform::RemoveFileIfExists(report);
    const platform::ProgramRun run = app.processes.RunAndWait(atrmodFolder, "ATRMODT.EXE", platform::WindowStyle::Hidden);
    if (!run.started) return FileCheckOutcome::SystemFailure;
    // The outputs are awaited for a short while only: the program has ended.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(outputWaitMs);
    while (!(Exists(output) && Exists(report))) {
      if (std::chrono::steady_clock::now() >= deadline) return FileCheckOutcome::SystemFailure;
      if (serveWindow) serveWindow();
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!platform::IsUsableFile(output) || !platform::IsUsableFile(report)) return FileCheckOutcome::SystemFailure;
    const FileCheckOutcome copied = CopyToPeriods(app.session, output, side.working, side.perPeriod);
    if (copied != FileCheckOutcome::Done) return copied;
  }
  return FileCheckOutcome::Done;
}

FileCheckOutcome RunFileCheck(AppServices& app, const std::function<void()>& serveWindow) {
  FileCheckOutcome outcome = GatherForecastFiles(app.session);
  if (outcome == FileCheckOutcome::Done) outcome = RunAttractivenessModification(app, serveWindow);
  switch (outcome) {
    case FileCheckOutcome::Done: return outcome;
    case FileCheckOutcome::ReadError: app.messages.Show(kReadErrorMessage, "Troubleshoot"); break;
    case FileCheckOutcome::NotFound: app.messages.Show(kNotFoundMessage, "Troubleshoot"); break;
    case FileCheckOutcome::SystemFailure: app.messages.Show(kSystemFailureMessage, "Troubleshoot"); break;
  }
  return outcome;
}

}  // namespace forecast::runs
