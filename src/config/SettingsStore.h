#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla {

// The store of the user's settings: named string values under the product's key.
// Names and values are Windows-1252 text; a store converts them to what its medium holds.
// Every operation stands alone (no lock is held between calls), so worker threads and the
// window thread may use one store at once.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The value, or nothing when it is missing or not a string.
  virtual std::optional<std::string> ReadValue(std::string_view name) const = 0;
  // False when the store cannot be written.
  virtual bool WriteValue(std::string_view name, std::string_view value) = 0;
  virtual bool DeleteValue(std::string_view name) = 0;
};

}  // namespace vorla
