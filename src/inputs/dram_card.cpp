#include "inputs/card_lines.h"
#include "inputs/card_text.h"
#include "inputs/data_file_catalogue.h"
#include "inputs/emp_check_list.h"
#include "inputs/model_cards.h"
#include "policy/constraint_selection.h"

namespace forecast::inputs {

using namespace card;
using platform::QueryResult;

namespace {

constexpr int kRegionalRows = 8;

// A regional table with at least `rows` rows.
QueryResult RegionalTable(platform::Database& db, const std::string& table, size_t rows, int year) {
  QueryResult result = ReadRequiredTable(db, table);
  if (result.rows.size() < rows) {
    throw CardFailure("the table " + table + " has " + std::to_string(result.rows.size()) + " rows, fewer than the " +
                      std::to_string(rows) + " the card for " + std::to_string(year) + " needs.");
  }
  return result;
}

std::string ColumnName(int k) { return "F" + std::to_string(k); }

// The two lines that split the employment categories into the card's two groups.
void AppendEmploymentGroups(std::vector<std::string>& lines, const EmpGroupCounts& counts, int employment) {
  int first = 0;
  for (int k = 1; k <= 8; ++k) first += counts[static_cast<size_t>(k)];
  std::string firstGroup = PadLeft(std::to_string(first), 3);
  std::string secondGroup = PadLeft(std::to_string(employment - first), 3);
  for (int i = 1; i <= 8; ++i) {
    firstGroup += PadLeft(i <= first ? FormatTwoDigits(i) : "00", 3);
    secondGroup += PadLeft(first + i <= employment ? FormatTwoDigits(first + i) : "00", 3);
  }
  lines.push_back(firstGroup);
  lines.push_back(secondGroup);
}

}  // namespace

bool WriteDramCard(CardContext& context, int year, int period) {
  SessionState& session = context.session;
  const std::string runCode = session.CurrentRunCode();
  const std::string what = "DRAM card for " + std::to_string(year);
  std::string netCommutationRate;
  std::string rjpeOption;
  const bool written = WriteCard(context.messages, PerPeriodPath(session.appFolder, files::kDramCard, year, runCode),
                                 what, [&](std::vector<std::string>& lines) {
    const CardStart start = BeginCard(session, year, period);
    const int employment = start.employment;
    const int households = start.households;
    const int code = policy::ConstraintTypeCode(session, year, policy::ConstraintGroup::Household);

    const TextRecord& switches = session.dramCardParameters;
    std::string header = PadLeft(session.regionSettings.zoneCount, 5) + PadLeft(std::to_string(households), 5) +
                         PadLeft(std::to_string(employment), 5) + PadLeft(switches.Get("TRIP_GEN"), 5) +
                         PadLeft(std::to_string(code), 5);
    for (const char* name : {"IFKK", "IFLAND", "KFAC_ATT", "IEQSLN", "LUIT", "ITRHH"}) {
      header += PadLeft(switches.Get(name), 5);
    }
    header += PadLeft(FormatDecimals(platform::Value(switches.Get("BET4")), 3), 7) +
              PadLeft(switches.Get("ILAGV"), 4) + PadLeft(switches.Get("IEXTV"), 4);
    lines.push_back(header);
    AppendHeadingLines(lines, session, context.clock, start);

    std::vector<QueryResult> tables;
    for (int k = 1; k <= households; ++k) tables.push_back(ReadRequiredTable(start.parameters, "parmsh" + std::to_string(k)));
    const auto cell = [&](int k, const std::string& column, int width) {
      const std::string table = "parmsh" + std::to_string(k);
      return PadLeft(FormatDecimals(ColumnOf(tables[static_cast<size_t>(k - 1)], 0, column, table), 4), width);
    };

    for (int k = 1; k <= households; ++k) {
      std::string line;
      if (FirstParameterRow(tables[static_cast<size_t>(k - 1)], context.messages)) {
        line = cell(k, "Alpha", 15);
        for (const char* column : {"Beta", "VacDev", "PerDev", "ResLand"}) line += cell(k, column, 10);
      }
      lines.push_back(line);
    }
    for (int k = 1; k <= households; ++k) {
      if (!FirstParameterRow(tables[static_cast<size_t>(k - 1)], context.messages)) continue;
      // More than five coefficients continue on a second line, which starts wide again.
      std::string line;
      for (int h = 1; h <= households; ++h) {
        if (h == 6) {
          lines.push_back(line);
          line.clear();
        }
        line += cell(k, "HH" + std::to_string(h), h == 1 || h == 6 ? 15 : 10);
      }
      lines.push_back(line);
    }
    for (int k = 1; k <= households; ++k) {
      lines.push_back(FirstParameterRow(tables[static_cast<size_t>(k - 1)], context.messages) ? cell(k, "LagHH", 15)
                                                                                              : std::string());
    }

    for (const auto& [first, last] : {std::pair{1, 7}, std::pair{8, 13}, std::pair{14, 19}}) {
      std::string line;
      for (int i = first; i <= last; ++i) line += PadLeft(session.regressionValues[static_cast<size_t>(i)], 10);
      lines.push_back(line);
    }

    if (const std::optional<EmpGroupCounts> counts = LoadEmpCheckList(session.appFolder)) {
      AppendEmploymentGroups(lines, *counts, employment);
    }

    const QueryResult unemployment = RegionalTable(start.inputs, "UN_EMP", kRegionalRows, year);
    std::string line;
    for (int e = 1; e <= employment; ++e) {
      line += PadLeft(FormatDecimals(ColumnOf(unemployment, static_cast<size_t>(e - 1), "F1", "UN_EMP"), 4), 8);
    }
    lines.push_back(line);

    const QueryResult workers = RegionalTable(start.inputs, "REG_EMP", 1, year);
    line.clear();
    for (int h = 1; h <= households; ++h) {
      line += PadLeft(FormatDecimals(ColumnOf(workers, 0, ColumnName(h), "REG_EMP"), 4), 8);
    }
    lines.push_back(line);

    const QueryResult conversion = RegionalTable(start.inputs, "CONV_MATRIX", kRegionalRows, year);
    for (int e = 1; e <= employment; ++e) {
      line.clear();
      for (int h = 1; h <= households; ++h) {
        line += PadLeft(FormatDecimals(ColumnOf(conversion, static_cast<size_t>(e - 1), ColumnName(h), "CONV_MATRIX"), 4), 8);
      }
      lines.push_back(line);
    }

    const QueryResult commuting = RegionalTable(start.inputs, "REG_COMMUTING", 2, year);
    const platform::Value& netCommutation = ColumnOf(commuting, 0, "F1", "REG_COMMUTING");
    const platform::Value& rjpe = ColumnOf(commuting, 1, "F1", "REG_COMMUTING");
    lines.push_back(PadLeft(FormatDecimals(netCommutation, 3), 10) + PadLeft(FormatDecimals(rjpe, 3), 10));
    netCommutationRate = netCommutation.ToText();
    rjpeOption = rjpe.ToText();

    const QueryResult projection = ProjectionRow(start.inputs, runCode, year);
    lines.push_back(PadLeft(ColumnOf(projection, 0, "F2", "Projections_" + runCode).ToText(), 15));

    AppendConstraintBlocks(lines, start.inputs, policy::ConstraintGroup::Household, year, code);
  });
  // The models read the commuting values from the card; the session follows them.
  if (written) {
    session.regionSettings.netCommutationRate = netCommutationRate;
    session.regionSettings.rjpeOption = rjpeOption;
  }
  return written;
}

}  // namespace forecast::inputs
