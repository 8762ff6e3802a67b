#include "core/command_line.h"

#include "inputs/region_files.h"

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

}  // namespace

std::string UsageText() {
  return "Usage:\n"
         "  forecast                       open the wizard on the region beside the program\n"
         "  forecast --project DIR         open the wizard on the region in DIR\n"
         "  forecast --demo DIR            write the demo region into DIR if it holds none, then open it\n"
         "  forecast make-demo DIR         write the demo region into the empty folder DIR and exit\n"
         "\n"
         "Demo region size (with --demo or make-demo):\n"
         "  --zones N                      1 to 499 zones (default 120)\n"
         "  --employment-categories E      4 to 8 (default 5)\n"
         "  --household-categories H       4 to 8 (default 4)\n"
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
  return line;
}

bool HoldsRegion(const std::filesystem::path& appFolder) {
  std::error_code ec;
  return std::filesystem::exists(inputs::RegionFile(appFolder, inputs::kSettingsFile), ec);
}

}  // namespace forecast
