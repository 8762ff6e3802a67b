#include "models/report_lines.h"

#include "models/model_text.h"

namespace forecast::models {

void ReportLines::Heading(const std::string& text) {
  lines_.emplace_back();
  lines_.push_back(text);
  lines_.push_back(std::string(text.size(), '-'));
}

void ReportLines::Line(const std::string& text) { lines_.push_back(text); }

void ReportLines::Row(const std::vector<std::string>& cells, const std::vector<size_t>& widths) {
  std::string line;
  for (size_t i = 0; i < cells.size(); ++i) {
    const size_t width = i < widths.size() ? widths[i] : 12;
    if (i == 0) line += LeftAligned(cells[i], width);
    else line += " " + RightAligned(cells[i], width);
  }
  lines_.push_back(line.substr(0, line.find_last_not_of(' ') + 1));
}

}  // namespace forecast::models
