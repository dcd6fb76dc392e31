#pragma once

#include <QObject>
#include <functional>

#include "translation/LanguageMenu.h"

class QActionGroup;

namespace vorla {

class MainCommands;
class TranslatorState;

// The pair commands of the Language menu: "Auto-Selection", the English-Finnish directions
// and, added when an account first has it, "English -> Swedish".
class LanguageMenuActions : public QObject {
  Q_OBJECT

 public:
  // `chosen` runs after a command has set the pair.
  LanguageMenuActions(MainCommands& commands, TranslatorState& state, std::function<void()> chosen,
                      QObject* parent = nullptr);

  // The menu rules for the account and its pair bits: "English -> Swedish" is appended
  // (after a separator) once an account without further languages has the pair; each item
  // is enabled as the account allows; the check mark stands at "Auto-Selection" while
  // automatic direction is on, else at the current pair's direction.
  void Update();

 private:
  void Connect(int id, LanguageMenuItem item);

  MainCommands& commands_;
  TranslatorState& state_;
  std::function<void()> chosen_;
  QActionGroup* group_;
};

}  // namespace vorla
