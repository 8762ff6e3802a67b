#pragma once

#include "core/session_state.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/process_runner.h"

#include <string>
#include <string_view>

namespace forecast {

// What a page's buttons ask of the wizard that hosts the pages.
class Navigator {
 public:
  virtual ~Navigator() = default;
  // Shows the page registered under the name in place of the current one.
  virtual void ShowPage(std::string_view pageName) = 0;
  // Shows a form by its own name, past the registry: for the pages that show a
  // form whose page name the registry holds for another form ("P7_8_4") or not
  // at all ("p7_26_1").
  virtual void ShowForm(const std::string& formName) { ShowPage(formName); }
  // Shows the exit page in place of the current one.
  virtual void ShowExitPage() = 0;
  // Unloads the current page with no page after it: the program ends.
  virtual void EndProgram() = 0;
};

// For work without pages (batch and report): nothing is shown.
class NoPages : public Navigator {
 public:
  void ShowPage(std::string_view) override {}
  void ShowExitPage() override {}
  void EndProgram() override {}
};

// Everything a page reaches beyond itself; tests hand in fakes.
struct AppServices {
  SessionState& session;
  platform::MessageSink& messages;
  platform::ProcessRunner& processes;
  platform::Clock& clock;
  Navigator& navigator;
};

}  // namespace forecast
