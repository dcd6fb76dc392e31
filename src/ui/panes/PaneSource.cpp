#include "ui/panes/PaneSource.h"

#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <variant>
#include <vector>

#include "documents/rtf/PlainText.h"
#include "ui/panes/ScrollPositionKeeper.h"

namespace vorla {

namespace {

constexpr int kBlankSelectionLimit = 200;

bool HasLinks(const RichDocument& document) {
  return std::ranges::any_of(document.paragraphs, [](const Paragraph& paragraph) {
    return std::ranges::any_of(paragraph.items, [](const InlineItem& item) {
      const auto* run = std::get_if<TextRun>(&item);
      return run && !run->format.linkTarget.empty();
    });
  });
}

}  // namespace

bool SelectionIsSource(const TextPane& pane) {
  const PaneSpan selection = pane.Selection();
  if (!pane.hasFocus() || selection.Length() == 0) return false;
  if (selection.Length() >= kBlankSelectionLimit) return true;
  const std::string text =
      PaneText(pane.GetRichDocument(PaneRange::Selection), StreamEncoding::Utf8);
  return std::ranges::any_of(text, [](char c) { return static_cast<unsigned char>(c) > 32; });
}

void RemoveLinks(TextPane& pane) {
  const ScrollPositionKeeper keeper(pane);
  QTextDocument& document = *pane.document();
  std::vector<QTextFragment> links;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      if (it.fragment().charFormat().isAnchor()) links.push_back(it.fragment());
    }
  }
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  for (const QTextFragment& link : links) {
    QTextCharFormat format = link.charFormat();
    format.setAnchor(false);
    format.clearProperty(QTextFormat::AnchorHref);
    cursor.setPosition(link.position());
    cursor.setPosition(link.position() + link.length(), QTextCursor::KeepAnchor);
    cursor.setCharFormat(format);
  }
  cursor.endEditBlock();
}

void RemoveObjects(TextPane& pane) {
  const ScrollPositionKeeper keeper(pane);
  RichDocument document = pane.GetRichDocument(PaneRange::Whole);
  document.paragraphs.Edit([](Paragraph& paragraph) {
    std::erase_if(paragraph.items, [](const InlineItem& item) {
      return std::holds_alternative<EmbeddedObject>(item);
    });
  });
  pane.SetRichDocument(std::move(document));
}

std::string TakeSourceRtf(TextPane& pane, int codePage, PaneRange range) {
  if (HasLinks(pane.GetRichDocument(range))) RemoveLinks(pane);
  return pane.StreamOutRtf(codePage, range, false);
}

}  // namespace vorla
