#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace forecast::inputs {

// The region as settings.txt describes it. Texts stay texts, as read; the two
// category counts are 16-bit numbers. Lists are 1-based, slot 0 unused.
struct RegionSettings {
  std::string regionName;           // line 2
  std::string zoneCount;            // line 3
  std::string regionPopulation;     // line 4
  std::string currentDataYear;      // line 5
  std::string lagDataYear;          // line 6
  std::array<std::string, 4> availabilityLines;  // lines 7, 8, 11, 12
  std::int16_t empCategoryCount = 0;             // line 9
  std::array<std::string, 9> empCategoryNames;   // line 10
  std::int16_t hhCategoryCount = 0;              // line 13
  std::array<std::string, 9> hhCategoryNames;    // line 14
  std::string landArea;                          // line 15
  std::array<std::string, 9> landUseTypes;       // line 16
  std::string forecastPeriodCount;               // line 17
  std::string empToHhRatio;                      // line 18
  std::string empPerHhByIncomeRatio;             // line 19
  std::string unemploymentRates;                 // line 20
  std::string netCommutationRate;                // line 21
  std::string rjpeOption;                        // line 22
  std::string reportedJobs;                      // line 23
  std::string reportedPersonsEmployed;           // line 24
  std::string jobsToPersonsRatio;                // line 25
  std::string empCategoriesMatch;                // line 26
};

// The keys of lines 2 to 26, as the suite writes them.
const std::vector<std::string>& SettingsKeys();

struct SettingsResult {
  bool ok = false;
  std::string error;  // names the file and the line when not ok
  RegionSettings settings;
};

// Reads the settings from their lines (line 1 first).
SettingsResult ParseSettings(const std::vector<std::string>& lines);
// Reads "settings.txt" of the region; a missing file, more than 99 lines or a
// line 9 or 13 that is not a whole number fail.
SettingsResult LoadSettings(const std::filesystem::path& appFolder);

// Splits a list value into 8 slots: each slot takes the text before the next
// comma; slot 8 takes what remains.
std::array<std::string, 9> SplitSettingsList(const std::string& value);

// The value of a settings line: the text after the first colon, trimmed.
std::string SettingsValue(const std::string& line);

}  // namespace forecast::inputs
