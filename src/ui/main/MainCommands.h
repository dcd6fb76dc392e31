#pragma once

#include <QAction>
#include <map>
#include <span>
#include <vector>

#include "common/UiLanguage.h"
#include "ui/main/CommandTable.h"

class QMenu;
class QMenuBar;
class QWidget;

namespace vorla {

// The main window's commands as actions, its menu bar and the pane context menu, all in
// the UI language. The actions belong to the window, so their shortcuts work wherever the
// focus is in it.
class MainCommands {
 public:
  explicit MainCommands(QWidget& window);

  QAction& operator[](int id) const;
  bool Contains(int id) const { return actions_.contains(id); }

  // Fills the menu bar from the menu table, its submenus included.
  void BuildMenuBar(QMenuBar& menuBar);
  // Appends a command of its own to a menu of the bar, once: false when it is there already.
  bool AppendOnce(int menuCommand, const CommandInfo& command);
  // The context menu of the panes.
  QMenu* BuildPaneContextMenu(QWidget* parent);

  // Every text again in the language, each menu with its mnemonics.
  void Retranslate(UiLanguage language);

 private:
  QAction& Add(const CommandInfo& command);
  void Fill(QMenu& menu, std::span<const int> commands);
  void AddMenu(QMenu& menu, const MenuInfo& info);
  // The menu of the bar that holds the command.
  QMenu* MenuOf(int id) const;

  struct Menu {
    QMenu* menu;
    BilingualText title;
  };

  QWidget& window_;
  std::map<int, QAction*> actions_;
  std::map<int, BilingualText> texts_;
  // The menus of the bar and their submenus.
  std::vector<Menu> menus_;
  QMenuBar* menuBar_ = nullptr;
  QMenu* paneMenu_ = nullptr;
  UiLanguage language_ = UiLanguage::Finnish;
};

}  // namespace vorla
