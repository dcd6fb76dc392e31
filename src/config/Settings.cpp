#include "config/Settings.h"

#include <limits>

namespace vorla {

std::optional<int> ParseStoredInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                             text[i] == '\r' || text[i] == '\v' || text[i] == '\f')) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  constexpr long long kLimit = std::numeric_limits<int>::max() + 1LL;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kLimit) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<bool> ParseStoredBoolean(std::string_view text) {
  if (text.empty()) return std::nullopt;
  constexpr std::string_view kTrue = "true";
  if (text.size() != kTrue.size()) return false;
  for (std::size_t i = 0; i < kTrue.size(); ++i) {
    const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] + 32) : text[i];
    if (c != kTrue[i]) return false;
  }
  return true;
}

Settings::Settings(std::shared_ptr<SettingsStore> store) : store_(std::move(store)) {}

std::optional<std::string> Settings::ReadString(std::string_view name) const {
  return store_->ReadValue(name);
}

int Settings::ReadInteger(std::string_view name, int defaultValue) const {
  const auto text = store_->ReadValue(name);
  if (!text) return defaultValue;
  return ParseStoredInteger(*text).value_or(defaultValue);
}

bool Settings::ReadBoolean(std::string_view name, bool defaultValue) const {
  const auto text = store_->ReadValue(name);
  if (!text) return defaultValue;
  return ParseStoredBoolean(*text).value_or(defaultValue);
}

bool Settings::WriteString(std::string_view name, std::string_view value) {
  return store_->WriteValue(name, value);
}

bool Settings::WriteInteger(std::string_view name, int value) {
  return store_->WriteValue(name, std::to_string(value));
}

bool Settings::WriteBoolean(std::string_view name, bool value) {
  return store_->WriteValue(name, value ? "true" : "false");
}

bool Settings::DeleteValue(std::string_view name) {
  return store_->DeleteValue(name);
}

}  // namespace vorla
