#pragma once

#include <map>
#include <mutex>

#include "config/SettingsStore.h"

namespace vorla {

// A settings store held in memory, for tests and for runs that must not touch the user's store.
class MemorySettingsStore final : public SettingsStore {
 public:
  std::optional<std::string> ReadValue(std::string_view name) const override;
  bool WriteValue(std::string_view name, std::string_view value) override;
  bool DeleteValue(std::string_view name) override;

 private:
  mutable std::mutex mutex_;
  std::map<std::string, std::string, std::less<>> values_;
};

}  // namespace vorla
