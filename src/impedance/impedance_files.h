#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace forecast::impedance {

// The two characters that stand for a forecast year in file names: 15 for 2015.
std::string YearTag(int year);

// The name the user gives the impedance file of a forecast year: IMPD15.TXT.
std::string UserImpedanceFileName(int year);
// The same name as the pages show it: IMPD15.txt.
std::string UserImpedanceFileCaption(int year);

// Files in the application folder's DATA folder.
std::filesystem::path UserImpedanceFile(const std::filesystem::path& appFolder, int year);
std::filesystem::path WorkingImpedanceText(const std::filesystem::path& appFolder);    // IMPD.TXT
std::filesystem::path WorkingImpedanceBinary(const std::filesystem::path& appFolder);  // IMPD.BIN
std::filesystem::path BackupImpedanceText(const std::filesystem::path& appFolder);     // IMPD_ORIG.TXT
std::filesystem::path BackupImpedanceBinary(const std::filesystem::path& appFolder);   // IMPD_ORIG.BIN
std::filesystem::path ConverterStatisticsFile(const std::filesystem::path& appFolder); // impsetout.txt
std::filesystem::path DataFolder(const std::filesystem::path& appFolder);

// The name under which the converted file of a year is kept for a run: IMPD15P1.BIN.
std::string FiledImpedanceName(int year, std::string_view runCode);
// Where it is kept: in DATA and in the model programs' working folder.
std::vector<std::filesystem::path> FiledImpedanceFiles(const std::filesystem::path& appFolder, int year,
                                                       std::string_view runCode);

inline constexpr const char* kConverterProgram = "IMPD.exe";

}  // namespace forecast::impedance
