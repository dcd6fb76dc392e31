#include "common/StringBuffer.h"

#include <cstring>
#include <limits>

namespace vorla {

StringBuffer::StringBuffer(std::int32_t initialSize) {
  constexpr std::int32_t kFallbackSize = 1024;
  const bool fits = initialSize >= 0 && initialSize < std::numeric_limits<std::int32_t>::max();
  const std::int32_t capacity = fits ? initialSize + 1 : kFallbackSize;
  auto block = std::make_unique<char[]>(static_cast<std::size_t>(capacity));
  block[0] = '\0';
  Adopt(block.release(), capacity, 0);
}

std::int32_t StringBuffer::AppendString(const char* text, std::int32_t count) {
  if (!text) return 0;
  if (count < 1) {
    const std::size_t length = std::strlen(text);
    if (length > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return -1;
    count = static_cast<std::int32_t>(length);
  }
  if (count == 0) return 0;
  return Append(text, count);
}

bool StringBuffer::Attach(std::unique_ptr<char[]> bytes, std::int32_t count) {
  if (count < 0 || count == std::numeric_limits<std::int32_t>::max()) return false;
  // Make room for the terminator after the attached bytes.
  auto block = std::make_unique<char[]>(static_cast<std::size_t>(count) + 1);
  if (bytes && count > 0) std::memcpy(block.get(), bytes.get(), static_cast<std::size_t>(count));
  block[static_cast<std::size_t>(count)] = '\0';
  Adopt(block.release(), count + 1, count);
  return true;
}

}  // namespace vorla
