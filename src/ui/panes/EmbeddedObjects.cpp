#include "ui/panes/EmbeddedObjects.h"

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include "documents/rtf/RtfPicture.h"
#include "ui/panes/RichTextFormats.h"

namespace vorla {

namespace {

enum Property {
  kRtfProperty = QTextFormat::UserProperty + 1,
  kKindProperty,
  kImageProperty,  // the decoded picture, when Qt reads its format
  kSizeProperty,   // the shown size in twips
};

constexpr QSizeF kPlaceholderTwips(480, 480);  // a third of an inch square

QImage DecodePicture(const RtfPicture& picture) {
  const char* format = picture.format == PictureFormat::Png    ? "PNG"
                       : picture.format == PictureFormat::Jpeg ? "JPG"
                                                               : nullptr;
  if (!format) return {};
  return QImage::fromData(QByteArray::fromStdString(picture.data), format);
}

QSizeF ShownTwips(const RtfPicture& picture, const QImage& image) {
  if (picture.widthTwips > 0 && picture.heightTwips > 0) {
    return QSizeF(picture.widthTwips, picture.heightTwips);
  }
  if (!image.isNull()) return QSizeF(image.width(), image.height()) / kScreenUnitsPerTwip;
  return kPlaceholderTwips;
}

}  // namespace

QTextCharFormat EmbeddedObjectFormat(const EmbeddedObject& object) {
  QTextCharFormat format;
  format.setObjectType(kEmbeddedObjectType);
  format.setProperty(kRtfProperty, QByteArray::fromStdString(object.rtf));
  format.setProperty(kKindProperty, static_cast<int>(object.kind));
  QSizeF twips = kPlaceholderTwips;
  if (object.kind == ObjectKind::Picture) {
    const RtfPicture picture = ReadRtfPicture(object.rtf);
    const QImage image = DecodePicture(picture);
    if (!image.isNull()) format.setProperty(kImageProperty, image);
    twips = ShownTwips(picture, image);
  }
  format.setProperty(kSizeProperty, twips);
  return format;
}

std::optional<EmbeddedObject> EmbeddedObjectOf(const QTextFormat& format) {
  if (format.objectType() != kEmbeddedObjectType) return std::nullopt;
  return EmbeddedObject{static_cast<ObjectKind>(format.intProperty(kKindProperty)),
                        format.property(kRtfProperty).toByteArray().toStdString()};
}

void RegisterEmbeddedObjects(QTextDocument& document) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  if (layout->handlerForObject(kEmbeddedObjectType)) return;
  layout->registerHandler(kEmbeddedObjectType, new EmbeddedObjectPainter(&document));
}

QSizeF EmbeddedObjectPainter::intrinsicSize(QTextDocument* document, int,
                                            const QTextFormat& format) {
  const QPaintDevice* device = document->documentLayout()->paintDevice();
  const qreal dpiX = device ? device->logicalDpiX() : 96.0;
  const qreal dpiY = device ? device->logicalDpiY() : 96.0;
  const QSizeF twips = format.property(kSizeProperty).toSizeF();
  return QSizeF(twips.width() * dpiX / 1440.0, twips.height() * dpiY / 1440.0);
}

void EmbeddedObjectPainter::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                                       const QTextFormat& format) {
  const QImage image = format.property(kImageProperty).value<QImage>();
  if (!image.isNull()) {
    painter->drawImage(rect, image);
    return;
  }
  painter->save();
  painter->setPen(QPen(Qt::darkGray, 0));
  painter->setBrush(QColor(0xE8, 0xE8, 0xE8));
  painter->drawRect(rect.adjusted(0, 0, -1, -1));
  painter->restore();
}

}  // namespace vorla
