#include "ui/panes/PaneFind.h"

#include <QTextCursor>
#include <QTextDocument>

#include "common/Bilingual.h"

namespace vorla {

namespace {

constexpr int kLinesAboveHit = 4;

constexpr BilingualText kCannotFind = {"Cannot find \"@1\"", "Merkkijonoa \"@1\" ei löytynyt"};
constexpr BilingualText kInSourceText = {" in the source text.", " käännettävästä tekstistä."};
constexpr BilingualText kInTranslation = {" in the translation.", " käännöksestä."};

bool IsTrimmed(QChar c) {
  return c == u'\t' || c == u'\n' || c == u'\r' || c == u' ' || c == QChar::Nbsp;
}

std::string NotFoundMessage(const QString& what, FindScope scope, UiLanguage language) {
  std::string text = FormatMessage(kCannotFind, language, what.toStdString());
  if (scope == FindScope::SourceText) text += kInSourceText.In(language);
  if (scope == FindScope::Translation) text += kInTranslation.In(language);
  return text;
}

}  // namespace

QString FindWhat(const QString& typed) {
  QString what = typed.left(kMaxFindLength);
  qsizetype start = 0;
  qsizetype end = what.size();
  while (start < end && IsTrimmed(what[start]))
    ++start;
  while (end > start && IsTrimmed(what[end - 1]))
    --end;
  return what.mid(start, end - start);
}

std::optional<PaneSpan> FindInPane(const TextPane& pane, const QString& what, FindOptions options) {
  QTextDocument::FindFlags flags;
  if (options.matchCase) flags |= QTextDocument::FindCaseSensitively;
  if (options.wholeWord) flags |= QTextDocument::FindWholeWords;
  const QTextDocument& document = *pane.document();
  QTextCursor hit = document.find(what, pane.textCursor().selectionEnd(), flags);
  if (hit.isNull()) hit = document.find(what, 0, flags);
  if (hit.isNull()) return std::nullopt;
  return pane.SpanOf(hit);
}

bool FindNext(TextPane& pane, const QString& typed, FindOptions options, FindScope scope,
              const Config& config) {
  const QString what = FindWhat(typed);
  if (what.isEmpty()) return false;
  const std::optional<PaneSpan> hit = FindInPane(pane, what, options);
  if (!hit) {
    config.ShowMessage(NotFoundMessage(what, scope, config.GetUiLanguage()), {},
                       {.icon = MessageIcon::Information});
    return false;
  }
  pane.SelectRange(hit->start, hit->end);
  pane.ScrollToFirstVisibleLine(pane.LineFromPosition(hit->start) - kLinesAboveHit);
  return true;
}

}  // namespace vorla
