#include "models/card_preamble.h"

#include "models/model_text.h"

namespace forecast::models {

namespace {
std::vector<std::string> ReadNames(CardLine line, int count) {
  std::vector<std::string> names;
  for (int k = 0; k < count; ++k) names.push_back(line.Text(8));
  return names;
}
}  // namespace

CardPreamble ReadCardPreamble(CardReader& reader, int employmentCategories, int householdCategories) {
  CardPreamble preamble;
  preamble.title = TrimBlanks(reader.Next("the title line").FullText());
  preamble.runLine = TrimBlanks(reader.Next("the run line").FullText());
  preamble.employmentNames = ReadNames(reader.Next("the employment category names"), employmentCategories);
  preamble.householdNames = ReadNames(reader.Next("the household category names"), householdCategories);
  CardLine years = reader.Next("the years line");
  preamble.startYear = years.Integer(10, "the start year of the period");
  preamble.endYear = years.Integer(10, "the end year of the period");
  if (preamble.endYear <= preamble.startYear) throw years.Error("the period must end after it starts");
  return preamble;
}

std::string ReadRecordedSwitches(CardLine& header, const std::vector<std::pair<std::string, size_t>>& fields) {
  std::string text;
  for (const auto& [name, width] : fields) {
    const std::string value = header.Text(width);
    text += (text.empty() ? "" : ", ") + name + " " + (value.empty() ? "(blank)" : value);
  }
  return text;
}

int ReadZoneCount(CardLine& header) {
  const int zones = header.Integer(5, "the zone count");
  if (zones < 1) throw header.Error("the zone count must be at least 1");
  return zones;
}

int ReadCategoryCount(CardLine& header, const std::string& kind) {
  const int count = header.Integer(5, "the " + kind + " category count");
  if (count < 1 || count > 8) throw header.Error("the number of " + kind + " categories must be 1 to 8, not " + std::to_string(count));
  return count;
}

}  // namespace forecast::models
