#pragma once

#include <QString>
#include <optional>

#include "config/Config.h"
#include "ui/panes/TextPane.h"

namespace vorla {

inline constexpr int kMaxFindLength = 255;

struct FindOptions {
  bool matchCase = false;
  bool wholeWord = false;
};

// Which pane is searched: it names the pane in the not-found message.
enum class FindScope { SourceText, Translation, TranslationResult };

// What "Find next" looks for: at most 255 characters, without tabs, line ends, blanks and
// no-break spaces at either end.
QString FindWhat(const QString& typed);

// The next occurrence after the pane's selection, else the first from the start.
std::optional<PaneSpan> FindInPane(const TextPane& pane, const QString& what, FindOptions options);

// "Find next": selects the next occurrence and scrolls its line to the fifth visible line,
// or says in a message that there is none. Nothing happens for an empty text.
bool FindNext(TextPane& pane, const QString& typed, FindOptions options, FindScope scope,
              const Config& config);

}  // namespace vorla
