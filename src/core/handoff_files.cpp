#include "core/handoff_files.h"

#include "core/page_registry.h"
#include "inputs/region_files.h"
#include "platform/text_file.h"

namespace forecast {

bool WriteHandoffFile(const std::filesystem::path& appFolder, std::string_view file, std::string_view pageName) {
  return platform::WriteTextLines(inputs::RegionFile(appFolder, file), {std::string(pageName)});
}

std::string ReadResumePageName(const std::filesystem::path& appFolder) {
  const auto lines = platform::ReadTextLines(inputs::RegionFile(appFolder, kResumeFile));
  if (!lines || lines->empty() || lines->size() > inputs::kMaxTextLines) return {};
  return lines->front();
}

std::string StartForm(const std::filesystem::path& appFolder) {
  return FormForPageName(ReadResumePageName(appFolder));
}

}  // namespace forecast
