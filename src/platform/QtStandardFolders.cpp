#include "platform/QtStandardFolders.h"

#include <QFile>
#include <QStandardPaths>

namespace vorla {

namespace {

std::filesystem::path Location(QStandardPaths::StandardLocation location) {
  return std::filesystem::path(
      QFile::encodeName(QStandardPaths::writableLocation(location)).toStdString());
}

}  // namespace

std::optional<std::filesystem::path> QtStandardFolders::LocalAppData() const {
  std::filesystem::path folder = Location(QStandardPaths::GenericDataLocation);
  if (folder.empty()) return std::nullopt;
  return folder;
}

std::filesystem::path QtStandardFolders::Documents() const {
  return Location(QStandardPaths::DocumentsLocation);
}

std::filesystem::path QtStandardFolders::Temp() const {
  return Location(QStandardPaths::TempLocation);
}

}  // namespace vorla
