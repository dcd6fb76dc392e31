#pragma once

#include <QString>
#include <optional>
#include <vector>

class QWidget;

namespace vorla {

// Menu mnemonics, the letter after "&" that Alt (inside an open menu, the letter alone)
// chooses. The command texts carry none: each menu gives its items theirs when its texts
// are set, so no two items of one menu share a letter in either language and items added
// later get one too.

// The text as shown, without its mark ("&&" is a literal "&").
QString WithoutMnemonic(const QString& text);
// The marked letter in lower case; none without a mark.
std::optional<QChar> MnemonicOf(const QString& text);

// One distinct letter (or digit) marked in each text, case aside. A mark already there
// stays while its letter is free; the others take the first free letter that starts a
// word, else the first free one anywhere. A text with no free letter is left unmarked.
std::vector<QString> WithMnemonics(const std::vector<QString>& texts);

// The same for the items of a menu or a menu bar, separators aside.
void AssignMnemonics(QWidget& menu);

}  // namespace vorla
