#pragma once

#include "inputs/demo_region.h"

#include <filesystem>
#include <string>
#include <vector>

namespace forecast {

// What the command line asks for.
struct CommandLine {
  enum class Action { OpenWizard, MakeDemo, Help, Version, Error };
  Action action = Action::OpenWizard;
  std::filesystem::path appFolder;     // empty: the folder of the executable
  bool writeDemoFirst = false;         // --demo: write the demo region when the folder has none
  inputs::DemoRegionOptions demo;
  std::string error;                   // with Action::Error
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

std::string UsageText();

// True when the folder already holds a region (its settings file).
bool HoldsRegion(const std::filesystem::path& appFolder);

}  // namespace forecast
