#pragma once

// The lines the EMPAL and DRAM cards share, and the reading of their tables.

#include "core/session_state.h"
#include "platform/clock.h"
#include "platform/database.h"
#include "platform/messages.h"
#include "policy/constraint_kinds.h"

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace forecast::inputs::card {

// A card cannot be written; the text says which table and what is wrong.
class CardFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What the EMPAL and DRAM cards of one period start from.
struct CardStart {
  std::string runCode;
  platform::Database& parameters;
  platform::Database& inputs;
  int employment = 0;
  int households = 0;
  std::string periodLabel;
};
// Checks that a run is current, the databases are open and the category
// counts fit a card; throws CardFailure otherwise.
CardStart BeginCard(const SessionState& session, int year, int period);
// Lines 2 to 6 of both cards: title, run, the two category name lines, years.
void AppendHeadingLines(std::vector<std::string>& lines, const SessionState& session, const platform::Clock& clock,
                        const CardStart& start);

// The year before, a hyphen and the year: 2000-2010.
std::string PeriodLabel(const SessionState& session, int year, int period);
// The region name, two blanks and today as month-day-yy without leading zeros.
std::string TitleLine(const SessionState& session, const platform::Clock& clock);
// The run code, a blank and the period label.
std::string RunLine(const SessionState& session, const std::string& periodLabel);
// Six blanks, the year before, six blanks, the year.
std::string YearsLine(const std::string& periodLabel);
// The first count names, 8 characters each.
std::string CategoryNamesLine(const std::array<std::string, 9>& names, int count);
// A category count a card can hold, 1 to 8.
int CheckedCategoryCount(int count, std::string_view kind);

// An open database of the session; throws when it is not open.
platform::Database& RequiredDatabase(const std::unique_ptr<platform::Database>& db, std::string_view name);
// A table that must exist; throws naming the table and the database.
platform::QueryResult ReadRequiredTable(platform::Database& db, std::string_view table);
// A column of a row read from a table; throws naming the table and the column.
const platform::Value& ColumnOf(const platform::QueryResult& rows, size_t row, std::string_view column,
                                std::string_view table);
// The first row of a parameter table; an empty table shows the database
// message and gives nothing, each time it is asked for.
std::optional<platform::Row> FirstParameterRow(const platform::QueryResult& table, platform::MessageSink& messages);
// The projection row of a year in Projections_ + run code.
platform::QueryResult ProjectionRow(platform::Database& db, const std::string& runCode, int year);

// For each type 1 to 4 in force under the code: the count line and the rows.
void AppendConstraintBlocks(std::vector<std::string>& lines, platform::Database& db, policy::ConstraintGroup group,
                            int year, int code);

// Builds a card with `build` and writes it; reports a failure as described in
// model_cards.h and leaves no card of that name.
template <typename Build>
bool WriteCard(platform::MessageSink& messages, const std::filesystem::path& file, const std::string& what,
               Build&& build);
bool FinishCard(platform::MessageSink& messages, const std::filesystem::path& file, const std::string& what,
                const std::vector<std::string>* lines, const std::string& failure);

template <typename Build>
bool WriteCard(platform::MessageSink& messages, const std::filesystem::path& file, const std::string& what,
               Build&& build) {
  std::vector<std::string> lines;
  try {
    build(lines);
  } catch (const std::exception& e) {
    return FinishCard(messages, file, what, nullptr, e.what());
  }
  return FinishCard(messages, file, what, &lines, "");
}

}  // namespace forecast::inputs::card
