#include "inputs/card_lines.h"
#include "inputs/card_text.h"
#include "inputs/data_file_catalogue.h"
#include "inputs/model_cards.h"

namespace forecast::inputs {

bool WriteAtrmodCard(CardContext& context, std::string_view side) {
  const SessionState& session = context.session;
  const std::string what = "ATRMOD card for the side " + std::string(side);
  return card::WriteCard(context.messages, FilePath(session.appFolder, files::kAtrmodCard), what,
                         [&](std::vector<std::string>& lines) {
    const bool employment = side == "EMP";
    if (employment || side == "RES") {
      const TextRecord& switches = employment ? session.empAtrmodParameters : session.resAtrmodParameters;
      const int categories = employment ? session.regionSettings.empCategoryCount : session.regionSettings.hhCategoryCount;
      std::string line = PadLeft(session.regionSettings.zoneCount, 4) + PadLeft(switches.Get("ATRMOD_RUN"), 4) +
                         PadLeft(switches.Get("RES_4_DRAM"), 4) + PadLeft(std::to_string(categories), 4) +
                         PadLeft(switches.Get("RES_SOURCE"), 4) + PadLeft(switches.Get("MOD_PROCEDURE"), 4) +
                         PadLeft(switches.Get("ATTEN_FACTOR"), 7);
      for (int k = 1; k <= 8; ++k) line += PadLeft(switches.Get("INPUT_FILE" + std::to_string(k)), k < 8 ? 4 : 5);
      lines.push_back(line);
    }
    lines.emplace_back();
  });
}

}  // namespace forecast::inputs
