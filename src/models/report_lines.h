#pragma once

#include <string>
#include <vector>

namespace forecast::models {

// The lines of a readable run report (the .OUT files), with simple
// headings and right-aligned table rows.
class ReportLines {
 public:
  void Heading(const std::string& text);
  void Line(const std::string& text = "");
  // Cells right-aligned in their widths; the first cell left-aligned.
  void Row(const std::vector<std::string>& cells, const std::vector<size_t>& widths);
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

}  // namespace forecast::models
