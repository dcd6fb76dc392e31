#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>

namespace vorla {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// Creates path as a new file open for binary writing; null when it exists already or cannot
// be created.
UniqueFile CreateFileExclusively(const std::filesystem::path& path);

// Writes bytes to path through a new temporary file in the same folder that is then renamed
// over it: afterwards path holds either its former content or all of the new one, never part.
// False when the bytes could not be written (the temporary file is removed then).
bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vorla
