#include "ui/Mnemonics.h"

#include <QAction>
#include <QWidget>
#include <set>

namespace vorla {

namespace {

constexpr QChar kMark = u'&';

// The shown text with the mark before position `at`, literal marks doubled.
QString MarkedAt(const QString& plain, qsizetype at) {
  QString marked;
  marked.reserve(plain.size() + 1);
  for (qsizetype i = 0; i < plain.size(); ++i) {
    if (i == at) marked += kMark;
    if (plain[i] == kMark) marked += kMark;
    marked += plain[i];
  }
  return marked;
}

bool StartsWord(const QString& plain, qsizetype at) {
  return at == 0 || !plain[at - 1].isLetterOrNumber();
}

// Marks the first free letter of the text; only those that start a word when asked.
std::optional<QString> MarkFreeLetter(const QString& text, bool wordStartsOnly,
                                      std::set<QChar>& taken) {
  const QString plain = WithoutMnemonic(text);
  for (qsizetype i = 0; i < plain.size(); ++i) {
    if (!plain[i].isLetterOrNumber() || (wordStartsOnly && !StartsWord(plain, i))) continue;
    if (taken.insert(plain[i].toLower()).second) return MarkedAt(plain, i);
  }
  return std::nullopt;
}

}  // namespace

QString WithoutMnemonic(const QString& text) {
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    // The mark goes; what it stands before stays, a second mark included.
    if (text[i] == kMark && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

std::optional<QChar> MnemonicOf(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != kMark) continue;
    if (text[i + 1] != kMark) return text[i + 1].toLower();
    ++i;
  }
  return std::nullopt;
}

std::vector<QString> WithMnemonics(const std::vector<QString>& texts) {
  std::vector<std::optional<QString>> marked(texts.size());
  std::set<QChar> taken;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::optional<QChar> letter = MnemonicOf(texts[i]);
    if (letter && taken.insert(*letter).second) marked[i] = texts[i];
  }
  for (const bool wordStartsOnly : {true, false}) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (!marked[i]) marked[i] = MarkFreeLetter(texts[i], wordStartsOnly, taken);
    }
  }
  std::vector<QString> result;
  result.reserve(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i)
    result.push_back(marked[i].value_or(WithoutMnemonic(texts[i])));
  return result;
}

void AssignMnemonics(QWidget& menu) {
  std::vector<QAction*> items;
  std::vector<QString> texts;
  for (QAction* action : menu.actions()) {
    if (action->isSeparator()) continue;
    items.push_back(action);
    texts.push_back(action->text());
  }
  const std::vector<QString> marked = WithMnemonics(texts);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i]->text() != marked[i]) items[i]->setText(marked[i]);
  }
}

}  // namespace vorla
