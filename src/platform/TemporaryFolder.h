#pragma once

#include <filesystem>

namespace vorla {

// A new, empty folder of its own under parent, removed with everything in it when the object
// goes. path() is empty when the folder could not be made.
class TemporaryFolder {
 public:
  explicit TemporaryFolder(const std::filesystem::path& parent);
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace vorla
