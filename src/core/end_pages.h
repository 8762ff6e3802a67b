#pragma once

#include "core/app_services.h"

#include <string_view>

namespace forecast {

// The Exit button of any page: store the page's two names and show the exit page.
void PressExit(AppServices& app, std::string_view formName);

// Welcome page p7_1.
void WelcomeContinue(AppServices& app);
void WelcomeBack(AppServices& app);

// Exit page P7_e.
void ExitPageExit(AppServices& app);
void ExitPageReturn(AppServices& app);
void ExitPageBack(AppServices& app);

// End page P7_50.
void EndPageBack(AppServices& app);

inline constexpr const char* kSystemErrorMessage = "SYSTEM ERROR! Please exit VORAN.";
inline constexpr const char* kVoranTitle = "VORAN";

}  // namespace forecast
