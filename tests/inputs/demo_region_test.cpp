#include "inputs/demo_region.h"
#include "inputs/print_files.h"
#include "inputs/region_files.h"
#include "inputs/region_settings.h"
#include "platform/database.h"
#include "support/region_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace forecast::inputs {
namespace {

TEST(DemoRegion, IsTheSameForTheSameOptions) {
  const DemoRegion a = BuildDemoRegion({});
  const DemoRegion b = BuildDemoRegion({});
  ASSERT_EQ(a.zones.size(), 120u);
  EXPECT_EQ(a.zones[17].employment, b.zones[17].employment);
  EXPECT_EQ(a.impedance, b.impedance);
}

TEST(DemoRegion, LandAddsUpAndNothingIsNegative) {
  for (const DemoRegionOptions options : {DemoRegionOptions{}, DemoRegionOptions{499, 8, 8}, DemoRegionOptions{3, 4, 4}}) {
    const DemoRegion region = BuildDemoRegion(options);
    for (const DemoZone& zone : region.zones) {
      double parts = 0;
      for (int i = 0; i < 6; ++i) {
        EXPECT_GE(zone.landUse[i], 0);
        parts += zone.landUse[i];
      }
      EXPECT_NEAR(parts, zone.landUse[6], 0.05 + 1e-9) << zone.number;
      EXPECT_GT(zone.population, zone.HouseholdTotal());
    }
  }
}

TEST(DemoRegion, WrittenFilesReadBackToTheRegion) {
  DemoRegionOptions options;
  options.zones = 30;
  options.employmentCategories = 6;
  options.householdCategories = 5;
  testing::DemoRegionFolder folder(options);
  const DemoRegion region = BuildDemoRegion(options);

  const SettingsResult settings = LoadSettings(folder.Path());
  ASSERT_TRUE(settings.ok);
  EXPECT_EQ(settings.settings.zoneCount, "30");
  EXPECT_EQ(settings.settings.empCategoryCount, 6);
  EXPECT_EQ(settings.settings.hhCategoryNames[5], "Retired");

  std::vector<std::string> lines;
  std::string error;
  ASSERT_TRUE(ReadPrnLines(folder.Path(), kEmploymentPrnFile, &lines, &error));
  EXPECT_EQ(lines.size(), 31u);
  const BaseEmploymentTotals jobs = SumEmployment(ParseEmploymentPrn(lines, 6));
  double expected = 0;
  for (const DemoZone& zone : region.zones) expected += zone.EmploymentTotal();
  EXPECT_FLOAT_EQ(jobs.total, static_cast<float>(expected));

  auto db = platform::Database::Open(folder.File("\\VORAN_SYS\\BL_FORCST_IN.mdb"));
  EXPECT_EQ(db->ReadTable("Projections").rows.size(), 8u);
  EXPECT_EQ(db->ColumnNames("const"),
            (std::vector<std::string>{"year", "contype", "emphh", "zone", "type", "value", "id"}));
}

TEST(DemoRegion, RefusesAFolderThatHoldsFiles) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.Path() / "something");
  std::string error;
  EXPECT_FALSE(WriteDemoRegion(dir.Path(), {}, &error));
  EXPECT_NE(error.find("already holds files"), std::string::npos);
}

}  // namespace
}  // namespace forecast::inputs
