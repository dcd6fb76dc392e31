#pragma once

#include <QSettings>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "config/Environment.h"
#include "config/SettingsStore.h"

namespace vorla {

// The settings store on QSettings: the registry key Software\Vorla Systems\Vorla Tool on
// Windows, an INI file (UTF-8, readable by its owner only) elsewhere, and the INI file
// settings.ini in VORLA_HOME when that is set. Every value is a string; a value of another
// type counts as missing. Each operation opens the store by itself and writes through at
// once, so threads and other processes may write at the same time without losing values.
class QtSettingsStore final : public SettingsStore {
 public:
  explicit QtSettingsStore(const Environment& environment);

  std::optional<std::string> ReadValue(std::string_view name) const override;
  bool WriteValue(std::string_view name, std::string_view value) override;
  bool DeleteValue(std::string_view name) override;

  // Where the values live: the file, or the registry key.
  std::string Location() const { return location_.toStdString(); }

 private:
  std::unique_ptr<QSettings> Open() const;
  // Sets (or, without a value, removes) one value and writes the store.
  bool Change(std::string_view name, const std::optional<QString>& value);

  QString location_;
  QSettings::Format format_;
};

}  // namespace vorla
