#include "ui/main/MainCommands.h"

#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <stdexcept>

#include "ui/BundledIcon.h"
#include "ui/Mnemonics.h"
#include "ui/UiText.h"
#include "ui/main/CommandIcons.h"
#include "ui/main/CommandIds.h"

namespace vorla {

MainCommands::MainCommands(QWidget& window) : window_(window) {
  for (const CommandInfo& command : MainCommandTable())
    Add(command);
  for (const CommandIcon& icon : CommandIcons())
    (*this)[icon.id].setIcon(ThemeIcon(Utf8Text(icon.name)));
}

QAction& MainCommands::Add(const CommandInfo& command) {
  auto* action = new QAction(&window_);
  action->setShortcut(QKeySequence(Utf8Text(command.shortcut)));
  action->setCheckable(command.checkable);
  action->setText(UiText(command.text, language_));
  window_.addAction(action);
  actions_[command.id] = action;
  texts_[command.id] = command.text;
  return *action;
}

QAction& MainCommands::operator[](int id) const {
  const auto found = actions_.find(id);
  if (found == actions_.end())
    throw std::out_of_range("no main window command " + std::to_string(id));
  return *found->second;
}

void MainCommands::Fill(QMenu& menu, std::span<const int> commands) {
  const std::span<const MenuInfo> submenus = SubmenuTable();
  for (const int id : commands) {
    const auto submenu = std::ranges::find(submenus, id, &MenuInfo::id);
    if (id == kMenuSeparator) {
      menu.addSeparator();
    } else if (submenu != submenus.end()) {
      AddMenu(*menu.addMenu(QString()), *submenu);
    } else {
      menu.addAction(&(*this)[id]);
    }
  }
}

void MainCommands::AddMenu(QMenu& menu, const MenuInfo& info) {
  menus_.push_back({&menu, info.title});
  Fill(menu, info.commands);
}

void MainCommands::BuildMenuBar(QMenuBar& menuBar) {
  menuBar_ = &menuBar;
  for (const MenuInfo& info : MainMenuTable())
    AddMenu(*menuBar.addMenu(QString()), info);
  Retranslate(language_);
}

QMenu* MainCommands::MenuOf(int id) const {
  const auto found = std::ranges::find_if(
      menus_, [this, id](const Menu& menu) { return menu.menu->actions().contains(&(*this)[id]); });
  return found == menus_.end() ? nullptr : found->menu;
}

bool MainCommands::AppendOnce(int menuCommand, const CommandInfo& command) {
  if (Contains(command.id)) return false;
  QMenu* menu = MenuOf(menuCommand);
  if (!menu) return false;
  menu->addSeparator();
  menu->addAction(&Add(command));
  AssignMnemonics(*menu);
  return true;
}

QMenu* MainCommands::BuildPaneContextMenu(QWidget* parent) {
  paneMenu_ = new QMenu(parent);
  Fill(*paneMenu_, PaneContextMenuCommands());
  AssignMnemonics(*paneMenu_);
  return paneMenu_;
}

void MainCommands::Retranslate(UiLanguage language) {
  language_ = language;
  for (const auto& [id, action] : actions_)
    action->setText(UiText(texts_.at(id), language));
  for (const Menu& menu : menus_)
    menu.menu->setTitle(UiText(menu.title, language));
  // The menu bar's menus first: the context menu shares their commands and keeps their
  // letters.
  if (menuBar_) AssignMnemonics(*menuBar_);
  for (const Menu& menu : menus_)
    AssignMnemonics(*menu.menu);
  if (paneMenu_) AssignMnemonics(*paneMenu_);
}

}  // namespace vorla
