#include "ui/documents/OperWaitDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <thread>

#include "ui/UiText.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogPlacement.h"

namespace vorla {

namespace {

// The dialog's own text, in every language.
constexpr std::string_view kOperationPending = "Operation pending...";
// A busy bar of this width stands for the spinning picture.
constexpr int kBusyBarWidth = 48;
// 268 dialog units of the system font: a file name fits on the text's line.
constexpr int kMinimumWidth = 400;

}  // namespace

OperWaitDlg::OperWaitDlg(QWidget* window, std::string_view title, std::string_view message)
    : QDialog(window) {
  setWindowTitle(title.empty() ? Utf8Text(kOperationPending) : Utf8Text(title));
  setWindowFlag(Qt::WindowCloseButtonHint, false);
  auto* busy = new QProgressBar;
  busy->setRange(0, 0);
  busy->setTextVisible(false);
  busy->setFixedWidth(kBusyBarWidth);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(busy);
  layout->addWidget(
      WrappingLabel(message.empty() ? Utf8Text(kOperationPending) : Utf8Text(message)), 1);
  PaintWhite(*this);
  setMinimumWidth(kMinimumWidth);
  adjustSize();
  PlaceCentredOver(*this, window);
}

void ShowOperWait(QWidget* window, std::string_view title, std::string_view message,
                  std::function<void()> work) {
  OperWaitDlg dialog(window, title, message);
  // Joined before the dialog goes; its last act is a queued close, which Qt drops if it
  // comes late.
  std::jthread worker([&dialog, work = std::move(work)] {
    work();
    QMetaObject::invokeMethod(
        &dialog, [&dialog] { dialog.done(QDialog::Accepted); }, Qt::QueuedConnection);
  });
  dialog.exec();
}

}  // namespace vorla
