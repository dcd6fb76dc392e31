#include "ui/clipboard/NoClipboardTextReport.h"

#include <QMessageBox>
#include <QPointer>

namespace vorla {

ClipboardTranslation::NoTextReport NoClipboardTextReport(QWidget* mainWindow,
                                                         RefPtr<Config> config) {
  return [window = QPointer<QWidget>(mainWindow), config](std::string_view message) {
    if (!window || !window->isMinimized()) {
      config->ShowMessage(message, {}, {.icon = MessageIcon::Information});
      return;
    }
    const auto text = [](std::string_view utf8) {
      return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    };
    QMessageBox box(QMessageBox::Information, text(Config::kProductName), text(message),
                    QMessageBox::Ok);
    box.exec();
  };
}

}  // namespace vorla
