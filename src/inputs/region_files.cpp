#include "inputs/region_files.h"

#include "platform/app_path.h"

namespace forecast::inputs {

std::filesystem::path RegionFile(const std::filesystem::path& appFolder, std::string_view name) {
  return platform::ResolveAppPath(appFolder, "\\VORAN_SYS\\" + std::string(name));
}

}  // namespace forecast::inputs
