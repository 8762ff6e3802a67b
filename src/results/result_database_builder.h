#pragma once

#include "core/session_state.h"
#include "platform/database.h"
#include "platform/messages.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace forecast::results {

// The names listed on a category line of settings.txt ("The employment
// categories:Basic,Retail,"), taken exactly as they stand between the commas
// and resized to the count.
std::vector<std::string> ParseCategoriesLine(const std::string& line, int count, platform::MessageSink& messages);

// The category names of a kind ("EMP" or "HH") as the result tables name
// their fields: read from settings.txt, the count from its first line.
// Nothing, after a message, when the file or its lines cannot be read.
std::optional<std::vector<std::string>> ReadCategoryNames(const std::filesystem::path& appFolder, const std::string& kind,
                                                          platform::MessageSink& messages);

// Creates one EMP or HH table with its fields, every one Required. An existing
// table of that name is reported and kept; a table whose fields cannot be made
// is reported and not created.
void CreateResultTable(platform::Database& db, const std::filesystem::path& appFolder, const std::string& tableName,
                       const std::string& kind, platform::MessageSink& messages);

// Deletes the current run's result database and builds it afresh with an EMP
// and an HH table for every fifth year from the run's first forecast year to
// its last. False when the database could not be made.
bool BuildResultDatabase(const SessionState& session, platform::MessageSink& messages);

}  // namespace forecast::results
