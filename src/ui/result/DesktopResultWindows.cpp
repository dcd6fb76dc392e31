#include "ui/result/DesktopResultWindows.h"

#include <QApplication>
#include <QScreen>

#include "ui/result/ResultWindowDisplay.h"

namespace vorla {

DesktopResultWindows::DesktopResultWindows(RefPtr<Config> config, const TranslatorState& state,
                                           std::shared_ptr<Clipboard> clipboard)
    : config_(std::move(config)), state_(state), clipboard_(std::move(clipboard)) {}

std::optional<QPoint>& DesktopResultWindows::RememberedCorner(ResultWindowKind kind) {
  return rememberedCorners_[kind == ResultWindowKind::Clipboard ? 1 : 0];
}

JobDisplay DesktopResultWindows::CreateResultWindow(const RefPtr<WindowsTranslationInstance>& job) {
  const ResultWindowKind kind =
      job->Flags().clipboardMode ? ResultWindowKind::Clipboard : ResultWindowKind::Result;
  CResultWnd::Setup setup;
  setup.config = config_;
  setup.state = &state_;
  setup.job = job;
  setup.kind = kind;
  setup.clipboard = clipboard_;
  setup.closed = [this, kind](QPoint corner) { RememberedCorner(kind) = corner; };
  setup.clearMainStatus = clearMainStatus_;
  setup.makeSpeaker = makeSpeaker_;
  auto* window = new CResultWnd(std::move(setup));
  Place(*window, kind);
  window->show();
  last_ = window;
  return MakeResultWindowDisplay(window);
}

void DesktopResultWindows::CloseAll() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* result = qobject_cast<CResultWnd*>(window)) result->close();
  }
}

void DesktopResultWindows::Place(CResultWnd& window, ResultWindowKind kind) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen ? screen->geometry().size() : QSize();
  const QSize size =
      ResultWindowSize(StoredResultWindowSize(config_->settings(), kind), kind, screenSize);
  const QPoint mainCorner = mainWindow_ ? mainWindow_->pos() : QPoint();
  window.resize(size);
  window.move(ResultWindowPosition(RememberedCorner(kind), mainCorner, size, screenSize));
  if (mainWindow_ && (mainWindow_->windowFlags() & Qt::WindowStaysOnTopHint)) {
    window.setWindowFlag(Qt::WindowStaysOnTopHint);
  }
}

}  // namespace vorla
