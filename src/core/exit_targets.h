#pragma once

#include <optional>
#include <string_view>

namespace forecast {

// What a page's Exit button stores: where the exit page's Back goes and where
// the next start of the program resumes.
struct ExitTarget {
  std::string_view exitBackPageName;
  std::string_view resumePageName;
};

// The Exit targets of a form, matched without regard to case; nothing for a
// page without an Exit button of the usual kind.
std::optional<ExitTarget> ExitTargetFor(std::string_view formName);

}  // namespace forecast
