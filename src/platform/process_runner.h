#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace forecast::platform {

// Window styles of a started program; they only matter where programs have windows.
enum class WindowStyle { Hidden = 0, NormalNoFocus = 4 };

struct ProgramRun {
  bool started = false;  // false: the program could not be found or started
  int exitCode = -1;
  std::string error;     // why it did not start or did not finish
};

// Starts other programs: the model programs (waited for) and the sibling
// programs of the suite (not waited for).
class ProcessRunner {
 public:
  virtual ~ProcessRunner() = default;
  // Runs a model program in its working folder and waits for its end while the
  // window system keeps being served.
  virtual ProgramRun RunAndWait(const std::filesystem::path& workingFolder, const std::string& program,
                                WindowStyle style) = 0;
  // Starts a sibling program of the suite from the application folder with the
  // launch token; false when it is missing or cannot be started.
  virtual bool StartSibling(const std::filesystem::path& appFolder, const std::string& program) = 0;
};

// The token the suite's programs hand each other.
inline constexpr const char* kLaunchToken = "SESSION=5818027593051748";

// The words of a model program's command line: the value of the environment
// variable named "COMMAND.com" split into words, then the program found in the
// working folder, the application folder or beside this executable.
std::vector<std::string> ModelCommandLine(const std::string& commandPrefix, const std::string& program,
                                          const std::vector<std::filesystem::path>& searchFolders);

// The folder of the running executable.
std::filesystem::path ExecutableFolder();

// The real runner, on Qt's process class.
class QtProcessRunner : public ProcessRunner {
 public:
  explicit QtProcessRunner(std::filesystem::path appFolder) : appFolder_(std::move(appFolder)) {}
  ProgramRun RunAndWait(const std::filesystem::path& workingFolder, const std::string& program,
                        WindowStyle style) override;
  bool StartSibling(const std::filesystem::path& appFolder, const std::string& program) override;

 private:
  std::filesystem::path appFolder_;
};

}  // namespace forecast::platform
