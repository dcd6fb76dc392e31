#pragma once

#include "common/DataBuffer.h"

namespace vorla {

// A byte buffer that always keeps a zero byte after its data, so the data is a C string.
class IStringBuffer : public IDataBuffer {
 public:
  using Parent = IDataBuffer;
  static constexpr InterfaceId kIid = MakeInterfaceId("D4AE6A03-67DE-4DCC-ABE0-1DB55D53B647");

  virtual const char* GetString() = 0;
  virtual std::int32_t ReadString(char* destination, std::int32_t count) = 0;
  virtual std::int32_t AppendText(const char* text) = 0;
  // A count below 1 means the whole zero-terminated text; returns the bytes appended,
  // 0 for empty text, -1 when the buffer cannot grow.
  virtual std::int32_t AppendString(const char* text, std::int32_t count) = 0;

 protected:
  ~IStringBuffer() override = default;
};

namespace detail {
extern template class BufferImpl<IStringBuffer>;
}

class StringBuffer final : public detail::BufferImpl<IStringBuffer> {
 public:
  StringBuffer() = default;
  // Room for initialSize bytes and the terminator (1024 bytes when that cannot be held).
  explicit StringBuffer(std::int32_t initialSize);
  ~StringBuffer() override = default;

  const char* GetString() override { return GetData(); }
  std::int32_t ReadString(char* destination, std::int32_t count) override {
    return Read(destination, count);
  }
  std::int32_t AppendText(const char* text) override { return AppendString(text, 0); }
  std::int32_t AppendString(const char* text, std::int32_t count) override;

  bool Attach(std::unique_ptr<char[]> bytes, std::int32_t count) override;

 protected:
  bool KeepsTerminator() const override { return true; }
};

}  // namespace vorla
