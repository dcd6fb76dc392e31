#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/Unknown.h"

namespace vorla {

// An ordered list of strings. The list keeps its own copy of every string added.
class IStringList : public IUnknown {
 public:
  using Parent = IUnknown;
  static constexpr InterfaceId kIid = MakeInterfaceId("6E09102D-9E68-43F5-8A39-81949A646639");

  // Texts are taken up to count bytes (a count below 1 means the whole zero-terminated
  // text) and never beyond their terminating zero. A null text is ignored.
  // Returns the new count.
  virtual std::int32_t Add(const char* text, std::int32_t count) = 0;
  // Inserts before index (0 to count); returns index, or -1 when nothing was inserted.
  virtual std::int32_t Insert(std::int32_t index, const char* text, std::int32_t count) = 0;
  // Replaces the entry at index (index equal to count appends); returns index or -1.
  virtual std::int32_t Replace(std::int32_t index, const char* text, std::int32_t count) = 0;
  // Removes the first entry equal to text; returns its former index or -1.
  virtual std::int32_t Remove(const char* text) = 0;
  virtual std::int32_t ReplaceText(const char* oldText, const char* newText,
                                   std::int32_t count) = 0;
  virtual std::int32_t GetCount() = 0;
  // The entry, or null when index is outside the list.
  virtual const char* Get(std::int32_t index) = 0;
  // Index of the first entry equal to text (bytes compared), or -1.
  virtual std::int32_t Find(const char* text) = 0;

 protected:
  ~IStringList() override = default;
};

class StringList final : public UnknownImpl<IStringList> {
 public:
  StringList() = default;
  ~StringList() override = default;

  std::int32_t Add(const char* text, std::int32_t count) override;
  std::int32_t Insert(std::int32_t index, const char* text, std::int32_t count) override;
  std::int32_t Replace(std::int32_t index, const char* text, std::int32_t count) override;
  std::int32_t Remove(const char* text) override;
  std::int32_t ReplaceText(const char* oldText, const char* newText, std::int32_t count) override;
  std::int32_t GetCount() override { return static_cast<std::int32_t>(entries_.size()); }
  const char* Get(std::int32_t index) override;
  std::int32_t Find(const char* text) override;

 private:
  bool IsInsertPosition(std::int32_t index) const {
    return index >= 0 && static_cast<std::size_t>(index) <= entries_.size();
  }

  std::vector<std::string> entries_;
};

}  // namespace vorla
