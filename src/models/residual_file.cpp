#include "models/residual_file.h"

#include <cmath>

#include "models/model_error.h"
#include "models/model_text.h"

namespace forecast::models {

std::vector<ResidualRow> ParseResidualLines(const std::vector<std::string>& lines, const std::string& fileName) {
  std::vector<ResidualRow> rows;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string> values = SplitValues(lines[i]);
    if (values.empty()) continue;
    const std::string where = fileName + " line " + std::to_string(i + 1);
    if (values.size() < 3) throw ModelInputError(where + ": a zone line needs the zone, the observed and the estimated value.");
    const std::optional<double> zone = ReadNumber(values[0]);
    const std::optional<double> observed = ReadNumber(values[1]);
    const std::optional<double> estimated = ReadNumber(values[2]);
    if (!zone || *zone != std::floor(*zone) || *zone < 1 || *zone > 1e6) throw ModelInputError(where + ": \"" + values[0] + "\" is not a zone number.");
    if (!observed || *observed < 0) throw ModelInputError(where + ": the observed value \"" + values[1] + "\" is not a number of zero or more.");
    if (!estimated || *estimated < 0) throw ModelInputError(where + ": the estimate \"" + values[2] + "\" is not a number of zero or more.");
    rows.push_back({static_cast<int>(*zone), *observed, *estimated});
  }
  return rows;
}

std::vector<std::string> ResidualLines(const std::vector<ResidualRow>& rows) {
  std::vector<std::string> lines;
  for (const ResidualRow& row : rows) {
    const double difference = row.observed - row.estimated;
    const double relative = row.observed > 0 ? difference / row.observed : 0.0;
    lines.push_back(std::to_string(row.zone) + " " + PlainDecimal(row.observed) + " " + PlainDecimal(row.estimated) + " " +
                    PlainDecimal(difference) + " " + Decimals(relative, 4));
  }
  return lines;
}

}  // namespace forecast::models
