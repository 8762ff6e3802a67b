#include "inputs/data_file_catalogue.h"

#include "platform/app_path.h"

namespace forecast::inputs {

namespace {

std::string_view FolderText(ModelFolder folder) {
  switch (folder) {
    case ModelFolder::VoranSys: return "\\VORAN_SYS\\";
    case ModelFolder::Calib: return "\\VORAN_SYS\\CALIB\\";
    case ModelFolder::CalibData: return "\\VORAN_SYS\\CALIB\\DATA\\";
    case ModelFolder::Data: return "\\DATA\\";
    case ModelFolder::Forecasting: return "\\VORAN_SYS\\FORECASTING\\";
    case ModelFolder::Atrmod: return "\\VORAN_SYS\\FORECASTING\\ATRMOD\\";
    case ModelFolder::Gis: return "\\GIS\\";
  }
  return "\\";
}

std::filesystem::path InFolder(const std::filesystem::path& appFolder, ModelFolder folder, std::string_view name) {
  return platform::ResolveAppPath(appFolder, std::string(FolderText(folder)) + std::string(name));
}

}  // namespace

std::filesystem::path FolderPath(const std::filesystem::path& appFolder, ModelFolder folder) {
  std::string relative(FolderText(folder));
  relative.pop_back();
  return platform::ResolveAppPath(appFolder, relative);
}

std::filesystem::path FilePath(const std::filesystem::path& appFolder, const ModelFile& file) {
  return InFolder(appFolder, file.folder, file.name);
}

std::string PeriodCode(int year) {
  const std::string text = std::to_string(year);
  return text.size() >= 4 ? text.substr(2, 2) : text;
}

std::string PerPeriodName(const PerPeriodFile& file, int year, std::string_view runCode) {
  return std::string(file.prefix) + PeriodCode(year) + std::string(runCode) + std::string(file.extension);
}

std::filesystem::path PerPeriodPath(const std::filesystem::path& appFolder, const PerPeriodFile& file, int year,
                                    std::string_view runCode) {
  return PerPeriodPath(appFolder, file, year, runCode, file.folder);
}

std::filesystem::path PerPeriodPath(const std::filesystem::path& appFolder, const PerPeriodFile& file, int year,
                                    std::string_view runCode, ModelFolder folder) {
  return InFolder(appFolder, folder, PerPeriodName(file, year, runCode));
}

std::string PerCategoryName(const PerCategoryFile& file, int category) {
  return std::string(file.prefix) + std::to_string(category) + std::string(file.extension);
}

std::filesystem::path PerCategoryPath(const std::filesystem::path& appFolder, const PerCategoryFile& file,
                                      int category) {
  return InFolder(appFolder, file.folder, PerCategoryName(file, category));
}

}  // namespace forecast::inputs
