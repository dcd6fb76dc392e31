#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace vorla {

// The largest file that is loaded or translated.
inline constexpr std::uintmax_t kLargestDocumentFile = 511'999'999;

// Whether a file of this many bytes may be read at all.
bool DocumentSizeAccepted(std::uintmax_t size);

enum class DocumentReadStatus { Read, TooBig, CannotAccess, Empty };

struct DocumentRead {
  DocumentReadStatus status = DocumentReadStatus::CannotAccess;
  std::string bytes;
};

// Reads a whole file in binary. Its size is checked before anything is read, and the limit
// holds for what is actually read as well (a file that grows while it is read).
DocumentRead ReadDocumentFile(const std::filesystem::path& path);

}  // namespace vorla
