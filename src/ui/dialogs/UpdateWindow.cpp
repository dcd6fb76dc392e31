#include "ui/dialogs/UpdateWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>

#include "service/updates/UpdateTexts.h"
#include "translation/CWindowsTranslator.h"
#include "ui/UiText.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/QtLoginPrompt.h"
#include "ui/main/WindowThreadQueue.h"

namespace vorla {

namespace {

// The window's content and its parts in the sizes of scale level 0 (Qt scales them).
constexpr int kContentWidth = 420;
constexpr int kContentHeight = 200;
constexpr int kHeaderHeight = 60;
constexpr int kMargin = 12;
constexpr int kStatusTop = kHeaderHeight + 14;
constexpr int kTextWidth = kContentWidth - 30;
constexpr int kStatusHeight = 50;
constexpr int kDownloadStatusHeight = 30;
constexpr int kDetailsHeight = 80;
constexpr int kProgressOffset = 34;
constexpr int kProgressHeight = 12;
constexpr int kProgressNarrower = 100;
constexpr int kButtonRightGap = 16;
constexpr int kButtonBottomGap = 12;
constexpr int kButtonSpacing = 16;
constexpr int kCheckBoxGap = 8;
constexpr QPoint kParentOffset{150, 110};
constexpr QPoint kWithoutParent{200, 300};

QPointer<UpdateWindow>& OpenWindow() {
  static QPointer<UpdateWindow> window;
  return window;
}

// The header picture made for the screen's scale level.
QPixmap HeaderPicture(const DisplayScale& scale) {
  const int height = scale.scale135 ? 90 : scale.scale112 ? 75 : 60;
  QPixmap picture(QStringLiteral(":/icons/update-header-%1.png").arg(height));
  picture.setDevicePixelRatio(static_cast<double>(height) / kHeaderHeight);
  return picture;
}

// The translator's part at the end of an update: once the installer has started, the
// program closes so that the installer can replace it.
class ClosingMainWindow final : public UnknownImpl<IUpdateObserver> {
 public:
  explicit ClosingMainWindow(QPointer<QWidget> mainWindow) : mainWindow_(std::move(mainWindow)) {}

  void OnInstallerStarted(CApplUpdateInfo&) override {
    if (UpdateWindow* window = UpdateWindow::Current()) window->done(QDialog::Accepted);
    if (mainWindow_) mainWindow_->close();
  }
  void OnUpdateWindowClosed(CApplUpdateInfo&) override {}

 private:
  QPointer<QWidget> mainWindow_;
};

}  // namespace

UpdateWindow* UpdateWindow::Current() {
  return OpenWindow();
}

UpdateWindow* UpdateWindow::Show(QWidget* parent, const UpdateWindowServices& services,
                                 UpdateWindowOptions options) {
  QPointer<UpdateWindow>& window = OpenWindow();
  if (window) return window;
  window = new UpdateWindow(parent ? parent : services.mainWindow.data(), services, options);
  if (!options.silent) ShowInFront(*window);
  return window;
}

UpdateWindow::UpdateWindow(QWidget* parent, const UpdateWindowServices& services,
                           UpdateWindowOptions options)
    : QDialog(parent),
      parent_(parent),
      header_(new QLabel(this)),
      status_(new QLabel(this)),
      details_(new QLabel(this)),
      progress_(new QProgressBar(this)),
      close_(new QPushButton(this)),
      start_(new QPushButton(this)),
      dontAsk_(new QCheckBox(this)),
      queue_(std::make_shared<WindowThreadQueue>(*this)) {
  // A silent window appears without taking the focus from what the user is doing.
  setAttribute(Qt::WA_ShowWithoutActivating, options.silent);
  Config& config = services.translator->GetConfig();
  const UiLanguage language = config.GetUiLanguage();
  setWindowTitle(UiText(kUpdateWindowTitle, language));
  header_->setPixmap(HeaderPicture(config.GetDisplayMetrics().scale));
  header_->setScaledContents(true);
  for (QLabel* text : {status_, details_}) {
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  progress_->setRange(0, 100);
  progress_->setTextVisible(false);
  progress_->hide();
  start_->hide();
  dontAsk_->setText(UiText(kDontAskAgainText, language));
  dontAsk_->hide();
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  connect(start_, &QPushButton::clicked, this, [this] { update_->Start(); });
  connect(dontAsk_, &QCheckBox::clicked, this,
          [this](bool ticked) { update_->DontAskAgain(ticked); });

  UpdateHooks hooks;
  hooks.connections = services.connections;
  hooks.opener = services.opener;
  hooks.observer = MakeRef<ClosingMainWindow>(services.mainWindow);
  hooks.stateOwner = services.translator;
  hooks.post = [queue = queue_](std::function<void()> call) { queue->Post(std::move(call)); };
  hooks.loginParent = [window = QPointer<QWidget>(this)] {
    return std::static_pointer_cast<void>(std::make_shared<LoginParentScope>(window));
  };
  update_ = MakeRef<CApplUpdateInfo>(services.translator->State(), std::move(hooks), options);
  update_->Open(*this);
  LayOut();
  setFixedSize(kContentWidth, kHeaderHeight + kContentHeight);
  move(OffsetFrom(WindowFrame(parent), kParentOffset, kWithoutParent));
}

UpdateWindow::~UpdateWindow() {
  // Also when it goes with its parent without having been closed.
  queue_->Close();
  update_->Close();
  if (OpenWindow() == this) OpenWindow() = nullptr;
}

void UpdateWindow::done(int result) {
  // The next command opens a new window, and what the workers still report is dropped.
  if (OpenWindow() == this) OpenWindow() = nullptr;
  queue_->Close();
  update_->Close();
  QDialog::done(result);
  // Also for a hidden window, which receives no close event.
  if (!closed_) deleteLater();
  closed_ = true;
}

void UpdateWindow::LayOut() {
  header_->setGeometry(0, 0, kContentWidth, kHeaderHeight);
  status_->setGeometry(kMargin, kStatusTop, kTextWidth,
                       downloadLayout_ ? kDownloadStatusHeight : kStatusHeight);
  details_->setGeometry(kMargin, kStatusTop + kStatusHeight, kTextWidth, kDetailsHeight);
  progress_->setGeometry(kMargin, kStatusTop + kProgressOffset, kTextWidth - kProgressNarrower,
                         kProgressHeight);
  const int height = kHeaderHeight + kContentHeight;
  for (QPushButton* button : {close_, start_})
    button->resize(button->sizeHint());
  close_->move(kContentWidth - kButtonRightGap - close_->width(),
               height - kButtonBottomGap - close_->height());
  start_->move(close_->x() - kButtonSpacing - start_->width(), close_->y());
  const int boxHeight = dontAsk_->sizeHint().height();
  dontAsk_->setGeometry(kMargin, close_->y() + (close_->height() - boxHeight) / 2,
                        start_->x() - kCheckBoxGap - kMargin, boxHeight);
}

void UpdateWindow::SetStatusText(std::string_view text) {
  status_->setText(Utf8Text(text));
}

void UpdateWindow::SetDetailsText(std::string_view text) {
  details_->setText(Utf8Text(text));
}

void UpdateWindow::SetDownloadLayout(bool downloading) {
  downloadLayout_ = downloading;
  progress_->setVisible(downloading);
  LayOut();
}

void UpdateWindow::SetProgress(int percent) {
  progress_->setValue(percent);
}

void UpdateWindow::SetCloseButtonText(std::string_view text) {
  close_->setText(Utf8Text(text));
  LayOut();
}

void UpdateWindow::MakeCloseButtonDefault() {
  start_->setDefault(false);
  close_->setDefault(true);
}

void UpdateWindow::SetStartButtonText(std::string_view text) {
  start_->setText(Utf8Text(text));
  LayOut();
}

void UpdateWindow::ShowStartButton(bool shown) {
  start_->setVisible(shown);
}

void UpdateWindow::EnableStartButton(bool enabled) {
  start_->setEnabled(enabled);
}

void UpdateWindow::ShowDontAskAgain(bool shown, bool ticked) {
  dontAsk_->setChecked(ticked);
  dontAsk_->setVisible(shown);
}

void UpdateWindow::ShowWindow() {
  setAttribute(Qt::WA_ShowWithoutActivating, false);
  ShowInFront(*this);
}

void UpdateWindow::DestroyWindow() {
  done(QDialog::Rejected);
}

void UpdateWindow::CloseParentWindow() {
  const QPointer<QWidget> parent = parent_;
  done(QDialog::Rejected);
  if (parent) parent->close();
}

}  // namespace vorla
