#include "run_region.h"

#include "core/startup.h"
#include "runs/file_check.h"
#include "runs/forecast_run.h"

#include <stdexcept>

namespace forecast::testing {

inputs::DemoRegionOptions DemoOptions(int periods) {
  inputs::DemoRegionOptions options = DemoRegionFolder::SmallOptions();
  options.periods = periods;
  return options;
}

RunRegion::RunRegion(int periods) : region(DemoOptions(periods)) {
  const StartupResult started = RunStartup(app.session, region.Path());
  if (!started.ok) throw std::runtime_error(started.error);
}

std::filesystem::path RunRegion::File(const inputs::ModelFile& file) const { return inputs::FilePath(Path(), file); }

std::filesystem::path RunRegion::Period(const inputs::PerPeriodFile& file, int period) const {
  return inputs::PerPeriodPath(Path(), file, Year(period), app.session.CurrentRunCode());
}

std::filesystem::path RunRegion::Period(const inputs::PerPeriodFile& file, int period,
                                        inputs::ModelFolder folder) const {
  return inputs::PerPeriodPath(Path(), file, Year(period), app.session.CurrentRunCode(), folder);
}

void RunRegion::PrepareForecast() {
  if (runs::RunFileCheck(app.services, {}) != runs::FileCheckOutcome::Done) throw std::runtime_error("file check failed");
  if (!runs::WriteAllCards(app.services)) throw std::runtime_error("cards failed");
  if (!runs::CopySettingsForModels(app.session)) throw std::runtime_error("settings copy failed");
  app.messages.shown.clear();
  models.runs.clear();
  app.processes.runs.clear();
}

}  // namespace forecast::testing
