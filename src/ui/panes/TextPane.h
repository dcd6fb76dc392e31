#pragma once

#include <QTextEdit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/UiLanguage.h"
#include "documents/rtf/RichDocument.h"
#include "ui/panes/PanePositions.h"

namespace vorla {

// What a stream out of a pane takes.
enum class PaneRange { Whole, Selection };

// A range of pane character positions (see PanePositions), end excluded.
struct PaneSpan {
  int start = 0;
  int end = 0;
  int Length() const { return end - start; }
  friend bool operator==(const PaneSpan&, const PaneSpan&) = default;
};

// One text pane of the translator: the source pane, the translation pane and the pane of a
// result window. Text goes in and out as RTF or plain text in the code page of the job's
// encoding (65001 gives the UTF-8 form of RTF, anything else the Windows-1252 form; 1200
// streams text as UTF-16). Every position of this interface is a pane character position.
// The pane keeps the document it was made with: setDocument() is not for it.
class TextPane : public QTextEdit {
  Q_OBJECT

 public:
  static constexpr std::int64_t kDefaultTextLimit = 512'000'000;

  explicit TextPane(QWidget* parent = nullptr);

  // The pane's font ("TextEditFontName", "TextEditFontSize"): the default of all text.
  void SetPaneFont(const QFont& font);
  // The most characters the pane holds; longer text is cut when it comes in.
  void SetTextLimit(std::int64_t characters) { textLimit_ = characters; }

  // Replace the whole text.
  void SetRichDocument(RichDocument document);
  void StreamInRtf(std::string_view rtf, int codePage);
  void SetText(std::string_view text, int codePage);
  // Shows a dictionary-lookup answer in the pane's font; false when the text is none.
  bool ShowDictionaryEntry(std::string_view resultText, UiLanguage language);

  RichDocument GetRichDocument(PaneRange range) const;
  // "RTF without objects" leaves pictures and embedded objects out.
  std::string StreamOutRtf(int codePage, PaneRange range, bool withObjects) const;
  // CR LF between paragraphs and for line breaks, objects left out.
  std::string StreamOutText(int codePage, PaneRange range) const;

  // "Remove all text formatting": the text as plain UTF-8 and back.
  void RemoveFormatting();

  int CharacterCount() const { return positions_.Length(); }
  PaneSpan Selection() const;
  // The range of a cursor's selection.
  PaneSpan SpanOf(const QTextCursor& cursor) const;
  int CaretPosition() const;
  // The character at a position as the pane text has it: "\n" for a paragraph break, "\v"
  // for a line break, U+FFFC for an object.
  char32_t CharacterAt(int position) const;
  // Selects from start to end (caret at the end) without scrolling.
  void SelectRange(int start, int end);

  int FirstVisibleLine() const;
  void ScrollToFirstVisibleLine(int line);
  int LineFromPosition(int position) const;
  // The position of the first character of a line.
  int LinePosition(int line) const;
  // Scrolls so that `line` is shown `offset` lines below the first visible one.
  void ScrollLineToOffset(int line, int offset);

 signals:
  // The text changed (typing, pasting, streaming in, formatting).
  void ContentChanged();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  QMimeData* createMimeDataFromSelection() const override;

 private:
  QTextCursor QtCursor(PaneSpan span) const;
  PaneSpan RangeSpan(PaneRange range) const;
  // The characters the text limit leaves beside `kept` characters already in the pane.
  std::size_t RoomFor(std::int64_t kept) const;

  PanePositions positions_;
  std::int64_t textLimit_ = kDefaultTextLimit;
};

}  // namespace vorla
