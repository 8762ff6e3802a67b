#include "inputs/emp_check_list.h"

#include "inputs/region_files.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace forecast::inputs {

std::optional<EmpGroupCounts> ParseEmpCheckList(const std::vector<std::string>& lines) {
  if (lines.size() < 8 || lines.size() > kMaxTextLines) return std::nullopt;
  EmpGroupCounts counts{};
  for (size_t k = 1; k <= 8; ++k) {
    const std::string& line = lines[k - 1];
    const size_t colon = line.find(':');
    const std::string value = colon == std::string::npos ? line : line.substr(colon + 1);
    // Whole numbers round a half to even, as the suite's conversion to a 16-bit number does.
    const double number = std::nearbyint(platform::LeadingNumber(platform::Trim(value)));
    if (number < std::numeric_limits<std::int16_t>::min() || number > std::numeric_limits<std::int16_t>::max()) {
      return std::nullopt;
    }
    counts[k] = static_cast<int>(number);
  }
  return counts;
}

std::optional<EmpGroupCounts> LoadEmpCheckList(const std::filesystem::path& appFolder) {
  const auto lines = platform::ReadTextLines(RegionFile(appFolder, kEmpCheckListFile));
  if (!lines) return std::nullopt;
  return ParseEmpCheckList(*lines);
}

}  // namespace forecast::inputs
