#include "ui/panes/RichTextExport.h"

#include <QTextBlock>
#include <algorithm>

#include "ui/panes/EmbeddedObjects.h"
#include "ui/panes/RichTextFormats.h"

namespace vorla {

namespace {

std::string ModelText(QString text) {
  text.replace(QChar(QChar::LineSeparator), QChar(kLineBreakCharacter));
  return text.toStdString();
}

void AppendFragment(Paragraph& paragraph, const QTextFragment& fragment, int from, int to) {
  const int start = std::max(from, fragment.position());
  const int end = std::min(to, fragment.position() + fragment.length());
  if (start >= end) return;
  const QString text = fragment.text().mid(start - fragment.position(), end - start);
  const QTextCharFormat format = fragment.charFormat();
  if (const auto object = EmbeddedObjectOf(format)) {
    // Equal objects next to each other share a fragment.
    for (const QChar c : text) {
      if (c == QChar::ObjectReplacementCharacter) paragraph.items.emplace_back(*object);
    }
    return;
  }
  paragraph.AppendText(FromQtFormat(format), ModelText(text));
}

}  // namespace

RichDocument RichDocumentFromRange(const QTextDocument& document, int from, int to) {
  RichDocument out;
  for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
       block = block.next()) {
    Paragraph paragraph{FromQtFormat(block.blockFormat()), {}};
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      AppendFragment(paragraph, it.fragment(), from, to);
    }
    out.paragraphs.push_back(paragraph);
  }
  return out;
}

}  // namespace vorla
