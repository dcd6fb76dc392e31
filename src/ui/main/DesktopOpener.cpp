#include "ui/main/DesktopOpener.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/UiText.h"

namespace vorla {

void DesktopOpener::Open(std::string_view target) {
  const QString text = Utf8Text(target);
  const QUrl address(text, QUrl::StrictMode);
  // An address names its scheme; anything else is a path.
  const QUrl url =
      address.isValid() && address.scheme().size() > 1 ? address : QUrl::fromLocalFile(text);
  queue_->Post([url] { QDesktopServices::openUrl(url); });
}

}  // namespace vorla
