#include "common/FileWriting.h"

#include <atomic>
#include <cerrno>
#include <random>
#include <string>
#include <system_error>

namespace vorla {

namespace {

constexpr int kTemporaryNameTries = 100;

// A short name of its own, so that a long file name still leaves room for it; the process's
// random tag keeps two programs writing into one folder apart.
std::filesystem::path TemporaryNameBeside(const std::filesystem::path& path, unsigned number) {
  static const unsigned processTag = std::random_device()();
  std::filesystem::path temporary = path;
  temporary.replace_filename(".~" + std::to_string(processTag) + "-" + std::to_string(number) +
                             ".tmp");
  return temporary;
}

unsigned NextTemporaryNumber() {
  static std::atomic<unsigned> counter{0};
  return counter.fetch_add(1);
}

}  // namespace

UniqueFile CreateFileExclusively(const std::filesystem::path& path) {
  // "x": created here and now, never an existing file.
  return UniqueFile(std::fopen(path.c_str(), "wbx"));
}

bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes) {
  for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
    const std::filesystem::path temporary = TemporaryNameBeside(path, NextTemporaryNumber());
    UniqueFile file = CreateFileExclusively(temporary);
    if (!file) {
      if (errno == EEXIST) continue;
      return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                         std::fflush(file.get()) == 0 && std::fclose(file.release()) == 0;
    std::error_code error;
    if (written) std::filesystem::rename(temporary, path, error);
    if (!written || error) {
      std::filesystem::remove(temporary, error);
      return false;
    }
    return true;
  }
  return false;
}

}  // namespace vorla
