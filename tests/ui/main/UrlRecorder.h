#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace vorla::test {

// Takes the addresses of a scheme that the program opens through the desktop, instead of
// a browser, while it lives.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  explicit UrlRecorder(QString scheme) : scheme_(std::move(scheme)) {
    QDesktopServices::setUrlHandler(scheme_, this, "Open");
  }
  ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(scheme_); }

  QStringList urls;

 public slots:
  void Open(const QUrl& url) { urls << url.toString(QUrl::FullyEncoded); }

 private:
  QString scheme_;
};

}  // namespace vorla::test
