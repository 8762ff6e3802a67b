#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace forecast::inputs {

// The folders the model data files move between, below the application folder.
enum class ModelFolder {
  VoranSys,     // \VORAN_SYS
  Calib,        // \VORAN_SYS\CALIB: the calibration unit's results
  CalibData,    // \VORAN_SYS\CALIB\DATA
  Data,         // \DATA: impedance files
  Forecasting,  // \VORAN_SYS\FORECASTING: the model programs' working folder
  Atrmod,       // \VORAN_SYS\FORECASTING\ATRMOD: working folder of ATRMODT.EXE
  Gis,          // \GIS: text forecasts for the map
};

std::filesystem::path FolderPath(const std::filesystem::path& appFolder, ModelFolder folder);

// A file under a fixed name.
struct ModelFile {
  ModelFolder folder;
  std::string_view name;
};

std::filesystem::path FilePath(const std::filesystem::path& appFolder, const ModelFile& file);

// A file kept once per forecast period and run: prefix, period code, run code,
// extension, for example DRMDAT10BL.bin.
struct PerPeriodFile {
  ModelFolder folder;
  std::string_view prefix;
  std::string_view extension;
};

// The third and fourth characters of a forecast year: 10 for 2010.
std::string PeriodCode(int year);
std::string PerPeriodName(const PerPeriodFile& file, int year, std::string_view runCode);
std::filesystem::path PerPeriodPath(const std::filesystem::path& appFolder, const PerPeriodFile& file, int year,
                                    std::string_view runCode);
// The same name in another folder, for the copies kept in two places.
std::filesystem::path PerPeriodPath(const std::filesystem::path& appFolder, const PerPeriodFile& file, int year,
                                    std::string_view runCode, ModelFolder folder);

// A file kept once per category: prefix, category number, extension, for
// example emprese3.txt.
struct PerCategoryFile {
  ModelFolder folder;
  std::string_view prefix;
  std::string_view extension;
};

std::string PerCategoryName(const PerCategoryFile& file, int category);
std::filesystem::path PerCategoryPath(const std::filesystem::path& appFolder, const PerCategoryFile& file, int category);

namespace files {

// Cards.
inline constexpr PerPeriodFile kEmpalCard{ModelFolder::Forecasting, "EMPAL", ".CRD"};
inline constexpr PerPeriodFile kDramCard{ModelFolder::Forecasting, "DRAM", ".CRD"};
inline constexpr ModelFile kEmpalWorkingCard{ModelFolder::Forecasting, "EMPAL.CRD"};
inline constexpr ModelFile kDramWorkingCard{ModelFolder::Forecasting, "DRAM.CRD"};
inline constexpr ModelFile kAtrmodCard{ModelFolder::Atrmod, "ATRMOD.CRD"};

// Inputs of the model programs, from the calibration unit and the impedance section.
inline constexpr ModelFile kCalibDrmEmp{ModelFolder::CalibData, "DRMEMP.BIN"};
inline constexpr ModelFile kCalibDrmDat{ModelFolder::CalibData, "DRMDAT.BIN"};
inline constexpr ModelFile kImpedance{ModelFolder::Data, "IMPD.BIN"};
inline constexpr ModelFile kOriginalImpedance{ModelFolder::Data, "IMPD_ORIG.BIN"};
inline constexpr PerPeriodFile kPeriodImpedance{ModelFolder::Data, "IMPD", ".BIN"};
inline constexpr PerCategoryFile kEmpCalibration{ModelFolder::Calib, "emprese", ".txt"};
inline constexpr PerCategoryFile kResCalibration{ModelFolder::Calib, "drmresh", ".txt"};
inline constexpr PerCategoryFile kAtrmodEmpCalibration{ModelFolder::Atrmod, "emprese", ".bin"};
inline constexpr PerCategoryFile kAtrmodResCalibration{ModelFolder::Atrmod, "drmresh", ".bin"};
inline constexpr ModelFile kAtrmodEmpRes{ModelFolder::Atrmod, "EMPRES.TXT"};
inline constexpr ModelFile kAtrmodDrmRes{ModelFolder::Atrmod, "DRMRES.TXT"};

// Outputs of ATRMODT.EXE.
inline constexpr ModelFile kAtrmodOut{ModelFolder::Atrmod, "ATRMOD.OUT"};
inline constexpr ModelFile kAtrmodEmpKFactors{ModelFolder::Atrmod, "EKFAC.BIN"};
inline constexpr ModelFile kAtrmodResKFactors{ModelFolder::Atrmod, "DKFAC.BIN"};

// Working names in FORECASTING and their per-period copies.
inline constexpr ModelFile kDrmDat{ModelFolder::Forecasting, "DRMDAT.BIN"};
inline constexpr ModelFile kDrmEmp{ModelFolder::Forecasting, "DRMEMP.BIN"};
inline constexpr ModelFile kWorkingImpedance{ModelFolder::Forecasting, "IMPD.BIN"};
inline constexpr ModelFile kEmpKFactors{ModelFolder::Forecasting, "EKFAC.BIN"};
inline constexpr ModelFile kResKFactors{ModelFolder::Forecasting, "DKFAC.BIN"};
inline constexpr PerPeriodFile kPeriodDrmDat{ModelFolder::Forecasting, "DRMDAT", ".bin"};
inline constexpr PerPeriodFile kPeriodDrmEmp{ModelFolder::Forecasting, "DRMEMP", ".bin"};
inline constexpr PerPeriodFile kPeriodWorkingImpedance{ModelFolder::Forecasting, "IMPD", ".bin"};
inline constexpr PerPeriodFile kPeriodEmpKFactors{ModelFolder::Forecasting, "EKFAC", ".bin"};
inline constexpr PerPeriodFile kPeriodResKFactors{ModelFolder::Forecasting, "DKFAC", ".bin"};
inline constexpr ModelFile kSettingsCopy{ModelFolder::Forecasting, "settings.txt"};

// Outputs of EMPALT.EXE, DRAMT.EXE and FCSTCNVT.EXE.
inline constexpr ModelFile kEmpForecastBinary{ModelFolder::Forecasting, "EMPFCST.BIN"};
inline constexpr ModelFile kEmpalOut{ModelFolder::Forecasting, "EMPAL.OUT"};
inline constexpr ModelFile kDrmForecastBinary{ModelFolder::Forecasting, "DRMFCST.BIN"};
inline constexpr ModelFile kDramOut{ModelFolder::Forecasting, "DRAM.OUT"};
inline constexpr PerPeriodFile kPeriodEmpForecastBinary{ModelFolder::Forecasting, "EMPFCST", ".bin"};
inline constexpr PerPeriodFile kPeriodDrmForecastBinary{ModelFolder::Forecasting, "DRMFCST", ".bin"};
inline constexpr ModelFile kEmpForecastText{ModelFolder::Forecasting, "EMPFCST.TXT"};
inline constexpr ModelFile kDrmForecastText{ModelFolder::Forecasting, "DRMFCST.TXT"};
inline constexpr PerPeriodFile kPeriodEmpForecastText{ModelFolder::Forecasting, "EMPFCST", ".TXT"};
inline constexpr PerPeriodFile kPeriodDrmForecastText{ModelFolder::Forecasting, "DRMFCST", ".TXT"};
// Both present means the period has been forecast.
inline constexpr PerPeriodFile kPeriodEmpalOut{ModelFolder::Forecasting, "EMPAL", ".out"};
inline constexpr PerPeriodFile kPeriodDramOut{ModelFolder::Forecasting, "DRAM", ".out"};

inline constexpr ModelFile kCalibrationFlag{ModelFolder::VoranSys, "CALIB_FLAG.TXT"};

}  // namespace files

}  // namespace forecast::inputs
