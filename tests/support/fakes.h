#pragma once

#include "core/app_services.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/process_runner.h"

#include <functional>
#include <string>
#include <vector>

namespace forecast::testing {

// Records what the pages ask of the wizard.
class FakeNavigator : public Navigator {
 public:
  void ShowPage(std::string_view pageName) override { shown.emplace_back(pageName); }
  void ShowExitPage() override { shown.emplace_back("<exit page>"); }
  void EndProgram() override { ended = true; }
  std::vector<std::string> shown;
  bool ended = false;
};

// Stands in for the programs: each run calls the handler, which may write the
// program's outputs into the working folder.
class FakeProcessRunner : public platform::ProcessRunner {
 public:
  struct Run {
    std::filesystem::path folder;
    std::string program;
  };
  platform::ProgramRun RunAndWait(const std::filesystem::path& workingFolder, const std::string& program,
                                  platform::WindowStyle) override {
    runs.push_back({workingFolder, program});
    if (onRun) return onRun(workingFolder, program);
    platform::ProgramRun run;
    run.started = true;
    run.exitCode = 0;
    return run;
  }
  bool StartSibling(const std::filesystem::path&, const std::string& program) override {
    siblings.push_back(program);
    return siblingsStart;
  }
  std::function<platform::ProgramRun(const std::filesystem::path&, const std::string&)> onRun;
  std::vector<Run> runs;
  std::vector<std::string> siblings;
  bool siblingsStart = false;
};

// A session with fakes for every boundary.
struct FakeApp {
  SessionState session;
  platform::RecordingMessages messages;
  FakeProcessRunner processes;
  platform::FixedClock clock{{2026, 12, 10}};
  FakeNavigator navigator;
  AppServices services{session, messages, processes, clock, navigator};
};

}  // namespace forecast::testing
