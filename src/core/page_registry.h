#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace forecast {

// The form a page name shows. Names are compared exactly; the names of a new
// forecast run all show "p7_8_1"; reserved names and any unknown name show the
// welcome page "p7_1".
std::string FormForPageName(std::string_view pageName);
// True when the name is registered to a form of its own (not the fallback).
bool IsRegisteredPageName(std::string_view pageName);
// Registered names that show the welcome page because this program has no such page.
const std::vector<std::string>& ReservedPageNames();

inline constexpr const char* kWelcomeForm = "p7_1";
inline constexpr const char* kExitForm = "P7_e";

// The page label at the bottom left: "P7_8" becomes "P7.8", "P7_e" becomes "P7.E".
std::string PageLabel(std::string_view formName);

}  // namespace forecast
