#pragma once

#include <QObject>
#include <QTextCharFormat>
#include <QTextObjectInterface>
#include <optional>

#include "documents/rtf/RichDocument.h"

class QTextDocument;

namespace vorla {

// Pictures and embedded objects stand in a pane as one object replacement character whose
// format carries the object's RTF group, so that RTF with objects gives them back unchanged.
inline constexpr int kEmbeddedObjectType = QTextFormat::UserObject + 1;

QTextCharFormat EmbeddedObjectFormat(const EmbeddedObject& object);
// The object of a character's format; nothing for any other character.
std::optional<EmbeddedObject> EmbeddedObjectOf(const QTextFormat& format);

// Makes the document draw its embedded objects: a PNG or JPEG picture as itself, anything
// else as a placeholder. Once per document is enough; later calls do nothing.
void RegisterEmbeddedObjects(QTextDocument& document);

class EmbeddedObjectPainter : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  using QObject::QObject;

  QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                  const QTextFormat& format) override;
};

}  // namespace vorla
