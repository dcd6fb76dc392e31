#include "ui/clipboard/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextDocument>

#include "ui/panes/RichTextImport.h"

namespace vorla {

std::optional<std::string> QtClipboard::GetRtf() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat(kRtfMimeType)) return std::nullopt;
  const QByteArray rtf = data->data(kRtfMimeType);
  // What follows a zero byte is not part of the RTF.
  const qsizetype end = rtf.indexOf('\0');
  return std::string(rtf.constData(), end < 0 ? rtf.size() : end);
}

std::optional<std::string> QtClipboard::GetText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasText()) return std::nullopt;
  return data->text().toStdString();
}

void QtClipboard::SetRtf(std::string_view rtf, int codePage) {
  QTextDocument document;
  QTextCursor cursor(&document);
  InsertRichDocument(cursor, ReadPaneRtf(rtf, codePage));
  // Pictures and other objects have no plain text.
  const QString text = document.toPlainText().remove(QChar::ObjectReplacementCharacter);
  auto* data = new QMimeData();
  data->setData(kRtfMimeType, QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size())));
  data->setText(text);
  data->setHtml(document.toHtml());
  QGuiApplication::clipboard()->setMimeData(data);
}

void QtClipboard::SetText(std::string_view utf8) {
  QGuiApplication::clipboard()->setText(
      QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void WatchClipboard(QObject* context, std::function<void()> changed) {
  QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, context,
                   std::move(changed));
}

}  // namespace vorla
