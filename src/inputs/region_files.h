#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace forecast::inputs {

// The region files that the suite's other units leave in VORAN_SYS.
inline constexpr std::string_view kSettingsFile = "settings.txt";
inline constexpr std::string_view kRegressionReportFile = "regressreport.txt";
inline constexpr std::string_view kEmpCheckListFile = "empchklist.txt";
inline constexpr std::string_view kEmploymentPrnFile = "GIS_emp.prn";
inline constexpr std::string_view kHouseholdPrnFile = "GIS_hh.prn";
inline constexpr std::string_view kLandUsePrnFile = "GIS_lu.prn";
inline constexpr std::string_view kParmDatabaseFile = "parmfiles.mdb";
inline constexpr std::string_view kInputDatabaseFile = "BL_FORCST_IN.mdb";
inline constexpr std::string_view kMapitSwitchFile = "mapit.txt";

inline constexpr std::size_t kMaxSettingsLines = 99;
inline constexpr std::size_t kMaxTextLines = 100;
inline constexpr std::size_t kMaxPrnLines = 500;

// A file in the application folder's VORAN_SYS folder.
std::filesystem::path RegionFile(const std::filesystem::path& appFolder, std::string_view name);

}  // namespace forecast::inputs
