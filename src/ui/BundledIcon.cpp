#include "ui/BundledIcon.h"

#include <QDir>

namespace vorla {

QIcon BundledIcon(const QString& folder, const QString& name) {
  QIcon icon;
  const QDir pictures(folder);
  for (const QString& file : pictures.entryList({name + QStringLiteral("-*.png")}, QDir::Files))
    icon.addFile(pictures.filePath(file));
  return icon;
}

QIcon ThemeIcon(const QString& name) {
  return QIcon::fromTheme(name, BundledIcon(QStringLiteral(":/icons/actions"), name));
}

}  // namespace vorla
