#include "inputs/regression_report.h"

#include "inputs/region_files.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace forecast::inputs {

std::string FormatFourDecimals(const std::string& text) {
  const auto number = platform::ParseNumber(text);
  return number ? platform::FormatFixed(*number, 4) : text;
}

RegressionValues ParseRegressionReport(const std::vector<std::string>& lines) {
  RegressionValues values;
  if (lines.size() > kMaxTextLines) return values;
  static const int kRanges[3][2] = {{17, 23}, {43, 48}, {69, 74}};
  size_t next = 1;
  for (const auto& range : kRanges) {
    for (int lineNumber = range[0]; lineNumber <= range[1]; ++lineNumber, ++next) {
      if (static_cast<size_t>(lineNumber) > lines.size()) continue;
      const std::string& line = lines[static_cast<size_t>(lineNumber) - 1];
      const std::string label = platform::Trim(std::string_view(line).substr(0, std::min<size_t>(21, line.size())));
      if (label.empty()) continue;
      // The colon is looked for in the whole line, the value taken from the label.
      const size_t colon = line.find(':');
      const size_t from = colon == std::string::npos ? 0 : colon + 1;
      const std::string value = from < label.size() ? platform::Trim(std::string_view(label).substr(from)) : std::string();
      values[next] = FormatFourDecimals(value);
    }
  }
  return values;
}

RegressionValues LoadRegressionReport(const std::filesystem::path& appFolder) {
  const auto lines = platform::ReadTextLines(RegionFile(appFolder, kRegressionReportFile));
  if (!lines) return {};
  return ParseRegressionReport(*lines);
}

}  // namespace forecast::inputs
