#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>

#include "models/employment_table.h"
#include "models/household_table.h"
#include "models/impedance_matrix.h"
#include "models/k_factor_table.h"
#include "models/model_error.h"
#include "scratch_folder.h"

namespace forecast::models {
namespace {

EmploymentTable SmallEmployment() { return {2000, 2, {1, 2, 5}, {1.5, 2, 3, 4, 0, 6.25}}; }

HouseholdTable SmallHouseholds() {
  HouseholdTable table;
  table.year = 2005;
  table.householdCategories = 2;
  table.employmentCategories = 3;
  for (int z = 1; z <= 2; ++z) {
    ZoneHouseholds zone;
    zone.number = z * 10;
    zone.households = {100.0 * z, 50};
    zone.population = 400;
    zone.employedResidents = 190;
    zone.groupQuartersPopulation = 12;
    zone.personsPerHousehold = 2.5;
    zone.land = {10, 2, 3, 4, 5, 6, 30};
    zone.jobs = {1, 2, 3.5};
    table.zones.push_back(zone);
  }
  return table;
}

std::string WithDoubleAt(std::string bytes, size_t offset, double value) {
  std::memcpy(bytes.data() + offset, &value, sizeof value);
  return bytes;
}

TEST(BinaryTablesTest, EveryKindReadsBackWhatWasWritten) {
  const EmploymentTable employment = DecodeEmploymentTable(EncodeEmploymentTable(SmallEmployment()), "DRMEMP.BIN");
  EXPECT_EQ(employment.year, 2000);
  EXPECT_EQ(employment.zoneNumbers, SmallEmployment().zoneNumbers);
  EXPECT_EQ(employment.jobs, SmallEmployment().jobs);

  const HouseholdTable households = DecodeHouseholdTable(EncodeHouseholdTable(SmallHouseholds()), "DRMDAT.BIN");
  EXPECT_EQ(households.year, 2005);
  EXPECT_EQ(households.employmentCategories, 3);
  ASSERT_EQ(households.zones.size(), 2u);
  EXPECT_EQ(households.zones[1].number, 20);
  EXPECT_EQ(households.zones[1].households, (std::vector<double>{200, 50}));
  EXPECT_EQ(households.zones[1].land.unusable, 6);
  EXPECT_EQ(households.zones[1].land.totalArea, 30);
  EXPECT_EQ(households.zones[1].jobs, (std::vector<double>{1, 2, 3.5}));
  EXPECT_EQ(households.zones[1].groupQuartersPopulation, 12);

  const ImpedanceMatrix impedance = DecodeImpedanceMatrix(EncodeImpedanceMatrix({2, {1, 2.5, 3, 4}}), "IMPD.BIN");
  EXPECT_EQ(impedance.At(0, 1), 2.5);

  KFactorTable k = KFactorTable::Ones(KFactorSide::Households, 2, 3);
  k.factors[4] = 1.25;
  const KFactorTable read = DecodeKFactorTable(EncodeKFactorTable(k), "DKFAC.BIN");
  EXPECT_EQ(read.side, KFactorSide::Households);
  EXPECT_EQ(read.At(2, 0), 1.25);
}

TEST(BinaryTablesTest, TheHeaderIsLittleEndianWithTagVersionAndDimensions) {
  const std::string bytes = EncodeEmploymentTable(SmallEmployment());
  ASSERT_EQ(bytes.size(), 32u + 3 * 4 + 6 * 8);
  EXPECT_EQ(bytes.substr(0, 8), "FCEMPLOY");
  EXPECT_EQ(bytes.substr(8, 4), std::string("\x01\x00\x00\x00", 4));   // version
  EXPECT_EQ(bytes.substr(12, 4), std::string("\x03\x00\x00\x00", 4));  // zones
  EXPECT_EQ(bytes.substr(16, 4), std::string("\x02\x00\x00\x00", 4));  // categories
  EXPECT_EQ(bytes.substr(24, 4), std::string("\xd0\x07\x00\x00", 4));  // 2000
}

struct BadFile {
  const char* what;
  std::function<std::string()> bytes;
  const char* message;
};

TEST(BinaryTablesTest, RefusesFilesOfTheWrongKindOrSize) {
  const std::string employment = EncodeEmploymentTable(SmallEmployment());
  const std::vector<BadFile> cases = {
      {"another kind", [] { return EncodeImpedanceMatrix({1, {1}}); }, "DRMEMP.BIN holds impedance matrix data where zone employment data are needed."},
      {"no tag of ours", [] { return std::string(64, 'x'); }, "DRMEMP.BIN is not a zone employment file of the model programs."},
      {"shorter than a header", [] { return std::string("FCEMPLOY"); }, "DRMEMP.BIN is too short (8 bytes) to be a zone employment file."},
      {"truncated", [&] { return employment.substr(0, employment.size() - 3); }, "DRMEMP.BIN is truncated: it holds 89 bytes, its header calls for 92."},
      {"too long", [&] { return employment + "junk"; }, "DRMEMP.BIN is longer (96 bytes) than its header allows (92)."},
      {"another version", [&] { std::string b = employment; b[8] = 2; return b; }, "DRMEMP.BIN has format version 2; this program reads version 1."},
      {"no zones", [&] { std::string b = employment; b[12] = 0; return b; }, "DRMEMP.BIN gives an impossible zone count of 0."},
      {"not a number", [&] { return WithDoubleAt(employment, 44, std::numeric_limits<double>::quiet_NaN()); }, "holds an invalid employment value at byte 44."},
      {"negative", [&] { return WithDoubleAt(employment, 52, -1); }, "holds an invalid employment value at byte 52."},
  };
  for (const BadFile& c : cases) {
    try {
      DecodeEmploymentTable(c.bytes(), "DRMEMP.BIN");
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const ModelInputError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
    }
  }
}

TEST(BinaryTablesTest, AKFactorFileOfTheOtherSideIsRefused) {
  testing::ScratchFolder folder;
  WriteKFactorTable(folder / "DKFAC.BIN", KFactorTable::Ones(KFactorSide::Employment, 2, 2));
  try {
    ReadKFactorTable(folder.Path(), KFactorSide::Households);
    FAIL();
  } catch (const ModelInputError& e) {
    EXPECT_STREQ(e.what(), "DKFAC.BIN holds employment K-factors where household K-factors are needed.");
  }
}

}  // namespace
}  // namespace forecast::models
