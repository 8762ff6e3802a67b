#include "impedance/impedance_files.h"

#include "inputs/data_file_catalogue.h"
#include "platform/app_path.h"

namespace forecast::impedance {

namespace {

std::filesystem::path Data(const std::filesystem::path& appFolder, const std::string& name) {
  return platform::ResolveAppPath(appFolder, "\\DATA\\" + name);
}

}  // namespace

std::string YearTag(int year) { return inputs::PeriodCode(year); }

std::string UserImpedanceFileName(int year) { return "IMPD" + YearTag(year) + ".TXT"; }

std::string UserImpedanceFileCaption(int year) { return "IMPD" + YearTag(year) + ".txt"; }

std::filesystem::path UserImpedanceFile(const std::filesystem::path& appFolder, int year) {
  return Data(appFolder, UserImpedanceFileName(year));
}

std::filesystem::path WorkingImpedanceText(const std::filesystem::path& appFolder) { return Data(appFolder, "IMPD.TXT"); }

std::filesystem::path WorkingImpedanceBinary(const std::filesystem::path& appFolder) {
  return Data(appFolder, "IMPD.BIN");
}

std::filesystem::path BackupImpedanceText(const std::filesystem::path& appFolder) {
  return Data(appFolder, "IMPD_ORIG.TXT");
}

std::filesystem::path BackupImpedanceBinary(const std::filesystem::path& appFolder) {
  return Data(appFolder, "IMPD_ORIG.BIN");
}

std::filesystem::path ConverterStatisticsFile(const std::filesystem::path& appFolder) {
  return Data(appFolder, "impsetout.txt");
}

std::filesystem::path DataFolder(const std::filesystem::path& appFolder) {
  return platform::ResolveAppPath(appFolder, "\\DATA");
}

std::string FiledImpedanceName(int year, std::string_view runCode) {
  return inputs::PerPeriodName(inputs::files::kPeriodImpedance, year, runCode);
}

std::vector<std::filesystem::path> FiledImpedanceFiles(const std::filesystem::path& appFolder, int year,
                                                       std::string_view runCode) {
  return {inputs::PerPeriodPath(appFolder, inputs::files::kPeriodImpedance, year, runCode),
          inputs::PerPeriodPath(appFolder, inputs::files::kPeriodWorkingImpedance, year, runCode)};
}

}  // namespace forecast::impedance
