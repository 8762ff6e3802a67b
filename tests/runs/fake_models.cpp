#include "fake_models.h"

#include "platform/app_path.h"
#include "platform/text_file.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace forecast::testing {

namespace fs = std::filesystem;

std::string Content(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteContent(const fs::path& file, const std::string& content) {
  if (!platform::WriteFileAtomically(file, content)) throw std::runtime_error("cannot write " + file.string());
}

void WriteScript(const fs::path& folder, const std::string& program, const std::string& body) {
  const fs::path file = folder / program;
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << "#!/bin/sh\n" << body << '\n';
    if (!out) throw std::runtime_error("cannot write " + file.string());
  }
  fs::permissions(file, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec);
}

FakeModels::FakeModels(FakeProcessRunner& runner) {
  runner.onRun = [this](const fs::path& folder, const std::string& program) { return Execute(folder, program); };
}

int FakeModels::Count(const std::string& program, int period) const {
  int count = 0;
  for (const Run& run : runs) count += run.program == program && (period < 0 || run.period == period) ? 1 : 0;
  return count;
}

const FakeModels::Run* FakeModels::Find(const std::string& program, int period) const {
  for (const Run& run : runs) {
    if (run.program == program && run.period == period) return &run;
  }
  return nullptr;
}

platform::ProgramRun FakeModels::Execute(const fs::path& folder, const std::string& program) {
  struct Program {
    const char* name;
    std::vector<const char*> inputs;
    const char* binary;  // the output that a fault empties or leaves out
    const char* report;
  };
  static const Program programs[] = {
      {"EMPALT.EXE", {"EMPAL.CRD", "DRMEMP.BIN", "DRMDAT.BIN", "IMPD.BIN", "EKFAC.BIN"}, "EMPFCST.BIN", "EMPAL.OUT"},
      {"DRAMT.EXE", {"DRAM.CRD", "EMPFCST.BIN", "DRMDAT.BIN", "IMPD.BIN", "DKFAC.BIN"}, "DRMFCST.BIN", "DRAM.OUT"},
      {"FCSTCNVT.EXE", {"EMPFCST.BIN", "DRMFCST.BIN"}, "EMPFCST.TXT", nullptr},
      {"ATRMODT.EXE", {"ATRMOD.CRD", "EMPRES.TXT", "DRMRES.TXT"}, nullptr, "ATRMOD.OUT"},
  };
  const Program* known = nullptr;
  for (const Program& candidate : programs) {
    if (program == candidate.name) known = &candidate;
  }
  platform::ProgramRun result;
  if (!known) {
    result.error = "no stand-in for " + program;
    return result;
  }
  Run run;
  run.program = program;
  const bool atrmod = program == "ATRMODT.EXE";
  run.period = atrmod ? 0 : finishedPeriods_ + 1;
  const auto in = [&](const char* name) { return Content(platform::ResolveChild(folder, name)); };
  for (const char* name : known->inputs) run.inputs[name] = in(name);
  const char* binary = known->binary;
  if (atrmod) {
    // The third number of the card tells the side: 0 employment, 1 households.
    std::istringstream card(run.inputs["ATRMOD.CRD"]);
    std::string count, first, side;
    card >> count >> first >> side;
    run.side = side == "0" ? "EMP" : side == "1" ? "RES" : "?";
    binary = run.side == "EMP" ? "EKFAC.BIN" : "DKFAC.BIN";
  }
  const FakeRun how = behaviour ? behaviour(program, run.period) : FakeRun::Normal;
  runs.push_back(run);
  if (how == FakeRun::NotStarted) {
    result.error = program + " cannot be started";
    return result;
  }
  result.started = true;
  result.exitCode = 0;
  if (how == FakeRun::NothingWritten) {
    result.exitCode = 1;
    return result;
  }
  auto& written = runs.back().outputs;
  const auto write = [&](const std::string& name, const std::string& content) {
    WriteContent(folder / name, content);
    written[name] = content;
  };
  if (program == "FCSTCNVT.EXE") {
    write("EMPFCST.TXT", "text of " + run.inputs["EMPFCST.BIN"]);
    write("DRMFCST.TXT", "text of " + run.inputs["DRMFCST.BIN"]);
    ++finishedPeriods_;
    return result;
  }
  const std::string tag = program + " #" + std::to_string(++serial_) + (run.side.empty() ? "" : " " + run.side);
  if (how != FakeRun::NoOutput) write(binary, how == FakeRun::EmptyOutput ? "" : "output of " + tag);
  write(known->report, how == FakeRun::EmptyReport ? "" : "report of " + tag);
  return result;
}

}  // namespace forecast::testing
