#include "ui/panes/RichTextImport.h"

#include <QTextBlock>
#include <QTextDocument>

#include "common/CodePages.h"
#include "documents/rtf/RtfReader.h"
#include "ui/panes/EmbeddedObjects.h"

namespace vorla {

namespace {

QString QtText(const std::string& text) {
  QString out = QString::fromStdString(text);
  out.replace(QChar(kLineBreakCharacter), QChar(QChar::LineSeparator));
  return out;
}

}  // namespace

RichDocument ReadPaneRtf(std::string_view rtf, int codePage, std::size_t maxCharacters) {
  return RtfReader({.keepObjects = true,
                    .streamCodePage = codePage == kCodePageUtf8 ? kCodePageUtf8 : 0,
                    .maxCharacters = maxCharacters})
      .Read(rtf);
}

void InsertRichDocument(QTextCursor& cursor, const RichDocument& document, double unitsPerTwip) {
  RegisterEmbeddedObjects(*cursor.document());
  cursor.beginEditBlock();
  for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
    const Paragraph& paragraph = document.paragraphs[i];
    const QTextBlockFormat blockFormat = ToQtFormat(paragraph.format, unitsPerTwip);
    if (i > 0) {
      cursor.insertBlock(blockFormat, QTextCharFormat());
    } else if (cursor.block().length() == 1) {
      cursor.setBlockFormat(blockFormat);
    }
    for (const InlineItem& item : paragraph.items) {
      if (const auto* run = std::get_if<TextRun>(&item)) {
        cursor.insertText(QtText(run->text), ToQtFormat(run->format));
      } else {
        cursor.insertText(QString(QChar::ObjectReplacementCharacter),
                          EmbeddedObjectFormat(std::get<EmbeddedObject>(item)));
      }
    }
  }
  cursor.endEditBlock();
}

}  // namespace vorla
