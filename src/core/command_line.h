#pragma once

#include "inputs/demo_region.h"

#include <filesystem>
#include <string>
#include <vector>

namespace forecast {

// A constraint type chosen for a group and a forecast year on the command line.
struct ConstraintChoice {
  int type = 0;       // 1..4
  std::string group;  // "Employee" or "Household"
  int year = 0;
};

// What the command line asks for.
struct CommandLine {
  enum class Action { OpenWizard, MakeDemo, Batch, Report, Help, Version, Error };
  Action action = Action::OpenWizard;
  std::filesystem::path appFolder;     // empty: the folder of the executable
  bool writeDemoFirst = false;         // --demo: write the demo region when the folder has none
  inputs::DemoRegionOptions demo;
  std::string error;                   // with Action::Error

  // batch and report
  std::string runCode;                 // --run
  std::vector<ConstraintChoice> constraints;  // --constraints
  std::vector<int> impedanceYears;     // --impedance-years
  int period = 0;                      // --period
  std::filesystem::path pdfFile;       // --pdf
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// "1:Employee:2010,3:Household:2015"; false with a reason on a bad item.
bool ParseConstraintList(const std::string& text, std::vector<ConstraintChoice>* choices, std::string* error);

std::string UsageText();

// True when the folder already holds a region (its settings file).
bool HoldsRegion(const std::filesystem::path& appFolder);

}  // namespace forecast
