#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "common/Unknown.h"

namespace vorla {

// A growable byte buffer with a read position. Lengths are 32-bit, as the service and the
// panes count them; every size computation is checked and refused instead of wrapping.
class IDataBuffer : public IUnknown {
 public:
  using Parent = IUnknown;
  static constexpr InterfaceId kIid = MakeInterfaceId("04CD5C50-076B-4BA1-BA60-BCBD82027581");

  virtual std::int32_t GetLength() = 0;
  virtual std::int32_t GetPosition() = 0;
  virtual char* GetData() = 0;
  // 0 when needed is below the capacity, 1 after growing, -1 when the size cannot be held.
  virtual std::int32_t Reserve(std::int32_t needed) = 0;
  virtual bool AtEnd() = 0;
  // While set, the buffer never frees its bytes: they belong to someone else.
  virtual void SetBorrowed(bool borrowed) = 0;
  // Copies up to count bytes from the read position; returns the number copied.
  virtual std::int32_t Read(char* destination, std::int32_t count) = 0;
  // Returns count, 0 when count is below 1, -1 when the buffer cannot grow.
  virtual std::int32_t Append(const char* source, std::int32_t count) = 0;
  // Makes room for and sets the length; false for a negative length or one that cannot be held.
  virtual bool Resize(std::int32_t length) = 0;
  // Sets the length within the room the buffer already holds; false otherwise.
  virtual bool SetLength(std::int32_t length) = 0;
  // Takes the bytes (or, when null, allocates count bytes); false for a negative count.
  virtual bool Attach(std::unique_ptr<char[]> bytes, std::int32_t count) = 0;
  // A new copy of the data followed by a zero byte; *length receives the length when given.
  virtual std::unique_ptr<char[]> CopyOut(std::int32_t* length) = 0;
  virtual void Clear() = 0;

 protected:
  ~IDataBuffer() override = default;
};

// The data of a buffer as a view (empty when it holds no bytes).
std::string_view ViewOf(IDataBuffer& buffer);

namespace detail {

// The storage and the sixteen buffer operations shared by DataBuffer and StringBuffer.
template <class Interface>
class BufferImpl : public UnknownImpl<Interface> {
 public:
  ~BufferImpl() override { FreeData(); }

  std::int32_t GetLength() override { return length_; }
  std::int32_t GetPosition() override { return position_; }
  char* GetData() override { return data_; }
  std::int32_t Reserve(std::int32_t needed) override;
  bool AtEnd() override { return position_ >= length_; }
  void SetBorrowed(bool borrowed) override { borrowed_ = borrowed; }
  std::int32_t Read(char* destination, std::int32_t count) override;
  std::int32_t Append(const char* source, std::int32_t count) override;
  bool Resize(std::int32_t length) override;
  bool SetLength(std::int32_t length) override;
  bool Attach(std::unique_ptr<char[]> bytes, std::int32_t count) override;
  std::unique_ptr<char[]> CopyOut(std::int32_t* length) override;
  void Clear() override;

  std::int32_t GetCapacity() const { return capacity_; }
  bool IsBorrowed() const { return borrowed_; }

 protected:
  BufferImpl() = default;
  // A string buffer keeps a zero byte after the data.
  virtual bool KeepsTerminator() const { return false; }
  void Terminate() {
    if (data_) data_[length_] = '\0';
  }
  void Adopt(char* data, std::int32_t capacity, std::int32_t length);

 private:
  void FreeData();

  char* data_ = nullptr;
  std::int32_t capacity_ = 0;
  std::int32_t length_ = 0;
  std::int32_t position_ = 0;
  bool borrowed_ = false;
};

extern template class BufferImpl<IDataBuffer>;

}  // namespace detail

class DataBuffer final : public detail::BufferImpl<IDataBuffer> {
 public:
  DataBuffer() = default;
  ~DataBuffer() override = default;
};

}  // namespace vorla
