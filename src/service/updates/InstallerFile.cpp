#include "service/updates/InstallerFile.h"

#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "common/FileWriting.h"
#include "service/CMD5Checksum.h"
#include "service/updates/UpdateAnswer.h"

namespace vorla {

namespace {

constexpr int kMostFolders = 1000;

// A new file with the bytes; a file that was there already is left alone, a new one that
// could not be written whole is removed.
bool WriteNewFile(const std::filesystem::path& path, std::string_view bytes) {
  UniqueFile file = CreateFileExclusively(path);
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  if (std::fclose(file.release()) == 0 && written) return true;
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return false;
}

std::optional<std::string> ReadWhole(const std::filesystem::path& path, std::int32_t atMost) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string content;
  content.resize(static_cast<std::size_t>(atMost) + 1);
  in.read(content.data(), static_cast<std::streamsize>(content.size()));
  content.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return std::nullopt;
  return content;
}

}  // namespace

bool HasDigestPrefix(std::string_view bytes, std::string_view prefix) {
  return IsDigestPrefix(prefix) && CMD5Checksum::HexDigest(bytes).starts_with(prefix);
}

std::optional<std::filesystem::path> CreateUpdateFolder(const std::filesystem::path& appData) {
  for (int number = 1; number <= kMostFolders; ++number) {
    const std::filesystem::path folder = appData / ("update-" + std::to_string(number));
    std::error_code error;
    // False, without an error, when the name exists already (even as a link): try the next.
    if (std::filesystem::create_directory(folder, error)) return folder;
    if (error) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> StoreInstaller(const std::filesystem::path& folder,
                                                    std::string_view name, std::string_view bytes,
                                                    std::int32_t size,
                                                    std::string_view digestPrefix) {
  if (!IsPlainFileName(name) || size < 1) return std::nullopt;
  const std::filesystem::path path = folder / std::string(name);
  if (path.native().size() + 1 > kLongestInstallerPath) return std::nullopt;
  if (!WriteNewFile(path, bytes)) return std::nullopt;
  const auto readBack = ReadWhole(path, size);
  if (readBack && readBack->size() == static_cast<std::size_t>(size) &&
      HasDigestPrefix(*readBack, digestPrefix)) {
    return path;
  }
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return std::nullopt;
}

}  // namespace vorla
