#include "ui/panes/TextPane.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextDocumentFragment>
#include <algorithm>
#include <cmath>
#include <optional>

#include "common/CodePages.h"
#include "common/Windows1252.h"
#include "documents/rtf/DocumentTruncation.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfWriter.h"
#include "translation/DictionaryEntryRtf.h"
#include "ui/panes/EmbeddedObjects.h"
#include "ui/panes/RichTextExport.h"
#include "ui/panes/RichTextImport.h"
#include "ui/panes/ScrollPositionKeeper.h"
#include "ui/panes/VisualLines.h"

namespace vorla {

namespace {

const QString kRtfMimeTypes[] = {QStringLiteral("text/rtf"), QStringLiteral("application/rtf")};

StreamEncoding RtfEncoding(int codePage) {
  return codePage == kCodePageUtf8 ? StreamEncoding::Utf8 : StreamEncoding::Windows1252;
}

std::optional<QByteArray> RtfOf(const QMimeData& data) {
  for (const QString& type : kRtfMimeTypes) {
    if (data.hasFormat(type)) return data.data(type);
  }
  return std::nullopt;
}

// Keys that put a character into the text.
bool InsertsText(const QKeyEvent& event) {
  const QString text = event.text();
  return !text.isEmpty() && (text.front().isPrint() || text.front() == u'\t' ||
                             text.front() == u'\r' || text.front() == u'\n');
}

}  // namespace

TextPane::TextPane(QWidget* parent) : QTextEdit(parent), positions_(*document()) {
  RegisterEmbeddedObjects(*document());
  connect(document(), &QTextDocument::contentsChange, this, [this] {
    positions_.Invalidate();
    emit ContentChanged();
  });
}

void TextPane::SetPaneFont(const QFont& font) {
  setFont(font);
  document()->setDefaultFont(font);
}

void TextPane::SetRichDocument(RichDocument document) {
  TruncateDocument(document, RoomFor(0));
  // Streaming in replaces the text and starts a new undo history.
  this->document()->setUndoRedoEnabled(false);
  clear();
  setCurrentCharFormat(QTextCharFormat());
  QTextCursor cursor(this->document());
  InsertRichDocument(cursor, document);
  this->document()->setUndoRedoEnabled(true);
  setTextCursor(QTextCursor(this->document()));
}

void TextPane::StreamInRtf(std::string_view rtf, int codePage) {
  SetRichDocument(ReadPaneRtf(rtf, codePage, RoomFor(0)));
}

void TextPane::SetText(std::string_view text, int codePage) {
  const std::string utf8 = CodePageToUtf8(codePage, text).value_or(Cp1252ToUtf8(text));
  SetRichDocument(DocumentFromPlainText(utf8, StreamEncoding::Utf8));
}

bool TextPane::ShowDictionaryEntry(std::string_view resultText, UiLanguage language) {
  const QFont paneFont = font();
  const auto rtf =
      RenderDictionaryEntry(resultText, language, Utf8ToCp1252(paneFont.family().toStdString()),
                            static_cast<int>(std::lround(paneFont.pointSizeF() * 2)));
  if (!rtf) return false;
  StreamInRtf(*rtf, kCodePageWindows1252);
  return true;
}

RichDocument TextPane::GetRichDocument(PaneRange range) const {
  const PaneSpan span = RangeSpan(range);
  return RichDocumentFromRange(*document(), positions_.ToQt(span.start), positions_.ToQt(span.end));
}

std::string TextPane::StreamOutRtf(int codePage, PaneRange range, bool withObjects) const {
  return RtfWriter({.encoding = RtfEncoding(codePage), .withObjects = withObjects})
      .Write(GetRichDocument(range));
}

std::string TextPane::StreamOutText(int codePage, PaneRange range) const {
  const std::string utf8 = FileText(GetRichDocument(range), StreamEncoding::Utf8);
  return Utf8ToCodePage(codePage, utf8).value_or(Utf8ToCp1252(utf8));
}

void TextPane::RemoveFormatting() {
  SetText(StreamOutText(kCodePageUtf8, PaneRange::Whole), kCodePageUtf8);
}

PaneSpan TextPane::Selection() const {
  return SpanOf(textCursor());
}

PaneSpan TextPane::SpanOf(const QTextCursor& cursor) const {
  return {positions_.ToPane(cursor.selectionStart()), positions_.ToPane(cursor.selectionEnd())};
}

int TextPane::CaretPosition() const {
  return positions_.ToPane(textCursor().position());
}

char32_t TextPane::CharacterAt(int position) const {
  const int at = positions_.ToQt(position);
  const QChar c = document()->characterAt(at);
  if (c.isHighSurrogate()) return QChar::surrogateToUcs4(c, document()->characterAt(at + 1));
  if (c == QChar::ParagraphSeparator) return U'\n';
  if (c == QChar::LineSeparator) return static_cast<char32_t>(kLineBreakCharacter);
  return c.unicode();
}

void TextPane::SelectRange(int start, int end) {
  const ScrollPositionKeeper keeper(*this);
  setTextCursor(QtCursor({start, end}));
}

int TextPane::FirstVisibleLine() const {
  return LineAtY(*document(), verticalScrollBar()->value());
}

void TextPane::ScrollToFirstVisibleLine(int line) {
  // Rounded up, so that the line's top is not left a fraction above the view.
  verticalScrollBar()->setValue(
      static_cast<int>(std::ceil(LineTop(*document(), std::max(line, 0)))));
}

int TextPane::LineFromPosition(int position) const {
  return LineOfPosition(*document(), positions_.ToQt(std::clamp(position, 0, CharacterCount())));
}

int TextPane::LinePosition(int line) const {
  return positions_.ToPane(LineStart(*document(), line));
}

void TextPane::ScrollLineToOffset(int line, int offset) {
  ScrollToFirstVisibleLine(line - offset);
}

void TextPane::keyPressEvent(QKeyEvent* event) {
  if (InsertsText(*event) && !textCursor().hasSelection() && CharacterCount() >= textLimit_) {
    event->accept();
    return;
  }
  QTextEdit::keyPressEvent(event);
}

bool TextPane::canInsertFromMimeData(const QMimeData* source) const {
  return RtfOf(*source).has_value() || source->hasText();
}

void TextPane::insertFromMimeData(const QMimeData* source) {
  QTextCursor cursor = textCursor();
  const std::size_t room = RoomFor(CharacterCount() - SpanOf(cursor).Length());
  RichDocument pasted;
  if (const auto rtf = RtfOf(*source)) {
    // Read within the limit, so that a huge document never stands whole in memory.
    pasted =
        RtfReader({.maxCharacters = room}).Read(std::string_view(rtf->constData(), rtf->size()));
  } else if (source->hasText()) {
    pasted = DocumentFromPlainText(source->text().toStdString(), StreamEncoding::Utf8);
  } else {
    return;
  }
  TruncateDocument(pasted, room);
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  InsertRichDocument(cursor, pasted);
  cursor.endEditBlock();
  setTextCursor(cursor);
  ensureCursorVisible();
}

QMimeData* TextPane::createMimeDataFromSelection() const {
  // Qt's own selection data names a fixed list of formats, so RTF needs data of its own.
  auto* mime = new QMimeData;
  const QTextDocumentFragment selection(textCursor());
  mime->setText(selection.toPlainText());
  mime->setHtml(selection.toHtml());
  mime->setData(kRtfMimeTypes[0], QByteArray::fromStdString(StreamOutRtf(
                                      kCodePageWindows1252, PaneRange::Selection, true)));
  return mime;
}

QTextCursor TextPane::QtCursor(PaneSpan span) const {
  const int length = CharacterCount();
  QTextCursor cursor(document());
  cursor.setPosition(positions_.ToQt(std::clamp(span.start, 0, length)));
  cursor.setPosition(positions_.ToQt(std::clamp(span.end, 0, length)), QTextCursor::KeepAnchor);
  return cursor;
}

PaneSpan TextPane::RangeSpan(PaneRange range) const {
  return range == PaneRange::Selection ? Selection() : PaneSpan{0, CharacterCount()};
}

std::size_t TextPane::RoomFor(std::int64_t kept) const {
  return static_cast<std::size_t>(std::max<std::int64_t>(textLimit_ - kept, 0));
}

}  // namespace vorla
