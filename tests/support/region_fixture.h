#pragma once

#include "core/session_state.h"
#include "inputs/demo_region.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace forecast::testing {

// A demo region written into a temporary application folder.
class DemoRegionFolder {
 public:
  explicit DemoRegionFolder(const inputs::DemoRegionOptions& options = SmallOptions());
  const std::filesystem::path& Path() const { return dir_.Path(); }
  // A file below the folder, by a relative path with backslashes.
  std::filesystem::path File(const std::string& relative) const;
  // Rewrites a text file of the region with these lines.
  void WriteLines(const std::string& relative, const std::vector<std::string>& lines) const;
  std::vector<std::string> ReadLines(const std::string& relative) const;

  static inputs::DemoRegionOptions SmallOptions();

 private:
  TempDir dir_;
};

}  // namespace forecast::testing
