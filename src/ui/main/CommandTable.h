#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "common/Bilingual.h"

namespace vorla {

// A command of the main window: its identifier, its text in both languages, the shortcut
// the menu shows (portable text, empty for none), and whether it is a check item.
struct CommandInfo {
  int id = 0;
  BilingualText text;
  std::string_view shortcut;
  bool checkable = false;
};

// A menu of the menu bar: its title and its commands in order (kMenuSeparator between
// groups).
struct MenuInfo {
  BilingualText title;
  std::vector<int> commands;
};

// Every command the main window offers.
std::span<const CommandInfo> MainCommandTable();
// The menu bar, menu by menu.
std::span<const MenuInfo> MainMenuTable();
// The context menu of both panes.
std::span<const int> PaneContextMenuCommands();
// The Language menu's "English -> Swedish" and "More languages...", which are added at run
// time.
CommandInfo EnglishSwedishCommand();
CommandInfo MoreLanguagesCommand();

}  // namespace vorla
