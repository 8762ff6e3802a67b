#include "inputs/region_settings.h"

#include "inputs/region_files.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <charconv>

namespace forecast::inputs {

using platform::Trim;

const std::vector<std::string>& SettingsKeys() {
  static const std::vector<std::string> keys = {
      "The name of the region: ",
      "The Number of Zones: ",
      "The total region population: ",
      "The current data year: ",
      "The lag data year: ",
      "The Current year employment types available: ",
      "The Lag year employment types available: ",
      "The number of employment categories: ",
      "The employment categories:",
      "The Current year household types available: ",
      "The Lag year household types available: ",
      "The number of household categories: ",
      "The household categories:",
      "The total land area of the region: ",
      "The land use types checked off:",
      "The number of forecast time periods: ",
      "The employment to household conversion ratio: ",
      "The employment per household by income category ratio: ",
      "The Unemployment rates: ",
      "The net commutation rate: ",
      "The option chose for RJPE: ",
      "Total number of reported jobs: ",
      "Total number of reported number of persons employed: ",
      "The ratio of jobs to persons employed: ",
      "The employment categories do or don't match: ",
  };
  return keys;
}

std::string SettingsValue(const std::string& line) {
  const size_t colon = line.find(':');
  if (colon == std::string::npos) return Trim(line);
  return Trim(std::string_view(line).substr(colon + 1));
}

std::array<std::string, 9> SplitSettingsList(const std::string& value) {
  std::array<std::string, 9> slots;
  std::string remaining = value;
  for (int slot = 1; slot <= 7; ++slot) {
    const size_t comma = remaining.find(',');
    if (comma == std::string::npos) continue;
    slots[static_cast<size_t>(slot)] = Trim(std::string_view(remaining).substr(0, comma));
    remaining = remaining.substr(comma + 1);
  }
  slots[8] = Trim(remaining);
  // Eight names each followed by a comma would leave "name," in the last slot,
  // a name no result field carries; the comma after the eighth name is dropped.
  if (!slots[8].empty() && slots[8].back() == ',' && slots[8].find(',') == slots[8].size() - 1) {
    slots[8] = Trim(std::string_view(slots[8]).substr(0, slots[8].size() - 1));
  }
  return slots;
}

namespace {
std::optional<std::int16_t> ToInt16(const std::string& text) {
  std::int16_t value = 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}
}  // namespace

SettingsResult ParseSettings(const std::vector<std::string>& lines) {
  SettingsResult result;
  if (lines.size() > kMaxSettingsLines) {
    result.error = "settings.txt has more than 99 lines.";
    return result;
  }
  RegionSettings& s = result.settings;
  for (size_t index = 1; index < lines.size(); ++index) {
    const int lineNumber = static_cast<int>(index) + 1;
    const std::string value = SettingsValue(lines[index]);
    if (value.empty()) continue;
    switch (lineNumber) {
      case 2: s.regionName = value; break;
      case 3: s.zoneCount = value; break;
      case 4: s.regionPopulation = value; break;
      case 5: s.currentDataYear = value; break;
      case 6: s.lagDataYear = value; break;
      case 7: s.availabilityLines[0] = value; break;
      case 8: s.availabilityLines[1] = value; break;
      case 9:
      case 13: {
        const auto count = ToInt16(value);
        if (!count) {
          result.error = "Line " + std::to_string(lineNumber) + " of settings.txt must be a whole number, not \"" + value + "\".";
          return result;
        }
        (lineNumber == 9 ? s.empCategoryCount : s.hhCategoryCount) = *count;
        break;
      }
      case 10: s.empCategoryNames = SplitSettingsList(value); break;
      case 11: s.availabilityLines[2] = value; break;
      case 12: s.availabilityLines[3] = value; break;
      case 14: s.hhCategoryNames = SplitSettingsList(value); break;
      case 15: s.landArea = value; break;
      case 16: s.landUseTypes = SplitSettingsList(value); break;
      case 17: s.forecastPeriodCount = value; break;
      case 18: s.empToHhRatio = value; break;
      case 19: s.empPerHhByIncomeRatio = value; break;
      case 20: s.unemploymentRates = value; break;
      case 21: s.netCommutationRate = value; break;
      case 22: s.rjpeOption = value; break;
      case 23: s.reportedJobs = value; break;
      case 24: s.reportedPersonsEmployed = value; break;
      case 25: s.jobsToPersonsRatio = value; break;
      case 26: s.empCategoriesMatch = value; break;
      default: break;
    }
  }
  result.ok = true;
  return result;
}

SettingsResult LoadSettings(const std::filesystem::path& appFolder) {
  const auto lines = platform::ReadTextLines(RegionFile(appFolder, kSettingsFile));
  if (!lines) {
    SettingsResult missing;
    missing.error = "The region settings file VORAN_SYS\\settings.txt is missing or cannot be read.";
    return missing;
  }
  return ParseSettings(*lines);
}

}  // namespace forecast::inputs
