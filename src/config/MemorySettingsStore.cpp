#include "config/MemorySettingsStore.h"

namespace vorla {

std::optional<std::string> MemorySettingsStore::ReadValue(std::string_view name) const {
  std::lock_guard lock(mutex_);
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

bool MemorySettingsStore::WriteValue(std::string_view name, std::string_view value) {
  std::lock_guard lock(mutex_);
  values_.insert_or_assign(std::string(name), std::string(value));
  return true;
}

bool MemorySettingsStore::DeleteValue(std::string_view name) {
  std::lock_guard lock(mutex_);
  const auto it = values_.find(name);
  if (it != values_.end()) values_.erase(it);
  return true;
}

}  // namespace vorla
