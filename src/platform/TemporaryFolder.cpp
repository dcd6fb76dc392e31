#include "platform/TemporaryFolder.h"

#include <stdlib.h>

#include <string>
#include <system_error>

namespace vorla {

TemporaryFolder::TemporaryFolder(const std::filesystem::path& parent) {
  std::error_code error;
  std::filesystem::create_directories(parent, error);
  std::string pattern = (parent / "vorla-XXXXXX").string();
  if (mkdtemp(pattern.data())) path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  if (path_.empty()) return;
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

}  // namespace vorla
