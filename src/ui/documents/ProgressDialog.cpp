#include "ui/documents/ProgressDialog.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/UiText.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/DialogTexts.h"
#include "ui/documents/ProgressDialogPlacement.h"
#include "ui/documents/ProgressDialogTexts.h"

namespace vorla {

namespace {

// The dialog's width, as the language-pair and login dialogs size theirs.
constexpr int kDialogWidth = 400;

QLabel* BoldLabel(const QString& text) {
  auto* label = new QLabel(text);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

void PlaceOverMainWindow(QWidget& dialog, const QWidget* mainWindow) {
  const std::optional<QRect> owner = WindowFrame(mainWindow);
  const QScreen* screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
  if (!owner || !screen) return PlaceCentredOver(dialog, mainWindow);
  dialog.move(ProgressDialogPosition(*owner, screen->availableGeometry(), dialog.size()));
}

}  // namespace

ProgressDialog::ProgressDialog(QWidget* mainWindow, UiLanguage language, std::string_view fileName)
    : QDialog(mainWindow),
      language_(language),
      controller_([this] { QDialog::done(QDialog::Rejected); }),
      status_(WrappingLabel({})),
      bar_(new QProgressBar),
      detail_(new QLabel),
      save_(new QPushButton(UiText(kSaveTranslationButton, language))),
      cancel_(new QPushButton) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(UiText(kProgressDialogTitle, language));
  bar_->setRange(0, 100);

  auto* document = new QHBoxLayout;
  document->addWidget(BoldLabel(UiText(kProgressDocumentLabel, language)));
  document->addWidget(BoldLabel(Utf8Text(fileName)), 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(save_);
  buttons->addWidget(cancel_);
  cancel_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(document);
  layout->addWidget(status_);
  layout->addWidget(bar_);
  layout->addWidget(detail_);
  layout->addLayout(buttons);
  setFixedWidth(kDialogWidth);
  PaintWhite(*this);

  connect(save_, &QPushButton::clicked, this, [this] { controller_.Save(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { controller_.Cancel(); });
  Refresh();
  adjustSize();
  PlaceOverMainWindow(*this, mainWindow);
}

void ProgressDialog::ShowStatus(std::string_view text, ProgressBar bar, int percent) {
  controller_.ShowStatus(text, bar, percent);
  Refresh();
}

void ProgressDialog::ShowDetail(std::string_view text) {
  controller_.ShowDetail(text);
  Refresh();
}

void ProgressDialog::ShowFinalMessage(std::string_view message) {
  controller_.ShowFinalMessage(message);
  Refresh();
}

void ProgressDialog::ResultArrived() {
  show();
  raise();
  activateWindow();
  controller_.ResultArrived();
  Refresh();
}

void ProgressDialog::reject() {
  controller_.Cancel();
}

void ProgressDialog::accept() {
  controller_.Cancel();
}

void ProgressDialog::Refresh() {
  const ProgressDialogView& view = controller_.View();
  status_->setText(Utf8Text(view.status));
  const int lines = view.tallStatus ? 4 : 2;
  status_->setMinimumHeight(lines * QFontMetrics(status_->font()).lineSpacing());
  bar_->setVisible(view.barVisible);
  bar_->setValue(view.percent);
  detail_->setText(Utf8Text(view.detail));
  save_->setVisible(view.saveVisible);
  save_->setEnabled(view.saveEnabled);
  cancel_->setText(UiText(view.closeButton ? kCloseText : kProgressCancelButton, language_));
}

}  // namespace vorla
