#include "support/temp_dir.h"

#include <atomic>
#include <random>
#include <string>
#include <unistd.h>

namespace forecast::testing {

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() /
          ("forecast-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" + std::to_string(random()));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace forecast::testing
