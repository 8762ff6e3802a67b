#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

// File access of the model programs: inputs are found by name without regard
// to case (the suite spells its names in several cases), outputs are written
// through a temporary file and a rename so that no half-written file remains.
namespace forecast::models {

// The file of that name in the folder, matched without regard to case; the
// exact spelling wins when several match. Nothing when there is none.
std::optional<std::filesystem::path> FindInFolder(const std::filesystem::path& folder, const std::string& name);

struct InputFile {
  std::ifstream stream;  // at the start of the file
  std::uint64_t size = 0;
};
// Opens an input file for reading. Throws ModelInputError naming the file when
// it is missing, empty or cannot be opened.
InputFile OpenInputFile(const std::filesystem::path& folder, const std::string& name);

// The bytes of an input file; throws as OpenInputFile does, or when it cannot be read.
std::string ReadInputBytes(const std::filesystem::path& folder, const std::string& name);
// The lines of an input text file, CR LF or LF endings.
std::vector<std::string> ReadInputLines(const std::filesystem::path& folder, const std::string& name);
std::vector<std::string> SplitLines(const std::string& bytes);

// Writes the bytes safely; throws ModelInputError when that fails.
void WriteOutputBytes(const std::filesystem::path& file, const std::string& bytes);
// Writes the lines, each ended with CR LF.
void WriteOutputLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

// Removes every file of that name in the folder, in any case, so that a stale
// output of an earlier run can never pass for a new one.
void RemoveOutput(const std::filesystem::path& folder, const std::string& name);

}  // namespace forecast::models
