#pragma once

#include "support/fakes.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace forecast::testing {

// How one run of a stand-in program goes.
enum class FakeRun {
  Normal,          // writes its outputs
  NotStarted,      // cannot be started
  NothingWritten,  // ends at once without writing anything
  EmptyReport,     // its report (EMPAL.OUT, DRAM.OUT, ATRMOD.OUT) is empty
  EmptyOutput,     // its binary output is empty
  NoOutput,        // writes its report but not its binary output
};

// Stands in for ATRMODT.EXE, EMPALT.EXE, DRAMT.EXE and FCSTCNVT.EXE through a
// FakeProcessRunner: each run records the inputs it found in its working
// folder and writes outputs that name the run, so a test can follow every
// file from the program that made it to the program that read it.
class FakeModels {
 public:
  struct Run {
    std::string program;
    int period = 0;  // forecast period (1 = first) for the three forecast programs; 0 for ATRMODT.EXE
    std::string side;  // ATRMODT.EXE: "EMP" or "RES", from the card
    std::map<std::string, std::string> inputs;   // input name -> its content, "<missing>" when absent
    std::map<std::string, std::string> outputs;  // what it wrote
  };

  explicit FakeModels(FakeProcessRunner& runner);

  // How the run of a program in a period goes; every run is Normal unless this says otherwise.
  std::function<FakeRun(const std::string& program, int period)> behaviour;

  std::vector<Run> runs;
  // A new GO: the forecast programs' periods count from 1 again.
  void Restart() { finishedPeriods_ = 0; }
  int Count(const std::string& program, int period = -1) const;
  const Run* Find(const std::string& program, int period) const;

 private:
  platform::ProgramRun Execute(const std::filesystem::path& folder, const std::string& program);
  int finishedPeriods_ = 0;  // FCSTCNVT.EXE runs so far: the forecast programs' period is one more
  int serial_ = 0;
};

// The whole content of a file, or "<missing>".
std::string Content(const std::filesystem::path& file);
void WriteContent(const std::filesystem::path& file, const std::string& content);

// An executable shell script under a program's name, for the real process runner.
void WriteScript(const std::filesystem::path& folder, const std::string& program, const std::string& body);

}  // namespace forecast::testing
