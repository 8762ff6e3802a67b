#include "core/command_line.h"

#include "inputs/region_files.h"

#include "platform/text.h"

#include <charconv>

namespace forecast {

namespace {

bool ParseCount(const std::string& text, int low, int high, int* out) {
  int value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size() || value < low || value > high) return false;
  *out = value;
  return true;
}

CommandLine Fail(std::string message) {
  CommandLine line;
  line.action = CommandLine::Action::Error;
  line.error = std::move(message);
  return line;
}

bool ParseYear(const std::string& text, int* year) { return ParseCount(text, 1000, 9999, year); }

}  // namespace

bool ParseConstraintList(const std::string& text, std::vector<ConstraintChoice>* choices, std::string* error) {
  for (const std::string& item : platform::Split(text, ',')) {
    const std::vector<std::string> parts = platform::Split(platform::Trim(item), ':');
    ConstraintChoice choice;
    if (parts.size() != 3 || !ParseCount(parts[0], 1, 4, &choice.type) || !ParseYear(parts[2], &choice.year)) {
      *error = "--constraints takes TYPE:GROUP:YEAR items separated by commas, TYPE 1 to 4, not \"" + item + "\".";
      return false;
    }
    if (platform::EqualsNoCase(parts[1], "Employee")) {
      choice.group = "Employee";
    } else if (platform::EqualsNoCase(parts[1], "Household")) {
      choice.group = "Household";
    } else {
      *error = "The group of a constraint is Employee or Household, not \"" + parts[1] + "\".";
      return false;
    }
    choices->push_back(choice);
  }
  return true;
}

std::string UsageText() {
  return "Usage:\n"
         "  forecast                       open the wizard on the region beside the program\n"
         "  forecast --project DIR         open the wizard on the region in DIR\n"
         "  forecast --demo DIR            write the demo region into DIR if it holds none, then open it\n"
         "  forecast make-demo DIR         write the demo region into the empty folder DIR and exit\n"
         "  forecast batch --project DIR [--run CODE] [--constraints LIST] [--impedance-years LIST]\n"
         "                                 run the whole forecast of a run without the wizard\n"
         "  forecast report --project DIR --run CODE --period N [--pdf FILE]\n"
         "                                 print the review report of a run and period\n"
         "\n"
         "Demo region size (with --demo or make-demo):\n"
         "  --zones N                      1 to 499 zones (default 120)\n"
         "  --employment-categories E      4 to 8 (default 5)\n"
         "  --household-categories H       4 to 8 (default 4)\n"
         "\n"
         "Batch:\n"
         "  --run CODE                     make that existing run the current one first\n"
         "  --constraints LIST             constraint types to use, as TYPE:GROUP:YEAR,... (1:Employee:2010)\n"
         "  --impedance-years LIST         take in forecast-year impedance files for these years (2010,2020)\n"
         "\n"
         "  --help                         show this text\n"
         "  --version                      show the version\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool sizeGiven = false;
  bool demoAction = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    const auto value = [&](std::string* out) {
      if (i + 1 >= arguments.size()) return false;
      *out = arguments[++i];
      return true;
    };
    std::string text;
    if (word == "--help" || word == "-h") {
      line.action = CommandLine::Action::Help;
      return line;
    } else if (word == "--version") {
      line.action = CommandLine::Action::Version;
      return line;
    } else if (word == "--project" || word == "--demo") {
      if (!value(&text) || text.empty()) return Fail(word + " needs a folder.");
      if (!line.appFolder.empty()) return Fail("Give only one region folder.");
      line.appFolder = text;
      line.writeDemoFirst = word == "--demo";
      demoAction = demoAction || line.writeDemoFirst;
    } else if ((word == "batch" || word == "report") && i == 0) {
      line.action = word == "batch" ? CommandLine::Action::Batch : CommandLine::Action::Report;
    } else if (word == "--run" && line.action != CommandLine::Action::OpenWizard) {
      if (!value(&line.runCode) || line.runCode.empty()) return Fail("--run needs a run code.");
    } else if (word == "--constraints" && line.action == CommandLine::Action::Batch) {
      if (!value(&text)) return Fail("--constraints needs a list.");
      std::string why;
      if (!ParseConstraintList(text, &line.constraints, &why)) return Fail(why);
    } else if (word == "--impedance-years" && line.action == CommandLine::Action::Batch) {
      if (!value(&text)) return Fail("--impedance-years needs a list of years.");
      for (const std::string& item : platform::Split(text, ',')) {
        int year = 0;
        if (!ParseYear(platform::Trim(item), &year)) return Fail("--impedance-years takes years such as 2010,2020.");
        line.impedanceYears.push_back(year);
      }
    } else if (word == "--period" && line.action == CommandLine::Action::Report) {
      if (!value(&text) || !ParseCount(text, 1, 10, &line.period)) return Fail("--period takes a number from 1 to 10.");
    } else if (word == "--pdf" && line.action == CommandLine::Action::Report) {
      if (!value(&text) || text.empty()) return Fail("--pdf needs a file name.");
      line.pdfFile = text;
    } else if (word == "make-demo" && i == 0) {
      if (!value(&text) || text.empty() || text.rfind("--", 0) == 0) return Fail("make-demo needs a folder.");
      line.action = CommandLine::Action::MakeDemo;
      line.appFolder = text;
      demoAction = true;
    } else if (word == "--zones") {
      if (!value(&text) || !ParseCount(text, 1, 499, &line.demo.zones)) return Fail("--zones takes a number from 1 to 499.");
      sizeGiven = true;
    } else if (word == "--employment-categories") {
      if (!value(&text) || !ParseCount(text, 4, 8, &line.demo.employmentCategories)) {
        return Fail("--employment-categories takes a number from 4 to 8.");
      }
      sizeGiven = true;
    } else if (word == "--household-categories") {
      if (!value(&text) || !ParseCount(text, 4, 8, &line.demo.householdCategories)) {
        return Fail("--household-categories takes a number from 4 to 8.");
      }
      sizeGiven = true;
    } else {
      return Fail("Unknown option or argument: " + word);
    }
  }
  if (sizeGiven && !demoAction) return Fail("--zones and the category counts go with --demo or make-demo.");
  if (line.action == CommandLine::Action::Batch || line.action == CommandLine::Action::Report) {
    if (line.appFolder.empty() || line.writeDemoFirst) return Fail("batch and report need --project DIR.");
  }
  if (line.action == CommandLine::Action::Report && (line.runCode.empty() || line.period == 0)) {
    return Fail("report needs --run CODE and --period N.");
  }
  return line;
}

bool HoldsRegion(const std::filesystem::path& appFolder) {
  std::error_code ec;
  return std::filesystem::exists(inputs::RegionFile(appFolder, inputs::kSettingsFile), ec);
}

}  // namespace forecast
