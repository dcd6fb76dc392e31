#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "config/Config.h"
#include "translation/Clipboard.h"
#include "translation/ResultWindows.h"
#include "translation/TranslatorState.h"
#include "ui/result/CResultWnd.h"

namespace vorla {

// Opens the result windows of the desktop client and remembers, for the rest of the run,
// where the last window of each kind was closed, so that the next one opens there.
class DesktopResultWindows final : public ResultWindows {
 public:
  // `state` is the translator's, which outlives every window.
  DesktopResultWindows(RefPtr<Config> config, const TranslatorState& state,
                       std::shared_ptr<Clipboard> clipboard);

  // The main window: new windows open beside it and stay on top while it does.
  void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }
  // Empties the main window's status line when a result window closes.
  void SetClearMainStatus(std::function<void()> clear) { clearMainStatus_ = std::move(clear); }
  // Gives each window a speaker; without it the windows have no speech.
  void SetSpeakerMaker(SpeakerMaker make) { makeSpeaker_ = std::move(make); }

  JobDisplay CreateResultWindow(const RefPtr<WindowsTranslationInstance>& job) override;
  // Closes every result window: at exit, before the translator goes.
  static void CloseAll();
  // The window a job opened last; null once it has closed.
  CResultWnd* LastWindow() const { return last_.data(); }

 private:
  std::optional<QPoint>& RememberedCorner(ResultWindowKind kind);
  void Place(CResultWnd& window, ResultWindowKind kind);

  RefPtr<Config> config_;
  const TranslatorState& state_;
  std::shared_ptr<Clipboard> clipboard_;
  QPointer<QWidget> mainWindow_;
  std::function<void()> clearMainStatus_;
  SpeakerMaker makeSpeaker_;
  std::array<std::optional<QPoint>, 2> rememberedCorners_;
  QPointer<CResultWnd> last_;
};

}  // namespace vorla
