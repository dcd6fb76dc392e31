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

// A new, empty folder; nothing when none could be made.
std::optional<std::filesystem::path> CreateOwnFolder(const std::filesystem::path& parent) {
  for (int number = 1; number <= kMostFolders; ++number) {
    const std::filesystem::path folder = parent / ("update-" + std::to_string(number));
    std::error_code error;
    // False, without an error, when the name exists already (even as a link): try the next.
    if (std::filesystem::create_directory(folder, error)) return folder;
    if (error) return std::nullopt;
  }
  return std::nullopt;
}

bool WriteWhole(const std::filesystem::path& path, std::string_view bytes) {
  const UniqueFile file = CreateFileExclusively(path);
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  return std::fflush(file.get()) == 0 && written;
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

std::optional<std::filesystem::path> StoreInstaller(const std::filesystem::path& appData,
                                                    std::string_view name, std::string_view bytes,
                                                    std::int32_t size,
                                                    std::string_view digestPrefix) {
  if (!IsPlainFileName(name) || size < 1) return std::nullopt;
  const auto folder = CreateOwnFolder(appData);
  if (!folder) return std::nullopt;
  const std::filesystem::path path = *folder / std::string(name);
  const bool stored = path.native().size() + 1 <= kLongestInstallerPath && WriteWhole(path, bytes);
  const auto readBack = stored ? ReadWhole(path, size) : std::nullopt;
  if (readBack && readBack->size() == static_cast<std::size_t>(size) &&
      HasDigestPrefix(*readBack, digestPrefix)) {
    return path;
  }
  std::error_code ignored;
  std::filesystem::remove_all(*folder, ignored);
  return std::nullopt;
}

}  // namespace vorla
