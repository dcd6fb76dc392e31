#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QWidget>
#include <set>

#include "ui/Mnemonics.h"

namespace vorla::test {

// Every item of a menu or a menu bar (separators aside) has a mnemonic, and no two share
// one.
inline testing::AssertionResult HasDistinctMnemonics(const QWidget& menu) {
  std::set<QChar> letters;
  for (const QAction* action : menu.actions()) {
    if (action->isSeparator()) continue;
    const std::optional<QChar> letter = MnemonicOf(action->text());
    if (!letter) return testing::AssertionFailure() << action->text().toStdString() << " has none";
    if (!letters.insert(*letter).second) {
      return testing::AssertionFailure() << action->text().toStdString() << " repeats '"
                                         << QString(*letter).toStdString() << "'";
    }
  }
  return testing::AssertionSuccess();
}

}  // namespace vorla::test
