#include "models/atrmod_program.h"

#include "models/model_file_names.h"
#include "models/model_files.h"
#include "models/model_program.h"
#include "models/model_text.h"
#include "models/report_lines.h"

namespace forecast::models {

std::vector<std::string> AtrmodReport(const AtrmodCard& card, const AttractivenessModification& result) {
  ReportLines report;
  const bool employment = card.side == KFactorSide::Employment;
  report.Line(std::string("ATRMOD attractiveness modification, ") + (employment ? "employment" : "households"));
  report.Line("Zones: " + std::to_string(card.zoneCount) + "   Categories: " + std::to_string(card.categoryCount));
  report.Line("ATRMOD_RUN " + std::to_string(card.run) + "   RES_4_DRAM " + std::to_string(static_cast<int>(card.side)) +
              "   ATTEN_FACTOR " + PlainDecimal(card.attenuation) + "   RES_SOURCE " + card.residualSource + " and MOD_PROCEDURE " +
              card.procedure + " (recorded, not used)");
  report.Line("K = (observed / estimated) ^ ATTEN_FACTOR, kept within " + PlainDecimal(kLowestKFactor) + " and " +
              PlainDecimal(kHighestKFactor) + "; 1 where the estimate is 0 or the zone is not in the file.");
  report.Heading("K-factors by category");
  const std::vector<size_t> widths = {10, 30, 8, 8, 10, 10};
  report.Row({"Category", "Residual file", "Zones", "Bounded", "Smallest", "Largest"}, widths);
  for (size_t k = 0; k < result.categories.size(); ++k) {
    const KFactorCategorySummary& s = result.categories[k];
    report.Row({std::to_string(k + 1), s.source, std::to_string(s.zonesRead), std::to_string(s.zonesBounded), Decimals(s.smallest, 4),
                Decimals(s.largest, 4)},
               widths);
  }
  report.Heading("Output");
  report.Line(std::string(KFactorFileName(card.side)) + ": K-factors of " + std::to_string(card.categoryCount) + " categories in " +
              std::to_string(card.zoneCount) + " zones.");
  return report.Lines();
}

bool RunAtrmodProgram(const std::filesystem::path& folder, std::string* error) {
  // The card says which side's file is the output; the other side's file stays.
  std::vector<std::string> outputs = {names::kAtrmodReport};
  return RunModelStep(folder, outputs, [&] {
    const AtrmodCard card = ParseAtrmodCard(ReadInputLines(folder, names::kAtrmodCard), names::kAtrmodCard);
    const std::string output = KFactorFileName(card.side);
    RemoveOutput(folder, output);
    const auto lookup = [&](const std::string& name) -> std::optional<std::vector<std::string>> {
      if (!FindInFolder(folder, name)) return std::nullopt;
      return ReadInputLines(folder, name);
    };
    try {
      const AttractivenessModification result = ModifyAttractiveness(card, lookup);
      WriteKFactorTable(folder / output, result.table);
      WriteOutputLines(folder / names::kAtrmodReport, AtrmodReport(card, result));
    } catch (...) {
      RemoveOutput(folder, output);
      throw;
    }
  }, error);
}

}  // namespace forecast::models
