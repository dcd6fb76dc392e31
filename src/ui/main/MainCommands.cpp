#include "ui/main/MainCommands.h"

#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <stdexcept>

#include "ui/UiText.h"
#include "ui/main/CommandIds.h"

namespace vorla {

MainCommands::MainCommands(QWidget& window) : window_(window) {
  for (const CommandInfo& command : MainCommandTable())
    Add(command);
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
  for (const int id : commands) {
    if (id == kMenuSeparator) {
      menu.addSeparator();
    } else {
      menu.addAction(&(*this)[id]);
    }
  }
}

void MainCommands::BuildMenuBar(QMenuBar& menuBar) {
  for (const MenuInfo& info : MainMenuTable()) {
    QMenu* menu = menuBar.addMenu(UiText(info.title, language_));
    Fill(*menu, info.commands);
    menus_.push_back({menu, info.title});
  }
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
  return true;
}

QMenu* MainCommands::BuildPaneContextMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  Fill(*menu, PaneContextMenuCommands());
  return menu;
}

void MainCommands::Retranslate(UiLanguage language) {
  language_ = language;
  for (const auto& [id, action] : actions_)
    action->setText(UiText(texts_.at(id), language));
  for (const Menu& menu : menus_)
    menu.menu->setTitle(UiText(menu.title, language));
}

}  // namespace vorla
