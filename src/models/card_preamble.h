#pragma once

#include <string>
#include <utility>
#include <vector>

#include "models/card_reader.h"

namespace forecast::models {

// Lines 2 to 6 of the EMPAL and DRAM cards: title, run line, the category
// names of both kinds and the years of the period.
struct CardPreamble {
  std::string title;
  std::string runLine;
  std::vector<std::string> employmentNames;
  std::vector<std::string> householdNames;
  int startYear = 0;
  int endYear = 0;
};

CardPreamble ReadCardPreamble(CardReader& reader, int employmentCategories, int householdCategories);

// The header's switches that the programs record but do not use, as
// "NAME value" pairs: the next fields of the given names and widths.
std::string ReadRecordedSwitches(CardLine& header, const std::vector<std::pair<std::string, size_t>>& fields);

// The next 5-character header field as a zone count (at least 1).
int ReadZoneCount(CardLine& header);
// The next 5-character header field as a count of "employment" or "household" categories (1 to 8).
int ReadCategoryCount(CardLine& header, const std::string& kind);

}  // namespace forecast::models
