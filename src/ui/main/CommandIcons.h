#pragma once

#include <span>
#include <string_view>

namespace vorla {

// The icon of a command in the menus and the toolbar, by its freedesktop name: the desktop
// theme's picture of that name, or the bundled one.
struct CommandIcon {
  int id;
  std::string_view name;
};

std::span<const CommandIcon> CommandIcons();

}  // namespace vorla
