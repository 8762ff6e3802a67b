#include "platform/process_runner.h"

#include "platform/app_path.h"
#include "platform/text.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

#include <cstdlib>
#include <unistd.h>

namespace forecast::platform {

std::vector<std::string> ModelCommandLine(const std::string& commandPrefix, const std::string& program,
                                          const std::vector<std::filesystem::path>& searchFolders) {
  std::vector<std::string> words = SplitWords(commandPrefix);
  std::string found = program;
  for (const std::filesystem::path& folder : searchFolders) {
    const std::filesystem::path candidate = ResolveChild(folder, program);
    std::error_code ec;
    if (std::filesystem::is_regular_file(candidate, ec)) {
      found = candidate.string();
      break;
    }
  }
  words.push_back(found);
  return words;
}

std::filesystem::path ExecutableFolder() {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return self.parent_path();
  return std::filesystem::current_path();
}

ProgramRun QtProcessRunner::RunAndWait(const std::filesystem::path& workingFolder, const std::string& program,
                                       WindowStyle /*style*/) {
  const char* prefix = std::getenv("COMMAND.com");
  const std::vector<std::string> words =
      ModelCommandLine(prefix ? prefix : "", program, {workingFolder, appFolder_, ExecutableFolder()});
  QStringList arguments;
  for (size_t i = 1; i < words.size(); ++i) arguments << QString::fromStdString(words[i]);

  QProcess process;
  process.setWorkingDirectory(QString::fromStdString(workingFolder.string()));
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  QCoreApplication::processEvents();
  process.start(QString::fromStdString(words.front()), arguments);
  ProgramRun run;
  if (!process.waitForStarted(10000)) {
    run.error = process.errorString().toStdString();
    return run;
  }
  run.started = true;
  // Keep serving the window while the program runs; no time limit.
  while (!process.waitForFinished(50)) {
    if (process.state() == QProcess::NotRunning) break;
    QCoreApplication::processEvents();
  }
  QCoreApplication::processEvents();
  if (process.exitStatus() == QProcess::CrashExit) {
    run.error = "The program " + program + " ended abnormally.";
    run.exitCode = -1;
  } else {
    run.exitCode = process.exitCode();
  }
  return run;
}

bool QtProcessRunner::StartSibling(const std::filesystem::path& appFolder, const std::string& program) {
  const std::filesystem::path file = ResolveChild(appFolder, program);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec) || ::access(file.c_str(), X_OK) != 0) return false;
  return QProcess::startDetached(QString::fromStdString(file.string()), {QString::fromLatin1(kLaunchToken)},
                                 QString::fromStdString(appFolder.string()));
}

}  // namespace forecast::platform
