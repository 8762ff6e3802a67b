#include "platform/app_path.h"

#include "platform/text.h"

#include <system_error>

namespace forecast::platform {

std::filesystem::path ResolveChild(const std::filesystem::path& folder, std::string_view name) {
  std::error_code ec;
  const std::filesystem::path exact = folder / std::string(name);
  if (std::filesystem::exists(exact, ec)) return exact;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (EqualsNoCase(entry, name)) return it->path();
  }
  return exact;
}

std::filesystem::path ResolveAppPath(const std::filesystem::path& appFolder, std::string_view relative) {
  std::filesystem::path result = appFolder;
  for (const std::string& part : Split(relative, '\\')) {
    // Forward slashes are accepted too, so callers on this platform may use either.
    for (const std::string& piece : Split(part, '/')) {
      if (piece.empty() || piece == ".") continue;
      result = ResolveChild(result, piece);
    }
  }
  return result;
}

}  // namespace forecast::platform
