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
// groups, a submenu's id where it stands).
struct MenuInfo {
  BilingualText title;
  std::vector<int> commands;
  // A submenu's id; 0 for the menus of the bar.
  int id = 0;
};

// A radio item of the Settings menu's "User interface language".
struct UiLanguageCommand {
  int id;
  UiLanguage language;
};

// Every command the main window offers.
std::span<const CommandInfo> MainCommandTable();
// The command of an identifier; throws std::out_of_range for one the table lacks.
const CommandInfo& FindCommand(int id);
// The menu bar, menu by menu.
std::span<const MenuInfo> MainMenuTable();
// The submenus the menus place.
std::span<const MenuInfo> SubmenuTable();
std::span<const UiLanguageCommand> UiLanguageCommands();
// The context menu of both panes.
std::span<const int> PaneContextMenuCommands();
// The Language menu's "English -> Swedish" and "More languages...", which are added at run
// time.
CommandInfo EnglishSwedishCommand();
CommandInfo MoreLanguagesCommand();

}  // namespace vorla
