#include "ui/panes/SelectionFont.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QPointer>
#include <QTextBlock>
#include <algorithm>
#include <functional>

#include "ui/panes/EmbeddedObjects.h"

namespace vorla {

namespace {

constexpr qreal kSmallestSize = 8;
constexpr qreal kLargestSize = 72;

// A value all of the selection has, or nothing once two parts differ.
template <typename T>
class Common {
 public:
  void Add(const T& value) {
    if (!seen_) {
      value_ = value;
      seen_ = true;
    } else if (value_ && *value_ != value) {
      value_.reset();
    }
  }
  std::optional<T> Value() const { return value_; }

 private:
  bool seen_ = false;
  std::optional<T> value_;
};

// Calls `visit` with the format of every part of the selection, or of the caret.
void VisitSelectionFormats(const TextPane& pane,
                           const std::function<void(const QTextCharFormat&)>& visit) {
  const QTextCursor cursor = pane.textCursor();
  if (!cursor.hasSelection()) {
    visit(pane.currentCharFormat());
    return;
  }
  const int from = cursor.selectionStart();
  const int to = cursor.selectionEnd();
  for (QTextBlock block = pane.document()->findBlock(from);
       block.isValid() && block.position() < to; block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const bool inSelection =
          fragment.position() < to && fragment.position() + fragment.length() > from;
      // Pictures and objects have no font of their own.
      if (inSelection && !EmbeddedObjectOf(fragment.charFormat())) visit(fragment.charFormat());
    }
  }
}

}  // namespace

SelectionFont SelectionFontPreset(const TextPane& pane) {
  const QFont paneFont = pane.font();
  Common<QString> family;
  Common<qreal> size;
  Common<QColor> color;
  bool bold = true;
  bool italic = true;
  bool underline = true;
  bool strikeOut = true;
  VisitSelectionFormats(pane, [&](const QTextCharFormat& format) {
    const QStringList families = format.fontFamilies().toStringList();
    family.Add(families.isEmpty() ? paneFont.family() : families.front());
    size.Add(format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                            : paneFont.pointSizeF());
    color.Add(format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                               : QColor(Qt::black));
    bold = bold && format.fontWeight() >= QFont::DemiBold;
    italic = italic && format.fontItalic();
    underline = underline && format.fontUnderline();
    strikeOut = strikeOut && format.fontStrikeOut();
  });
  QFont font(family.Value().value_or(paneFont.family()));
  font.setPointSizeF(size.Value().value_or(paneFont.pointSizeF()));
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  font.setStrikeOut(strikeOut);
  return {font, color.Value().value_or(QColor(Qt::black))};
}

void ApplySelectionFont(TextPane& pane, const QFont& font, std::optional<QColor> color) {
  QTextCharFormat format;
  format.setFontFamilies(QStringList{font.family()});
  format.setFontPointSize(std::clamp(font.pointSizeF(), kSmallestSize, kLargestSize));
  format.setFontWeight(font.weight());
  format.setFontItalic(font.italic());
  format.setFontUnderline(font.underline());
  format.setFontStrikeOut(font.strikeOut());
  if (color) format.setForeground(*color);
  pane.mergeCurrentCharFormat(format);
}

void FormatSelectedText(TextPane& source, TextPane& translation, QWidget* parent) {
  TextPane& pane = translation.hasFocus() ? translation : source;
  const QPointer<QWidget> focused = QApplication::focusWidget();
  const SelectionFont preset = SelectionFontPreset(pane);
  bool chosen = false;
  const QFont font = QFontDialog::getFont(&chosen, preset.font, parent);
  if (chosen) {
    const QColor color = QColorDialog::getColor(preset.color, parent);
    ApplySelectionFont(pane, font, color.isValid() ? std::optional(color) : std::nullopt);
  }
  if (focused) focused->setFocus();
}

}  // namespace vorla
