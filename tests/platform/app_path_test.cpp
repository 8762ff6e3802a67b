#include "platform/app_path.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace forecast::platform {
namespace {

TEST(ResolveAppPath, MatchesExistingFoldersWithoutRegardToCase) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.Path() / "VORAN_SYS" / "calib" / "Data");
  std::ofstream(dir.Path() / "VORAN_SYS" / "calib" / "Data" / "DRMEMP.BIN") << "x";

  for (const char* spelling : {"\\VORAN_SYS\\CALIB\\DATA\\drmemp.bin", "\\voran_sys\\Calib\\data\\DRMEMP.BIN"}) {
    EXPECT_EQ(ResolveAppPath(dir.Path(), spelling), dir.Path() / "VORAN_SYS" / "calib" / "Data" / "DRMEMP.BIN")
        << spelling;
  }
}

TEST(ResolveAppPath, NewComponentsKeepTheSpellingAskedFor) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.Path() / "VORAN_SYS" / "forecasting");
  EXPECT_EQ(ResolveAppPath(dir.Path(), "\\VORAN_SYS\\FORECASTING\\EMPAL10BL.CRD"),
            dir.Path() / "VORAN_SYS" / "forecasting" / "EMPAL10BL.CRD");
  EXPECT_EQ(ResolveAppPath(dir.Path(), "\\NEW\\File.txt"), dir.Path() / "NEW" / "File.txt");
}

}  // namespace
}  // namespace forecast::platform
