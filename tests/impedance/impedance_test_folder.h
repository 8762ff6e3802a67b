#pragma once

#include "core/session_state.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <string>

namespace forecast::testing {

// An application folder with DATA and VORAN_SYS\Forecasting, base year 2000
// and a current run P1 (run 2).
class ImpedanceFolder {
 public:
  ImpedanceFolder();
  const std::filesystem::path& Path() const { return dir_.Path(); }
  std::filesystem::path Data(const std::string& name) const;
  void Write(const std::filesystem::path& file, const std::string& bytes) const;
  std::string Read(const std::filesystem::path& file) const;
  bool Exists(const std::filesystem::path& file) const;
  // Fills the session for this folder; files 2015 and 2020 chosen, file 1 current.
  void Prepare(SessionState& session) const;

 private:
  TempDir dir_;
};

// Control values and the converter's statistics that agree with each other.
ImpedanceControlValues MatchingControlValues();
std::string MatchingStatistics();

}  // namespace forecast::testing
