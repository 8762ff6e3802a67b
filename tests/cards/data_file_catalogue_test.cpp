#include "inputs/data_file_catalogue.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace forecast::inputs {
namespace {

TEST(DataFileCatalogue, PerPeriodNamesJoinPrefixPeriodCodeRunAndExtension) {
  EXPECT_EQ(PeriodCode(2010), "10");
  EXPECT_EQ(PerPeriodName(files::kEmpalCard, 2010, "BL"), "EMPAL10BL.CRD");
  EXPECT_EQ(PerPeriodName(files::kPeriodDrmDat, 2010, "BL"), "DRMDAT10BL.bin");
  EXPECT_EQ(PerPeriodName(files::kPeriodDramOut, 2025, "P1"), "DRAM25P1.out");
  EXPECT_EQ(PerCategoryName(files::kEmpCalibration, 3), "emprese3.txt");
  // Two runs keep their own copies side by side.
  EXPECT_NE(PerPeriodName(files::kPeriodEmpForecastText, 2015, "BL"),
            PerPeriodName(files::kPeriodEmpForecastText, 2015, "P1"));
}

TEST(DataFileCatalogue, PathsFollowTheFoldersAsSpelledOnDisk) {
  testing::TempDir app;
  std::filesystem::create_directories(app.Path() / "voran_sys" / "Forecasting" / "atrmod");
  std::filesystem::create_directories(app.Path() / "gis");
  EXPECT_EQ(PerPeriodPath(app.Path(), files::kDramCard, 2005, "BL"),
            app.Path() / "voran_sys" / "Forecasting" / "DRAM05BL.CRD");
  EXPECT_EQ(FilePath(app.Path(), files::kAtrmodCard), app.Path() / "voran_sys" / "Forecasting" / "atrmod" / "ATRMOD.CRD");
  EXPECT_EQ(PerPeriodPath(app.Path(), files::kPeriodDrmForecastText, 2010, "BL", ModelFolder::Gis),
            app.Path() / "gis" / "DRMFCST10BL.TXT");
  EXPECT_EQ(FolderPath(app.Path(), ModelFolder::Atrmod), app.Path() / "voran_sys" / "Forecasting" / "atrmod");
}

}  // namespace
}  // namespace forecast::inputs
