#pragma once

#include "core/pages/wizard_window.h"

#include <string>

namespace forecast::pages {

// Opens a constraint help page over the page that asks for it; its OK closes
// it again and leaves that page as it was.
void OpenConstraintHelp(AppServices& app, const std::string& formName);

// The help pages P7_5a, P7_5a_1 to P7_5a_4, P7_5_1A to P7_5_4A and P7_5b.
// Shown by name in the wizard, their OK shows the page they explain.
void RegisterConstraintHelpPages(PageFactories& factories);

}  // namespace forecast::pages
