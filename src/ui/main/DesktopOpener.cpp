#include "ui/main/DesktopOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace vorla {

void DesktopOpener::Open(std::string_view target) {
  const QString text = QString::fromUtf8(target.data(), static_cast<qsizetype>(target.size()));
  const QUrl address(text, QUrl::StrictMode);
  // An address names its scheme; anything else is a path.
  const QUrl url =
      address.isValid() && address.scheme().size() > 1 ? address : QUrl::fromLocalFile(text);
  queue_->Post([url] { QDesktopServices::openUrl(url); });
}

}  // namespace vorla
