#include "support/region_fixture.h"

#include "platform/app_path.h"
#include "platform/text_file.h"

#include <stdexcept>

namespace forecast::testing {

inputs::DemoRegionOptions DemoRegionFolder::SmallOptions() {
  inputs::DemoRegionOptions options;
  options.zones = 12;
  return options;
}

DemoRegionFolder::DemoRegionFolder(const inputs::DemoRegionOptions& options) {
  std::string error;
  if (!inputs::WriteDemoRegion(dir_.Path(), options, &error)) throw std::runtime_error(error);
}

std::filesystem::path DemoRegionFolder::File(const std::string& relative) const {
  return platform::ResolveAppPath(dir_.Path(), relative);
}

void DemoRegionFolder::WriteLines(const std::string& relative, const std::vector<std::string>& lines) const {
  if (!platform::WriteTextLines(File(relative), lines)) throw std::runtime_error("cannot write " + relative);
}

std::vector<std::string> DemoRegionFolder::ReadLines(const std::string& relative) const {
  auto lines = platform::ReadTextLines(File(relative));
  return lines ? *lines : std::vector<std::string>{};
}

}  // namespace forecast::testing
