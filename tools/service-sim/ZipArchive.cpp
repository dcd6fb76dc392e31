// minizip reads and writes archives as files, so each call goes through a temporary folder.
#include "ZipArchive.h"

#include <unzip.h>
#include <zip.h>

#include <fstream>
#include <iterator>

#include "platform/TemporaryFolder.h"

namespace vorla::sim {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kReadChunk = 64 * 1024;

std::optional<std::string> ReadMember(unzFile archive) {
  if (unzOpenCurrentFile(archive) != UNZ_OK) return std::nullopt;
  std::string data;
  std::string chunk(kReadChunk, '\0');
  int read = 0;
  while ((read = unzReadCurrentFile(archive, chunk.data(), kReadChunk)) > 0) {
    data.append(chunk.data(), static_cast<std::size_t>(read));
  }
  // UNZ_CRCERROR and the like come back from closing.
  if (unzCloseCurrentFile(archive) != UNZ_OK || read < 0) return std::nullopt;
  return data;
}

std::optional<std::vector<ZipEntry>> ReadMembers(unzFile archive) {
  std::vector<ZipEntry> entries;
  for (int at = unzGoToFirstFile(archive); at == UNZ_OK; at = unzGoToNextFile(archive)) {
    unz_file_info64 info{};
    char name[1024];
    if (unzGetCurrentFileInfo64(archive, &info, name, sizeof name, nullptr, 0, nullptr, 0) !=
        UNZ_OK) {
      return std::nullopt;
    }
    std::optional<std::string> data = ReadMember(archive);
    if (!data) return std::nullopt;
    entries.push_back({name, std::move(*data), info.compression_method == 0});
  }
  if (entries.empty()) return std::nullopt;
  return entries;
}

bool WriteMember(zipFile archive, const ZipEntry& entry) {
  zip_fileinfo info{};
  const int method = entry.stored ? 0 : Z_DEFLATED;
  if (zipOpenNewFileInZip(archive, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                          method, Z_DEFAULT_COMPRESSION) != ZIP_OK) {
    return false;
  }
  const bool written =
      entry.data.empty() || zipWriteInFileInZip(archive, entry.data.data(),
                                                static_cast<unsigned>(entry.data.size())) == ZIP_OK;
  return zipCloseFileInZip(archive) == ZIP_OK && written;
}

}  // namespace

std::optional<std::vector<ZipEntry>> ReadZip(std::string_view bytes) {
  const TemporaryFolder work(fs::temp_directory_path());
  if (work.path().empty()) return std::nullopt;
  const fs::path path = work.path() / "in.zip";
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
  unzFile archive = unzOpen64(path.c_str());
  if (!archive) return std::nullopt;
  std::optional<std::vector<ZipEntry>> entries = ReadMembers(archive);
  unzClose(archive);
  return entries;
}

std::optional<std::string> WriteZip(const std::vector<ZipEntry>& entries) {
  const TemporaryFolder work(fs::temp_directory_path());
  if (work.path().empty()) return std::nullopt;
  const fs::path path = work.path() / "out.zip";
  zipFile archive = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
  if (!archive) return std::nullopt;
  bool written = true;
  for (const ZipEntry& entry : entries)
    written = written && WriteMember(archive, entry);
  if (zipClose(archive, nullptr) != ZIP_OK || !written) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace vorla::sim
