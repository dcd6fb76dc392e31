#pragma once

#include <QObject>
#include <functional>

#include "translation/LanguageMenu.h"

class QActionGroup;

namespace vorla {

class MainCommands;
class TranslatorState;

// The pair commands of the Language menu: "Auto-Selection", the English-Finnish directions
// and, added when an account first has them, "English -> Swedish" and "More languages...".
class LanguageMenuActions : public QObject {
  Q_OBJECT

 public:
  // `chosen` runs after a command has set the pair; `moreLanguages` is the command "More
  // languages...".
  LanguageMenuActions(MainCommands& commands, TranslatorState& state, std::function<void()> chosen,
                      std::function<void()> moreLanguages, QObject* parent = nullptr);

  // The menu rules for the account and its pair bits: "English -> Swedish" is appended
  // (after a separator) once an account without further languages has the pair, "More
  // languages..." once an account with further languages logs in; each item is enabled as
  // the account allows; the check mark stands at "Auto-Selection" while automatic direction
  // is on, else at the current pair's direction.
  void Update();

 private:
  void Connect(int id, LanguageMenuItem item);
  void UpdateMoreLanguages(int accountType);

  MainCommands& commands_;
  TranslatorState& state_;
  std::function<void()> chosen_;
  std::function<void()> moreLanguages_;
  QActionGroup* group_;
};

}  // namespace vorla
