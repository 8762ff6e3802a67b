#include "results_fixture.h"

#include "core/startup.h"
#include "inputs/demo_region.h"
#include "platform/app_path.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <stdexcept>

namespace forecast::testing {

namespace {
inputs::DemoRegionOptions Options(int periods, int zones) {
  inputs::DemoRegionOptions options = DemoRegionFolder::SmallOptions();
  options.periods = periods;
  options.zones = zones;
  return options;
}

std::string Join(const std::vector<double>& values) {
  std::string line;
  for (size_t i = 0; i < values.size(); ++i) line += (i ? "," : "") + platform::FormatShortest(values[i]);
  return line;
}
}  // namespace

ForecastedRegion::ForecastedRegion(int periods, int zones) : region(Options(periods, zones)) {
  const StartupResult started = RunStartup(session, region.Path());
  if (!started.ok) throw std::runtime_error(started.error);
  for (int p = 1; p <= periods; ++p) WriteForecastFiles(p, EmploymentLines(p), HouseholdLines(p));
}

std::vector<std::string> ForecastedRegion::EmploymentLines(int period) const {
  const inputs::DemoRegion demo = inputs::BuildDemoRegion(Options(session.runTypePeriodCounts[1], static_cast<int>(platform::LeadingNumber(session.regionSettings.zoneCount))));
  std::vector<std::string> lines;
  for (const inputs::DemoZone& zone : demo.zones) {
    std::vector<double> values = {static_cast<double>(zone.number)};
    double total = 0;
    for (size_t k = 0; k < 8; ++k) {
      const double v = k < zone.employment.size() ? zone.employment[k] * Growth(period) : 0.0;
      values.push_back(v);
      total += v;
    }
    values.push_back(total);
    lines.push_back(Join(values));
  }
  return lines;
}

std::vector<std::string> ForecastedRegion::HouseholdLines(int period) const {
  const inputs::DemoRegion demo = inputs::BuildDemoRegion(Options(session.runTypePeriodCounts[1], static_cast<int>(platform::LeadingNumber(session.regionSettings.zoneCount))));
  std::vector<std::string> lines;
  for (const inputs::DemoZone& zone : demo.zones) {
    const double g = Growth(period);
    std::vector<double> values = {static_cast<double>(zone.number)};
    double total = 0;
    for (size_t k = 0; k < 8; ++k) {
      const double v = k < zone.households.size() ? zone.households[k] * g : 0.0;
      values.push_back(v);
      total += v;
    }
    const double* land = zone.landUse;
    // Development takes vacant land; the other accounts grow with the households.
    const double grown[4] = {land[0] * g, land[1] * g, land[2] * g, land[3] * g};
    const double taken = grown[0] + grown[1] + grown[2] + grown[3] - (land[0] + land[1] + land[2] + land[3]);
    const double vacant = land[4] - taken;
    const double usable = grown[0] + grown[1] + grown[2] + grown[3] + vacant;
    values.insert(values.end(), {total, zone.population * g, zone.employedResidents * g, zone.groupQuartersPopulation * g,
                                 (zone.population * g) / total, land[6], land[5], grown[2], grown[1], grown[0], usable,
                                 grown[3], vacant});
    lines.push_back(Join(values));
  }
  return lines;
}

std::filesystem::path ForecastedRegion::ForecastFile(const std::string& prefix, int period) const {
  const std::string yy = std::to_string(session.ForecastYear(1, period)).substr(2, 2);
  return platform::ResolveAppPath(region.Path(), "\\VORAN_SYS\\FORECASTING\\" + prefix + yy + "BL.TXT");
}

void ForecastedRegion::WriteForecastFiles(int period, const std::vector<std::string>& employment,
                                          const std::vector<std::string>& households) const {
  platform::WriteTextLines(ForecastFile("EMPFCST", period), employment);
  platform::WriteTextLines(ForecastFile("DRMFCST", period), households);
}

}  // namespace forecast::testing
