#pragma once

#include <QIcon>
#include <QString>

namespace vorla {

// A picture built into the program: every "<name>-<size>.png" of a resource folder, so the
// icon has a sharp size for each scale. Null when the folder holds none.
QIcon BundledIcon(const QString& folder, const QString& name);

// The desktop's icon theme's icon of a freedesktop name, else the bundled picture of that
// name (resource folder :/icons/actions), so themeless desktops and the offscreen tests
// show one too.
QIcon ThemeIcon(const QString& name);

}  // namespace vorla
