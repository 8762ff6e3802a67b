#pragma once

#include "platform/process_runner.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace forecast {

// The one-line files through which the suite's programs tell each other where
// to resume; all in VORAN_SYS.
inline constexpr std::string_view kResumeFile = "progress4.txt";
inline constexpr std::string_view kDataEntryHandoffFile = "progress.txt";
inline constexpr std::string_view kCalibrationHandoffFile = "progress3.txt";
inline constexpr std::string_view kNewRunHandoffFile = "progress2.txt";

// Writes the page name as the file's one line.
bool WriteHandoffFile(const std::filesystem::path& appFolder, std::string_view file, std::string_view pageName);

// The page name in line 1 of progress4.txt; "" when the file is missing,
// unreadable or longer than 100 lines.
std::string ReadResumePageName(const std::filesystem::path& appFolder);

// The form to show at start-up: the one registered to the resume name, the
// welcome page on any failure.
std::string StartForm(const std::filesystem::path& appFolder);

// The sibling programs of the suite.
inline constexpr const char* kCalibrationProgram = "calib.exe";
inline constexpr const char* kDataEntryProgram = "OMRI.exe";
inline constexpr const char* kInputProcessingProgram = "voran_zant.exe";

}  // namespace forecast
