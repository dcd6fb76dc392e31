#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace vorla {

class ZipWriter;

enum class ZipEntryRead { Read, Missing, TooLarge, Failed };

// An archive read through minizip, from a file or from bytes in memory (which must outlive
// the reader).
class ZipReader {
 public:
  // Null when the bytes or the file are not an archive.
  static std::unique_ptr<ZipReader> OpenBytes(std::string_view bytes);
  static std::unique_ptr<ZipReader> OpenFile(const std::filesystem::path& path);
  ~ZipReader();
  ZipReader(const ZipReader&) = delete;
  ZipReader& operator=(const ZipReader&) = delete;

  // The inflated bytes of an entry, which must stay below limit: both the size the archive
  // announces and the bytes actually inflated are held to it.
  ZipEntryRead ReadEntry(std::string_view name, std::size_t limit, std::string& out);
  // Copies every entry but the two named ones into the writer without inflating them.
  bool CopyEntriesExcept(std::string_view skipped1, std::string_view skipped2, ZipWriter& writer);

 private:
  struct Stream;
  ZipReader(std::unique_ptr<Stream> stream, void* archive);
  bool CopyCurrentEntry(ZipWriter& writer);

  std::unique_ptr<Stream> stream_;
  void* archive_;
};

// An archive written through minizip into a string, which it empties first.
class ZipWriter {
 public:
  explicit ZipWriter(std::string& out);
  ~ZipWriter();
  ZipWriter(const ZipWriter&) = delete;
  ZipWriter& operator=(const ZipWriter&) = delete;

  bool ok() const { return archive_ != nullptr && ok_; }
  // Adds an entry deflated at zlib's default level.
  bool AddDeflated(std::string_view name, std::string_view data);
  // Adds an entry whose compressed bytes, method, CRC and size are given.
  bool AddRaw(std::string_view name, std::string_view compressed, int method, int level,
              unsigned long crc, std::size_t size);
  // Writes the central directory; the string then holds the whole archive.
  bool Close();

 private:
  struct Stream;
  std::unique_ptr<Stream> stream_;
  void* archive_ = nullptr;
  bool ok_ = true;
};

}  // namespace vorla
