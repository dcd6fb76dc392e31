#include "documents/files/DocumentFileReading.h"

#include <fstream>
#include <system_error>

namespace vorla {

namespace {

constexpr std::size_t kChunk = 1 << 20;

}  // namespace

bool DocumentSizeAccepted(std::uintmax_t size) {
  return size <= kLargestDocumentFile;
}

DocumentRead ReadDocumentFile(const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return {DocumentReadStatus::CannotAccess, {}};
  if (!DocumentSizeAccepted(size)) return {DocumentReadStatus::TooBig, {}};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {DocumentReadStatus::CannotAccess, {}};

  DocumentRead read{DocumentReadStatus::Read, {}};
  read.bytes.reserve(size);
  std::string chunk(kChunk, '\0');
  while (in) {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (!DocumentSizeAccepted(read.bytes.size() + got)) return {DocumentReadStatus::TooBig, {}};
    read.bytes.append(chunk, 0, got);
  }
  if (in.bad()) return {DocumentReadStatus::CannotAccess, {}};
  if (read.bytes.empty()) read.status = DocumentReadStatus::Empty;
  return read;
}

}  // namespace vorla
