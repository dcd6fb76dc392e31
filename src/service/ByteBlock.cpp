#include "service/ByteBlock.h"

#include <cstdlib>
#include <utility>

namespace vorla {

ByteBlock::~ByteBlock() {
  std::free(data_);
}

ByteBlock::ByteBlock(ByteBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

ByteBlock& ByteBlock::operator=(ByteBlock&& other) noexcept {
  if (this != &other) {
    std::free(data_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
  }
  return *this;
}

bool ByteBlock::Reserve(std::size_t capacity) {
  if (capacity <= capacity_ && data_) return true;
  void* grown = std::realloc(data_, capacity + 1);
  if (!grown) return false;
  data_ = static_cast<char*>(grown);
  capacity_ = capacity;
  return true;
}

void ByteBlock::SetSize(std::size_t size) {
  size_ = size;
  data_[size_] = '\0';
}

}  // namespace vorla
