#include "impedance/converter_statistics.h"

#include "platform/text.h"

namespace forecast::impedance {

namespace {

constexpr size_t kLabelWidth = 8;
constexpr size_t kFieldWidth = 8;

std::string Line(const std::vector<std::string>& lines, size_t number) {
  return number <= lines.size() ? lines[number - 1] : std::string();
}

std::string ValueAfterEquals(const std::string& line) {
  const size_t equals = line.find('=');
  return platform::Trim(equals == std::string::npos ? line : line.substr(equals + 1));
}

bool ReadBlockRow(const std::string& line, std::array<std::string, 4>* row) {
  for (size_t field = 0; field < 4; ++field) {
    const size_t start = kLabelWidth + field * kFieldWidth;
    (*row)[field] = start < line.size() ? platform::Trim(line.substr(start, kFieldWidth)) : std::string();
  }
  const size_t end = kLabelWidth + 4 * kFieldWidth;
  return end >= line.size() || platform::Trim(line.substr(end)).empty();
}

}  // namespace

std::optional<ImpedanceCheckValues> ParseConverterStatistics(const std::vector<std::string>& lines,
                                                             std::string* error) {
  ImpedanceCheckValues values;
  values.smallest = ValueAfterEquals(Line(lines, 1));
  values.largest = ValueAfterEquals(Line(lines, 2));
  values.average = ValueAfterEquals(Line(lines, 3));
  for (size_t row = 0; row < 4; ++row) {
    for (auto [block, first] : {std::pair{&values.top, size_t{4}}, std::pair{&values.bottom, size_t{8}}}) {
      if (!ReadBlockRow(Line(lines, first + row), &(*block)[row])) {
        if (error) *error = "Line " + std::to_string(first + row) + " holds more than four values.";
        return std::nullopt;
      }
    }
  }
  return values;
}

}  // namespace forecast::impedance
