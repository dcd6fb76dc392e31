#pragma once

#include <filesystem>

namespace vorla::test {

// A fresh temporary folder, removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The VORLA_HOME of the running test (set by the test main before every test).
std::filesystem::path CurrentHome();

}  // namespace vorla::test
