#include "impedance/impedance_chain.h"

#include "impedance/impedance_files.h"
#include "impedance/year_choice.h"
#include "platform/text_file.h"

namespace forecast::impedance {

void StartImpedanceChain(SessionState& session) {
  session.currentPeriodIndex = 1;
  session.impedanceBackupPending = true;
}

bool FileConvertedImpedance(const SessionState& session) {
  const auto converted = WorkingImpedanceBinary(session.appFolder);
  const int year = CurrentImpedanceYear(session);
  std::error_code ec;
  // Without a year there is no name to file under.
  if (year == 0 || !std::filesystem::is_regular_file(converted, ec)) return true;
  for (const auto& target : FiledImpedanceFiles(session.appFolder, year, session.CurrentRunCode())) {
    std::filesystem::create_directories(target.parent_path(), ec);
    if (!platform::CopyFileReplacing(converted, target)) return false;
  }
  return true;
}

bool RestoreBaseYearImpedance(const std::filesystem::path& appFolder) {
  bool ok = true;
  std::error_code ec;
  for (const auto& [backup, working] : {std::pair{BackupImpedanceText(appFolder), WorkingImpedanceText(appFolder)},
                                        std::pair{BackupImpedanceBinary(appFolder), WorkingImpedanceBinary(appFolder)}}) {
    if (std::filesystem::is_regular_file(backup, ec) && !platform::CopyFileReplacing(backup, working)) ok = false;
  }
  return ok;
}

ChainStep AdvanceImpedanceChain(SessionState& session) {
  if (session.currentPeriodIndex < session.impedanceFileCount) {
    ++session.currentPeriodIndex;
    return ChainStep::NextFile;
  }
  if (!RestoreBaseYearImpedance(session.appFolder)) return ChainStep::RestoreFailed;
  session.previousPageName = "P7_26";
  return ChainStep::Finished;
}

}  // namespace forecast::impedance
