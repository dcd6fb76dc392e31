#pragma once

#include <cstddef>
#include <string_view>

namespace vorla {

// Bytes in one heap block that grows in place where it can: the C allocator remaps large
// blocks instead of copying them, which matters for results of hundreds of megabytes.
// Keeps room for a zero byte after the data, written by SetSize.
class ByteBlock {
 public:
  ByteBlock() = default;
  ~ByteBlock();
  ByteBlock(ByteBlock&& other) noexcept;
  ByteBlock& operator=(ByteBlock&& other) noexcept;
  ByteBlock(const ByteBlock&) = delete;
  ByteBlock& operator=(const ByteBlock&) = delete;

  // Room for capacity bytes and the terminator; false when the memory cannot be had.
  bool Reserve(std::size_t capacity);
  // Sets the length within the capacity and writes the terminator.
  void SetSize(std::size_t size);

  char* data() { return data_; }
  const char* data() const { return data_; }
  std::size_t size() const { return size_; }
  std::size_t capacity() const { return capacity_; }
  std::string_view view() const { return {data_, size_}; }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace vorla
