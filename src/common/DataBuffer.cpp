#include "common/DataBuffer.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "common/StringBuffer.h"

namespace vorla {

std::string_view ViewOf(IDataBuffer& buffer) {
  const char* data = buffer.GetData();
  return data ? std::string_view(data, static_cast<std::size_t>(buffer.GetLength()))
              : std::string_view();
}

namespace detail {

namespace {
constexpr std::int64_t kMaxCapacity = std::numeric_limits<std::int32_t>::max();
}

template <class Interface>
void BufferImpl<Interface>::FreeData() {
  if (!borrowed_) delete[] data_;
  data_ = nullptr;
  borrowed_ = false;
}

template <class Interface>
void BufferImpl<Interface>::Adopt(char* data, std::int32_t capacity, std::int32_t length) {
  FreeData();
  data_ = data;
  capacity_ = capacity;
  length_ = length;
  position_ = 0;
}

template <class Interface>
std::int32_t BufferImpl<Interface>::Reserve(std::int32_t needed) {
  if (needed < 0) return -1;
  if (needed < capacity_) return 0;
  // Grow to four times the capacity, or to needed + 1 when that is larger, within 32 bits.
  const std::int64_t wanted = std::int64_t{needed} + 1;
  if (wanted > kMaxCapacity) return -1;
  const std::int64_t grown = std::min(std::max(std::int64_t{capacity_} * 4, wanted), kMaxCapacity);
  char* block = new (std::nothrow) char[static_cast<std::size_t>(grown)];
  if (!block) return -1;
  if (length_ > 0) std::memcpy(block, data_, static_cast<std::size_t>(length_));
  block[length_] = '\0';
  const std::int32_t length = length_;
  const std::int32_t position = position_;
  Adopt(block, static_cast<std::int32_t>(grown), length);
  position_ = position;
  return 1;
}

template <class Interface>
std::int32_t BufferImpl<Interface>::Read(char* destination, std::int32_t count) {
  if (count <= 0 || position_ >= length_) return 0;
  const std::int32_t n = std::min(count, length_ - position_);
  std::memcpy(destination, data_ + position_, static_cast<std::size_t>(n));
  position_ += n;
  return n;
}

template <class Interface>
std::int32_t BufferImpl<Interface>::Append(const char* source, std::int32_t count) {
  if (count < 1) return 0;
  const std::int64_t total = std::int64_t{length_} + count;
  if (total >= kMaxCapacity) return -1;
  if (total >= capacity_ && Reserve(static_cast<std::int32_t>(total)) < 0) return -1;
  std::memcpy(data_ + length_, source, static_cast<std::size_t>(count));
  length_ = static_cast<std::int32_t>(total);
  data_[length_] = '\0';
  return count;
}

template <class Interface>
bool BufferImpl<Interface>::Resize(std::int32_t length) {
  if (length < 0 || Reserve(length) < 0) return false;
  length_ = length;
  if (KeepsTerminator()) Terminate();
  return true;
}

template <class Interface>
bool BufferImpl<Interface>::SetLength(std::int32_t length) {
  // A string buffer also needs the byte after the data for its terminator.
  const std::int64_t room = KeepsTerminator() ? std::int64_t{capacity_} - 1 : capacity_;
  if (length < 0 || length > std::max<std::int64_t>(room, 0)) return false;
  length_ = length;
  if (position_ > length_) position_ = length_;
  if (KeepsTerminator()) Terminate();
  return true;
}

template <class Interface>
bool BufferImpl<Interface>::Attach(std::unique_ptr<char[]> bytes, std::int32_t count) {
  if (count < 0) return false;
  if (!bytes && count > 0) {
    bytes.reset(new (std::nothrow) char[static_cast<std::size_t>(count)]);
    if (!bytes) return false;
  }
  Adopt(bytes.release(), count, count);
  return true;
}

template <class Interface>
std::unique_ptr<char[]> BufferImpl<Interface>::CopyOut(std::int32_t* length) {
  auto copy = std::make_unique<char[]>(static_cast<std::size_t>(length_) + 1);
  if (length_ > 0) std::memcpy(copy.get(), data_, static_cast<std::size_t>(length_));
  copy[static_cast<std::size_t>(length_)] = '\0';
  if (length) *length = length_;
  return copy;
}

template <class Interface>
void BufferImpl<Interface>::Clear() {
  Adopt(nullptr, 0, 0);
}

template class BufferImpl<IDataBuffer>;
template class BufferImpl<IStringBuffer>;

}  // namespace detail
}  // namespace vorla
