#pragma once

#include "fake_models.h"
#include "inputs/data_file_catalogue.h"
#include "support/fakes.h"
#include "support/region_fixture.h"

#include <filesystem>
#include <string>

namespace forecast::testing {

// The demo region started up as the wizard starts it, with stand-ins for the
// model programs.
class RunRegion {
 public:
  explicit RunRegion(int periods = 3);

  const std::filesystem::path& Path() const { return region.Path(); }
  int Year(int period) const { return app.session.ForecastYear(app.session.currentRunIndex, period); }
  std::filesystem::path File(const inputs::ModelFile& file) const;
  std::filesystem::path Period(const inputs::PerPeriodFile& file, int period) const;
  std::filesystem::path Period(const inputs::PerPeriodFile& file, int period, inputs::ModelFolder folder) const;

  // What GO on P7_3 and Continue on p7_7 leave for the forecast, made with the stand-ins.
  void PrepareForecast();

  DemoRegionFolder region;
  FakeApp app;
  FakeModels models{app.processes};
};

inputs::DemoRegionOptions DemoOptions(int periods);

}  // namespace forecast::testing
