#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace forecast::platform {

// Reads a text file into lines; lines may end with CR LF or LF alone. Nothing
// when the file is missing or cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& file);

// Writes the lines, each ended by CR LF, through a temporary file in the same
// folder and a rename, so a failed write never leaves a half-written file.
bool WriteTextLines(const std::filesystem::path& file, const std::vector<std::string>& lines);
// Writes raw bytes the same safe way.
bool WriteFileAtomically(const std::filesystem::path& file, const std::string& bytes);

// The program counts a file of zero length as missing.
bool IsUsableFile(const std::filesystem::path& file);
bool RemoveFileIfExists(const std::filesystem::path& file);
// Copies through a temporary file, replacing an existing target.
bool CopyFileReplacing(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace forecast::platform
