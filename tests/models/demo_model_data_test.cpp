#include <gtest/gtest.h>

#include <cmath>

#include "models/demo_model_data.h"
#include "models/employment_table.h"
#include "models/household_table.h"
#include "models/impd_program.h"
#include "models/impedance_matrix.h"
#include "models/impedance_text.h"
#include "models/model_files.h"
#include "models/residual_file.h"
#include "scratch_folder.h"

namespace forecast::models {
namespace {

namespace fs = std::filesystem;

// A small region as the demo builder makes them: zones around a centre.
inputs::DemoRegion SmallDemoRegion() {
  inputs::DemoRegion region;
  region.options.zones = 12;
  region.options.employmentCategories = 4;
  region.options.householdCategories = 4;
  region.employmentCategoryNames = {"Basic", "Retail", "Service", "Finance"};
  region.householdCategoryNames = {"LowInc", "LowMid", "UpMid", "HighInc"};
  for (int z = 0; z < 12; ++z) {
    inputs::DemoZone zone;
    zone.number = z + 1;
    const double radius = 1.0 + z;
    zone.x = radius * std::cos(z * 2.4);
    zone.y = radius * std::sin(z * 2.4);
    zone.employment = {100.0 + 10 * z, 200.0 - 10 * z, 50, 25.0 + z};
    zone.households = {300, 200.0 + 5 * z, 100, 50.0 + z};
    zone.population = 1700 + 15 * z;
    zone.employedResidents = 900;
    zone.groupQuartersPopulation = 20;
    const double land[7] = {80, 12, 20, 25, 40.0 + z, 9, 186.0 + z};
    std::copy(land, land + 7, zone.landUse);
    region.zones.push_back(zone);
  }
  region.forecastYears = {2005, 2010, 2015, 2020, 2025, 2030};
  for (int i = 0; i < 12; ++i) {
    for (int j = 0; j < 12; ++j) {
      const auto& a = region.zones[static_cast<size_t>(i)];
      const auto& b = region.zones[static_cast<size_t>(j)];
      region.impedance.push_back(i == j ? 3.0 : std::round((4 + 2.4 * std::hypot(a.x - b.x, a.y - b.y)) * 100) / 100);
    }
  }
  return region;
}

class DemoModelDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(WriteDemoModelData(app_.Path(), region_, &error)) << error;
  }
  testing::ScratchFolder app_;
  inputs::DemoRegion region_ = SmallDemoRegion();
};

TEST_F(DemoModelDataTest, TheBaseYearFilesAgreeWithTheRegion) {
  const fs::path data = app_ / "VORAN_SYS" / "CALIB" / "DATA";
  const EmploymentTable employment = ReadEmploymentTable(data, "DRMEMP.BIN");
  const HouseholdTable households = ReadHouseholdTable(data, "DRMDAT.BIN");
  EXPECT_EQ(employment.ZoneCount(), 12);
  EXPECT_EQ(employment.Jobs(3, 0), region_.zones[3].employment[0]);
  const ZoneHouseholds& zone = households.zones[5];
  EXPECT_EQ(zone.households, region_.zones[5].households);
  EXPECT_EQ(zone.land.residential, region_.zones[5].landUse[0]);
  EXPECT_EQ(zone.land.vacant, region_.zones[5].landUse[4]);
  EXPECT_EQ(zone.land.totalArea, region_.zones[5].landUse[6]);
  EXPECT_DOUBLE_EQ(zone.personsPerHousehold, (region_.zones[5].population - 20) / region_.zones[5].HouseholdTotal());
}

TEST_F(DemoModelDataTest, ResidualsLookLikeACalibrations) {
  for (const char* name : {"emprese1.txt", "emprese4.txt", "drmresh1.txt", "drmresh4.txt"}) {
    const std::vector<ResidualRow> rows = ParseResidualLines(ReadInputLines(app_ / "VORAN_SYS" / "CALIB", name), name);
    ASSERT_EQ(rows.size(), 12u) << name;
    double observed = 0, estimated = 0;
    int missed = 0;
    for (const ResidualRow& row : rows) {
      observed += row.observed;
      estimated += row.estimated;
      if (row.estimated != row.observed) ++missed;
    }
    EXPECT_NEAR(estimated, observed, 0.1) << name;  // the calibration reproduces the regional total
    EXPECT_GE(missed, 10) << name;
  }
  EXPECT_FALSE(fs::exists(app_ / "VORAN_SYS" / "CALIB" / "emprese5.txt"));
}

TEST_F(DemoModelDataTest, ImpedanceFilesAreConsistentAndTheRingRoadShortensTrips) {
  const fs::path data = app_ / "DATA";
  const ImpedanceMatrix base = ReadImpedanceMatrix(data, "IMPD.BIN");
  EXPECT_EQ(base.values, ParseImpedanceText(ReadInputLines(data, "IMPD.TXT"), "IMPD.TXT").values);
  EXPECT_EQ(base.values, MatrixValues(region_.impedance.begin(), region_.impedance.end()));

  int shorterFirst = 0;
  int shorterSecond = 0;
  const ImpedanceMatrix first = ParseImpedanceText(ReadInputLines(data, "IMPD10.TXT"), "IMPD10.TXT");
  const ImpedanceMatrix second = ParseImpedanceText(ReadInputLines(data, "IMPD20.TXT"), "IMPD20.TXT");
  for (size_t i = 0; i < base.values.size(); ++i) {
    EXPECT_LE(first.values[i], base.values[i]);
    EXPECT_LE(second.values[i], first.values[i]);  // the whole ring serves every trip the half did
    shorterFirst += first.values[i] < base.values[i];
    shorterSecond += second.values[i] < base.values[i];
  }
  EXPECT_GT(shorterFirst, 0);
  EXPECT_GT(shorterSecond, shorterFirst);
}

TEST_F(DemoModelDataTest, TheControlValuesAreWhatTheConverterFinds) {
  const fs::path data = app_ / "DATA";
  fs::copy_file(data / "IMPD10.TXT", data / "IMPD.TXT", fs::copy_options::overwrite_existing);
  std::string error;
  ASSERT_TRUE(RunImpdProgram(data, &error)) << error;
  const std::vector<std::string> found = ReadInputLines(data, "impsetout.txt");
  const std::vector<std::string> control = ReadInputLines(data, "IMPD10_control_values.txt");
  ASSERT_EQ(control.size(), found.size() + 3);
  EXPECT_EQ(std::vector<std::string>(control.begin() + 3, control.end()), found);
}

TEST(DemoImpedanceYearsTest, PicksTwoYearsWhereThereAreEnough) {
  inputs::DemoRegion region;
  const std::vector<std::pair<std::vector<int>, std::vector<int>>> cases = {
      {{}, {}}, {{2005}, {2005}}, {{2005, 2010}, {2005, 2010}}, {{2005, 2010, 2015}, {2010, 2015}},
      {{2005, 2010, 2015, 2020, 2025, 2030}, {2010, 2020}}};
  for (const auto& [years, expected] : cases) {
    region.forecastYears = years;
    EXPECT_EQ(DemoImpedanceYears(region), expected);
  }
}

}  // namespace
}  // namespace forecast::models
