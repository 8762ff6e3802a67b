#include "models/impd_program.h"

#include "models/impedance_statistics.h"
#include "models/impedance_text.h"
#include "models/model_file_names.h"
#include "models/model_files.h"
#include "models/model_program.h"

namespace forecast::models {

bool RunImpdProgram(const std::filesystem::path& folder, std::string* error) {
  return RunModelStep(folder, {names::kImpedances, names::kImpedanceStatistics}, [&] {
    const ImpedanceMatrix matrix = ParseImpedanceText(ReadInputLines(folder, names::kImpedanceText), names::kImpedanceText);
    WriteImpedanceMatrix(folder / names::kImpedances, matrix);
    // The statistics last: the caller waits for them as the sign that the conversion is done.
    WriteOutputLines(folder / names::kImpedanceStatistics, ImpedanceStatisticsLines(matrix));
  }, error);
}

}  // namespace forecast::models
