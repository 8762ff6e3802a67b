#include "models/model_program.h"

#include <exception>
#include <iostream>
#include <new>

#include "models/model_error.h"
#include "models/model_files.h"

namespace forecast::models {

bool RunModelStep(const std::filesystem::path& folder, const std::vector<std::string>& outputs, const std::function<void()>& body,
                  std::string* error) {
  for (const std::string& name : outputs) RemoveOutput(folder, name);
  try {
    body();
    return true;
  } catch (const ModelInputError& e) {
    *error = e.what();
  } catch (const std::bad_alloc&) {
    *error = "Not enough memory for the inputs in " + folder.string() + ".";
  } catch (const std::exception& e) {
    *error = std::string("Unexpected failure: ") + e.what();
  }
  for (const std::string& name : outputs) RemoveOutput(folder, name);
  return false;
}

int ModelProgramMain(const char* programName, bool (*run)(const std::filesystem::path&, std::string*)) {
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::current_path(ec);
  if (ec) {
    std::cerr << programName << ": cannot find the working folder.\n";
    return 1;
  }
  std::string error;
  if (!run(folder, &error)) {
    std::cerr << programName << ": " << error << '\n';
    return 1;
  }
  return 0;
}

}  // namespace forecast::models
