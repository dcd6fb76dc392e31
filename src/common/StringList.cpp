#include "common/StringList.h"

#include <cstring>

namespace vorla {

namespace {
std::string TakeText(const char* text, std::int32_t count) {
  const std::size_t limit = count < 1 ? std::strlen(text) : static_cast<std::size_t>(count);
  return std::string(text, strnlen(text, limit));
}
}  // namespace

std::int32_t StringList::Add(const char* text, std::int32_t count) {
  if (text) entries_.push_back(TakeText(text, count));
  return GetCount();
}

std::int32_t StringList::Insert(std::int32_t index, const char* text, std::int32_t count) {
  if (!text || !IsInsertPosition(index)) return -1;
  entries_.insert(entries_.begin() + index, TakeText(text, count));
  return index;
}

std::int32_t StringList::Replace(std::int32_t index, const char* text, std::int32_t count) {
  if (!text || !IsInsertPosition(index)) return -1;
  if (static_cast<std::size_t>(index) == entries_.size()) {
    entries_.push_back(TakeText(text, count));
  } else {
    entries_[static_cast<std::size_t>(index)] = TakeText(text, count);
  }
  return index;
}

std::int32_t StringList::Remove(const char* text) {
  const std::int32_t index = Find(text);
  if (index >= 0) entries_.erase(entries_.begin() + index);
  return index;
}

std::int32_t StringList::ReplaceText(const char* oldText, const char* newText, std::int32_t count) {
  const std::int32_t index = Find(oldText);
  if (index < 0 || !newText) return -1;
  entries_[static_cast<std::size_t>(index)] = TakeText(newText, count);
  return index;
}

const char* StringList::Get(std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return nullptr;
  return entries_[static_cast<std::size_t>(index)].c_str();
}

std::int32_t StringList::Find(const char* text) {
  if (!text) return -1;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i] == text) return static_cast<std::int32_t>(i);
  }
  return -1;
}

}  // namespace vorla
