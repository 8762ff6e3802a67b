#include "impedance/file_pickup.h"

#include "impedance/impedance_files.h"
#include "impedance/year_choice.h"
#include "platform/text_file.h"

#include <fstream>
#include <iterator>

namespace forecast::impedance {

namespace {

std::optional<std::string> ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::is_regular_file(file, ec);
}

bool HoldsForecastYearFile(const SessionState& session) {
  const auto working = ReadBytes(WorkingImpedanceText(session.appFolder));
  if (!working) return false;
  for (int f = 1; f <= kMaxPeriods; ++f) {
    const int year = ImpedanceYear(session, f);
    if (year == 0) continue;
    const auto user = ReadBytes(UserImpedanceFile(session.appFolder, year));
    if (user && *user == *working) return true;
  }
  return false;
}

}  // namespace

std::string UnableToLocateMessage(int year) {
  return "Error! I'm Sorry, but ZANT II is unable to locate your" + std::to_string(year) + " file.";
}

bool BackUpBaseYearImpedance(const SessionState& session) {
  const auto& app = session.appFolder;
  if (FileExists(BackupImpedanceText(app)) && FileExists(BackupImpedanceBinary(app)) && HoldsForecastYearFile(session)) {
    return true;
  }
  const auto text = WorkingImpedanceText(app);
  const auto binary = WorkingImpedanceBinary(app);
  if (!FileExists(text) || !FileExists(binary)) return false;
  return platform::CopyFileReplacing(text, BackupImpedanceText(app)) &&
         platform::CopyFileReplacing(binary, BackupImpedanceBinary(app));
}

PickUpOutcome PickUpImpedanceFile(SessionState& session) {
  const int year = CurrentImpedanceYear(session);
  const std::string message = UnableToLocateMessage(year);
  if (session.currentPeriodIndex == 1 && session.impedanceBackupPending) {
    if (!BackUpBaseYearImpedance(session)) return {PickUpOutcome::Kind::Troubleshoot, message};
    session.impedanceBackupPending = false;
  }
  const auto user = UserImpedanceFile(session.appFolder, year);
  if (year == 0 || !FileExists(user)) return {PickUpOutcome::Kind::NotFound, message};
  if (!platform::IsUsableFile(user)) return {PickUpOutcome::Kind::Troubleshoot, message};
  if (!platform::CopyFileReplacing(user, WorkingImpedanceText(session.appFolder))) {
    return {PickUpOutcome::Kind::Troubleshoot, message};
  }
  return {};
}

}  // namespace forecast::impedance
