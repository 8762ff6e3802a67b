#pragma once

#include <filesystem>
#include <string_view>

namespace forecast::platform {

// Joins the application folder and a fixed relative path written with
// backslashes, for example "\VORAN_SYS\settings.txt". Each component is matched
// against the disk without regard to case, because the suite spells the same
// folder as CALIB, calib and Calib. A component that does not exist yet keeps
// the spelling asked for.
std::filesystem::path ResolveAppPath(const std::filesystem::path& appFolder, std::string_view relative);

// Matches one name inside an existing folder without regard to case; returns
// the folder joined with the name as spelled on disk, or as asked when absent.
std::filesystem::path ResolveChild(const std::filesystem::path& folder, std::string_view name);

}  // namespace forecast::platform
