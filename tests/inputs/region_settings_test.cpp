#include "inputs/region_settings.h"

#include <gtest/gtest.h>

namespace forecast::inputs {
namespace {

std::vector<std::string> Lines(int count) {
  std::vector<std::string> lines = {"120 5 4"};
  const auto& keys = SettingsKeys();
  for (int i = 0; i < count - 1 && i < static_cast<int>(keys.size()); ++i) lines.push_back(keys[static_cast<size_t>(i)] + "x");
  lines[8] = keys[7] + "5";
  lines[12] = keys[11] + "4";
  return lines;
}

TEST(ParseSettings, TakesTheTrimmedTextAfterTheColon) {
  std::vector<std::string> lines = Lines(26);
  lines[2] = "The Number of Zones:    120    ";
  lines[8] = "The number of employment categories: 3";
  lines[12] = "The number of household categories: 4";
  lines[16] = "The number of forecast time periods: 6";
  const SettingsResult result = ParseSettings(lines);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.settings.zoneCount, "120");
  EXPECT_EQ(result.settings.empCategoryCount, 3);
  EXPECT_EQ(result.settings.forecastPeriodCount, "6");
  EXPECT_EQ(result.settings.empCategoriesMatch, "x");
}

TEST(SplitSettingsList, FillsSlotsAsTheSuiteReadersDo) {
  const struct {
    const char* value;
    std::array<std::string, 9> slots;
  } cases[] = {
      {"Basic,Retail,Service,", {"", "Basic", "Retail", "Service", "", "", "", "", ""}},
      // Without the last comma the last name falls into slot 8.
      {"Basic,Retail,Service", {"", "Basic", "Retail", "", "", "", "", "", "Service"}},
      {"a,b,c,d,e,f,g,h,i", {"", "a", "b", "c", "d", "e", "f", "g", "h,i"}},
      {" a , b ,", {"", "a", "b", "", "", "", "", "", ""}},
      // Eight names each followed by a comma: the last comma is no part of the eighth name.
      {"a,b,c,d,e,f,g,h,", {"", "a", "b", "c", "d", "e", "f", "g", "h"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitSettingsList(c.value), c.slots) << c.value;
}

TEST(ParseSettings, RefusesABadCountLineOrTooManyLines) {
  std::vector<std::string> lines = Lines(26);
  lines[8] = "The number of employment categories: five";
  const SettingsResult bad = ParseSettings(lines);
  EXPECT_FALSE(bad.ok);
  EXPECT_NE(bad.error.find("Line 9"), std::string::npos);

  std::vector<std::string> tooLong = Lines(26);
  tooLong.resize(100, "filler");
  EXPECT_FALSE(ParseSettings(tooLong).ok);
  tooLong.resize(99);
  EXPECT_TRUE(ParseSettings(tooLong).ok);
}

}  // namespace
}  // namespace forecast::inputs
