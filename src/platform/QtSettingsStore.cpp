#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/Windows1252.h"
#include "config/Config.h"

namespace vorla {

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString QtText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString FromCp1252(std::string_view text) {
  return QtText(Cp1252ToUtf8(text));
}

// The file will hold the password digest: it is created readable by its owner only, and an
// older file is narrowed before it is rewritten (the rewrite keeps the mode).
void MakeOwnerOnly(const QString& file) {
  if (QFile::exists(file)) {
    QFile::setPermissions(file, kOwnerOnly);
    return;
  }
  QDir().mkpath(QFileInfo(file).absolutePath());
  QFile created(file);
  created.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly);
}

}  // namespace

QtSettingsStore::QtSettingsStore(const Environment& environment) {
  if (environment.home) {
    format_ = QSettings::IniFormat;
    location_ = QFile::decodeName((*environment.home / "settings.ini").string().c_str());
    return;
  }
#ifdef Q_OS_WIN
  format_ = QSettings::NativeFormat;
#else
  format_ = QSettings::IniFormat;
#endif
  const QSettings user(format_, QSettings::UserScope, QtText(Config::kMakerName),
                       QtText(Config::kProductName));
  location_ = user.fileName();
}

std::unique_ptr<QSettings> QtSettingsStore::Open() const {
  return std::make_unique<QSettings>(location_, format_);
}

std::optional<std::string> QtSettingsStore::ReadValue(std::string_view name) const {
  const QVariant value = Open()->value(FromCp1252(name));
  if (value.typeId() != QMetaType::QString) return std::nullopt;
  return Utf8ToCp1252(value.toString().toStdString());
}

bool QtSettingsStore::WriteValue(std::string_view name, std::string_view value) {
  return Change(name, FromCp1252(value));
}

bool QtSettingsStore::DeleteValue(std::string_view name) {
  return Change(name, std::nullopt);
}

bool QtSettingsStore::Change(std::string_view name, const std::optional<QString>& value) {
  if (format_ == QSettings::IniFormat) MakeOwnerOnly(location_);
  const auto settings = Open();
  if (value) {
    settings->setValue(FromCp1252(name), *value);
  } else {
    settings->remove(FromCp1252(name));
  }
  settings->sync();
  const bool written = settings->status() == QSettings::NoError;
  if (format_ == QSettings::IniFormat) QFile::setPermissions(location_, kOwnerOnly);
  return written;
}

}  // namespace vorla
