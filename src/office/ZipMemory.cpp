// minizip reads and writes through a table of stream functions; these keep the archive in
// memory so that no part of a workbook passes through a file.
#include "office/ZipMemory.h"

#include <unzip.h>
#include <zip.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace vorla {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

// One stream over bytes: read-only over a view, or growing in a string.
struct MemoryStream {
  std::string_view input;
  std::string* output = nullptr;
  std::size_t pos = 0;

  std::size_t size() const { return output ? output->size() : input.size(); }
  const char* data() const { return output ? output->data() : input.data(); }
};

voidpf OpenStream(voidpf opaque, const void*, int) {
  return opaque;
}

uLong ReadStream(voidpf, voidpf stream, void* buffer, uLong size) {
  auto* s = static_cast<MemoryStream*>(stream);
  const std::size_t n = std::min<std::size_t>(size, s->size() - std::min(s->pos, s->size()));
  if (n > 0) std::memcpy(buffer, s->data() + s->pos, n);
  s->pos += n;
  return static_cast<uLong>(n);
}

uLong WriteStream(voidpf, voidpf stream, const void* buffer, uLong size) {
  auto* s = static_cast<MemoryStream*>(stream);
  if (!s->output) return 0;
  if (s->pos > s->output->size()) s->output->resize(s->pos);
  const std::size_t overlap = std::min<std::size_t>(size, s->output->size() - s->pos);
  const auto* bytes = static_cast<const char*>(buffer);
  s->output->replace(s->pos, overlap, bytes, size);
  s->pos += size;
  return size;
}

ZPOS64_T TellStream(voidpf, voidpf stream) {
  return static_cast<MemoryStream*>(stream)->pos;
}

long SeekStream(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto* s = static_cast<MemoryStream*>(stream);
  ZPOS64_T base = 0;
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_CUR:
      base = s->pos;
      break;
    case ZLIB_FILEFUNC_SEEK_END:
      base = s->size();
      break;
    default:
      break;
  }
  if (offset > std::numeric_limits<std::size_t>::max() - base) return -1;
  const std::size_t target = static_cast<std::size_t>(base + offset);
  if (!s->output && target > s->size()) return -1;
  s->pos = target;
  return 0;
}

int CloseStream(voidpf, voidpf) {
  return 0;
}
int StreamError(voidpf, voidpf) {
  return 0;
}

zlib_filefunc64_def MemoryFunctions(MemoryStream* stream) {
  return {OpenStream, ReadStream,  WriteStream, TellStream,
          SeekStream, CloseStream, StreamError, stream};
}

unzFile Unz(void* archive) {
  return static_cast<unzFile>(archive);
}

}  // namespace

struct ZipReader::Stream : MemoryStream {};
struct ZipWriter::Stream : MemoryStream {};

ZipReader::ZipReader(std::unique_ptr<Stream> stream, void* archive)
    : stream_(std::move(stream)), archive_(archive) {}

ZipReader::~ZipReader() {
  unzClose(Unz(archive_));
}

std::unique_ptr<ZipReader> ZipReader::OpenBytes(std::string_view bytes) {
  auto stream = std::make_unique<Stream>();
  stream->input = bytes;
  zlib_filefunc64_def functions = MemoryFunctions(stream.get());
  unzFile archive = unzOpen2_64("", &functions);
  if (!archive) return nullptr;
  return std::unique_ptr<ZipReader>(new ZipReader(std::move(stream), archive));
}

std::unique_ptr<ZipReader> ZipReader::OpenFile(const std::filesystem::path& path) {
  unzFile archive = unzOpen64(path.c_str());
  if (!archive) return nullptr;
  return std::unique_ptr<ZipReader>(new ZipReader(nullptr, archive));
}

ZipEntryRead ZipReader::ReadEntry(std::string_view name, std::size_t limit, std::string& out) {
  const std::string entryName(name);
  if (unzLocateFile(Unz(archive_), entryName.c_str(), 1) != UNZ_OK) return ZipEntryRead::Missing;
  unz_file_info64 info{};
  if (unzGetCurrentFileInfo64(Unz(archive_), &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
    return ZipEntryRead::Failed;
  }
  if (info.uncompressed_size >= limit) return ZipEntryRead::TooLarge;
  if (unzOpenCurrentFile(Unz(archive_)) != UNZ_OK) return ZipEntryRead::Failed;
  out.clear();
  out.reserve(static_cast<std::size_t>(info.uncompressed_size));
  char chunk[kChunk];
  int read = 0;
  ZipEntryRead result = ZipEntryRead::Read;
  while ((read = unzReadCurrentFile(Unz(archive_), chunk, sizeof chunk)) > 0) {
    if (out.size() + static_cast<std::size_t>(read) >= limit) {
      result = ZipEntryRead::TooLarge;
      break;
    }
    out.append(chunk, static_cast<std::size_t>(read));
  }
  // A CRC mismatch is reported by the close.
  const int closed = unzCloseCurrentFile(Unz(archive_));
  if (result == ZipEntryRead::Read && (read < 0 || closed != UNZ_OK)) result = ZipEntryRead::Failed;
  if (result != ZipEntryRead::Read) out.clear();
  return result;
}

bool ZipReader::CopyCurrentEntry(ZipWriter& writer) {
  unz_file_info64 info{};
  char name[1024];
  if (unzGetCurrentFileInfo64(Unz(archive_), &info, name, sizeof name, nullptr, 0, nullptr, 0) !=
      UNZ_OK) {
    return false;
  }
  int method = 0;
  int level = 0;
  if (unzOpenCurrentFile2(Unz(archive_), &method, &level, 1) != UNZ_OK) return false;
  std::string compressed;
  char chunk[kChunk];
  int read = 0;
  while ((read = unzReadCurrentFile(Unz(archive_), chunk, sizeof chunk)) > 0) {
    compressed.append(chunk, static_cast<std::size_t>(read));
  }
  const bool closed = unzCloseCurrentFile(Unz(archive_)) == UNZ_OK;
  return read == 0 && closed &&
         writer.AddRaw(name, compressed, method, level, info.crc,
                       static_cast<std::size_t>(info.uncompressed_size));
}

bool ZipReader::CopyEntriesExcept(std::string_view skipped1, std::string_view skipped2,
                                  ZipWriter& writer) {
  int at = unzGoToFirstFile(Unz(archive_));
  for (; at == UNZ_OK; at = unzGoToNextFile(Unz(archive_))) {
    char name[1024];
    if (unzGetCurrentFileInfo64(Unz(archive_), nullptr, name, sizeof name, nullptr, 0, nullptr,
                                0) != UNZ_OK) {
      return false;
    }
    if (name == skipped1 || name == skipped2) continue;
    if (!CopyCurrentEntry(writer)) return false;
  }
  return at == UNZ_END_OF_LIST_OF_FILE;
}

ZipWriter::ZipWriter(std::string& out) : stream_(std::make_unique<Stream>()) {
  out.clear();
  stream_->output = &out;
  zlib_filefunc64_def functions = MemoryFunctions(stream_.get());
  archive_ = zipOpen2_64("", APPEND_STATUS_CREATE, nullptr, &functions);
}

ZipWriter::~ZipWriter() {
  if (archive_) zipClose(static_cast<zipFile>(archive_), nullptr);
}

bool ZipWriter::AddDeflated(std::string_view name, std::string_view data) {
  if (!ok()) return false;
  const std::string entryName(name);
  zip_fileinfo info{};
  zipFile archive = static_cast<zipFile>(archive_);
  ok_ = zipOpenNewFileInZip64(archive, entryName.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                              Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0) == ZIP_OK;
  while (ok_ && !data.empty()) {
    const std::size_t n = std::min<std::size_t>(data.size(), 1u << 30);
    ok_ = zipWriteInFileInZip(archive, data.data(), static_cast<unsigned>(n)) == ZIP_OK;
    data.remove_prefix(n);
  }
  ok_ = zipCloseFileInZip(archive) == ZIP_OK && ok_;
  return ok_;
}

bool ZipWriter::AddRaw(std::string_view name, std::string_view compressed, int method, int level,
                       unsigned long crc, std::size_t size) {
  if (!ok()) return false;
  const std::string entryName(name);
  zip_fileinfo info{};
  zipFile archive = static_cast<zipFile>(archive_);
  ok_ = zipOpenNewFileInZip2_64(archive, entryName.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                method, level, 1, 0) == ZIP_OK;
  if (ok_ && !compressed.empty()) {
    ok_ = zipWriteInFileInZip(archive, compressed.data(),
                              static_cast<unsigned>(compressed.size())) == ZIP_OK;
  }
  ok_ = zipCloseFileInZipRaw64(archive, size, crc) == ZIP_OK && ok_;
  return ok_;
}

bool ZipWriter::Close() {
  if (!archive_) return false;
  const bool closed = zipClose(static_cast<zipFile>(archive_), nullptr) == ZIP_OK;
  archive_ = nullptr;
  return closed && ok_;
}

}  // namespace vorla
