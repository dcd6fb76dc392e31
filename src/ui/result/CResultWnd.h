#pragma once

#include <QMainWindow>
#include <QPoint>
#include <functional>
#include <memory>
#include <optional>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "translation/Clipboard.h"
#include "translation/DeliverySink.h"
#include "translation/TranslatorState.h"
#include "translation/WindowsTranslationInstance.h"
#include "ui/result/ResultWindowGeometry.h"
#include "ui/result/ResultWindowSpeech.h"

class QLabel;
class QTabBar;
class QToolButton;

namespace vorla {

class TextPane;

// The separate window that shows the result of one job: a clipboard translation ("Clipboard
// Translation", no menu), or a translation of "Translate and open result in new window" or
// "UsrPref1" ("Translation Result", with the File menu). Its tabs show the job's source text
// and its translation; closing it early cancels the job, which then ends with 10 and shows
// nothing more. Its speaker icon and context menu read the tab shown aloud. Lives on the
// window thread and deletes itself when closed.
class CResultWnd : public QMainWindow, private ResultSpeechView {
  Q_OBJECT

 public:
  enum Tab { kSourceTab = 0, kTranslationTab = 1 };

  struct Setup {
    RefPtr<Config> config;
    // The translator's state, which outlives every window: the login and the account type.
    const TranslatorState* state = nullptr;
    RefPtr<WindowsTranslationInstance> job;
    ResultWindowKind kind = ResultWindowKind::Result;
    // Where a clipboard result goes back to.
    std::shared_ptr<Clipboard> clipboard;
    // Called when the window closes, with its top-left corner.
    std::function<void(QPoint corner)> closed;
    // Empties the main window's status line.
    std::function<void()> clearMainStatus;
    // The window's speaker; none: the window has no speech.
    SpeakerMaker makeSpeaker;
  };

  explicit CResultWnd(Setup setup);
  ~CResultWnd() override;

  TextPane& Pane() const { return *pane_; }
  const RefPtr<WindowsTranslationInstance>& Job() const { return setup_.job; }
  QTabBar& Tabs() const { return *tabs_; }
  ResultWindowKind Kind() const { return setup_.kind; }
  // The window's speech; null without a speaker.
  ResultWindowSpeech* Speech() const { return speech_.get(); }
  // The speaker icon of the status bar: clicking it is "Listen to translation".
  QToolButton& SpeakerIcon() const { return *speakerIcon_; }
  QLabel& StatusText() const { return *statusText_; }

  // ---- What the job reports, on the window thread.
  // The job's status texts and failure message replace the pane's text.
  void ShowInPane(std::string_view text);
  // The result: shown on the "Translation" tab and, for a clipboard translation that asks
  // for it, put on the clipboard; a clipboard window then comes to the front.
  void ShowResult(TranslationDelivery delivery);

  // "Find..." (Ctrl+F), "Print..." (Ctrl+P) and "Save as..." (Ctrl+S) on the pane.
  void Find();
  void Print();
  void SaveAs();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildMenus();
  void ShowContextMenu(const QPoint& position);
  void OnTabChanged(int index);
  void ShowSourceText();
  void ShowTranslation();
  UiLanguage Language() const { return setup_.config->GetUiLanguage(); }

  // ResultSpeechView
  bool ShowsSourceTab() const override { return shownTab_ == kSourceTab; }
  bool HasResult() const override { return result_.has_value(); }
  PaneSpeechText PaneText() const override;
  void SelectSpokenWord(std::size_t start, std::size_t length) override;
  void ShowSpeechStatus(std::string_view text) override;
  void ShowSpeechBusy(bool busy) override;

  Setup setup_;
  TextPane* pane_;
  QTabBar* tabs_;
  int shownTab_ = kTranslationTab;
  std::optional<TranslationDelivery> result_;
  bool created_ = false;
  QToolButton* speakerIcon_;
  QLabel* statusText_;
  std::shared_ptr<WindowThreadQueue> queue_;
  std::unique_ptr<ResultWindowSpeech> speech_;
};

}  // namespace vorla
