#include "support/TempHome.h"

#include <stdlib.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

namespace vorla::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vorla-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path CurrentHome() {
  const char* home = std::getenv("VORLA_HOME");
  return home ? std::filesystem::path(home) : std::filesystem::path();
}

}  // namespace vorla::test
