#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "config/SettingsStore.h"

namespace vorla {

// Typed access to the settings store: strings as they are, integers as decimal text,
// booleans as "true" / "false". A missing value gives the caller's default.
class Settings {
 public:
  explicit Settings(std::shared_ptr<SettingsStore> store);

  std::optional<std::string> ReadString(std::string_view name) const;
  // Leading blanks and a sign are allowed and the parse stops at the first non-digit
  // ("12pt" reads 12); a value that overflows reads as missing.
  int ReadInteger(std::string_view name, int defaultValue) const;
  // "true" in any letter case is true, any other non-empty text false.
  bool ReadBoolean(std::string_view name, bool defaultValue) const;

  bool WriteString(std::string_view name, std::string_view value);
  bool WriteInteger(std::string_view name, int value);
  bool WriteBoolean(std::string_view name, bool value);
  bool DeleteValue(std::string_view name);

  SettingsStore& Store() const { return *store_; }

 private:
  std::shared_ptr<SettingsStore> store_;
};

// The integer parse of stored values; nothing when the number does not fit in an int.
std::optional<int> ParseStoredInteger(std::string_view text);
// The boolean parse of stored values; nothing for an empty text.
std::optional<bool> ParseStoredBoolean(std::string_view text);

}  // namespace vorla
