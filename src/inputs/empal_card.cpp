#include "inputs/card_lines.h"
#include "inputs/card_text.h"
#include "inputs/data_file_catalogue.h"
#include "inputs/model_cards.h"
#include "policy/constraint_selection.h"

namespace forecast::inputs {

using namespace card;

bool WriteEmpalCard(CardContext& context, int year, int period) {
  SessionState& session = context.session;
  const std::string runCode = session.CurrentRunCode();
  const std::string what = "EMPAL card for " + std::to_string(year);
  return WriteCard(context.messages, PerPeriodPath(session.appFolder, files::kEmpalCard, year, runCode), what,
                   [&](std::vector<std::string>& lines) {
    const CardStart start = BeginCard(session, year, period);
    const int employment = start.employment;
    const int households = start.households;
    const int code = policy::ConstraintTypeCode(session, year, policy::ConstraintGroup::Employee);

    const TextRecord& switches = session.empalCardParameters;
    std::string header = PadLeft(session.regionSettings.zoneCount, 5) + PadLeft(std::to_string(employment), 5) +
                         PadLeft(std::to_string(households), 5) + PadLeft(std::to_string(code), 5) +
                         PadLeft(switches.Get("IFKFAC"), 5) + PadLeft(switches.Get("AKFAC"), 5);
    for (const char* name : {"IEX", "NVARX1", "NVARX2", "NDAT1", "NDAT2", "NDAT3", "NDAT4", "NDAT5", "NDAT6", "NDAT7",
                             "NDAT8"}) {
      header += PadLeft(switches.Get(name), 4);
    }
    lines.push_back(header);
    AppendHeadingLines(lines, session, context.clock, start);

    for (int k = 1; k <= employment; ++k) {
      const std::string table = "parmse" + std::to_string(k);
      const platform::QueryResult rows = ReadRequiredTable(start.parameters, table);
      std::string line;
      if (FirstParameterRow(rows, context.messages)) {
        for (const char* column : {"Alpha", "Beta", "Emp", "Land", "Lambda"}) {
          line += PadLeft(FormatDecimals(ColumnOf(rows, 0, column, table), 4), 8);
        }
      }
      lines.push_back(line);
    }

    const platform::QueryResult projection = ProjectionRow(start.inputs, runCode, year);
    std::string projected;
    for (int k = 1; k <= employment; ++k) {
      projected += PadLeft(ColumnOf(projection, 0, "F" + std::to_string(k + 2), "Projections_" + runCode).ToText(), 10);
    }
    lines.push_back(projected);

    AppendConstraintBlocks(lines, start.inputs, policy::ConstraintGroup::Employee, year, code);
  });
}

}  // namespace forecast::inputs
