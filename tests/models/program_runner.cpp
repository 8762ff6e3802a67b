#include "program_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "scratch_folder.h"

namespace forecast::models::testing {

ProgramRun RunBuiltProgram(const std::string& fileName, const std::filesystem::path& folder) {
  const std::string program = (std::filesystem::path(MODEL_PROGRAM_FOLDER) / fileName).string();
  const std::filesystem::path errors = folder.parent_path() / (folder.filename().string() + ".stderr");
  ProgramRun run;
  const pid_t child = ::fork();
  if (child == 0) {
    const int fd = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0 || ::dup2(fd, 2) < 0 || ::chdir(folder.c_str()) != 0) ::_exit(126);
    ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  run.errorText = ReadBytes(errors);
  std::error_code ec;
  std::filesystem::remove(errors, ec);
  return run;
}

}  // namespace forecast::models::testing
