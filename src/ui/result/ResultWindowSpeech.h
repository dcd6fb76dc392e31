#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>

#include "common/Bilingual.h"
#include "common/RefPtr.h"
#include "speech/CSpeaker.h"
#include "speech/SpeechWindow.h"
#include "translation/WindowsTranslationInstance.h"
#include "ui/main/WindowThreadQueue.h"

namespace vorla {

// What a result window's speech asks of the window, on the window thread.
class ResultSpeechView {
 public:
  virtual ~ResultSpeechView() = default;

  // Whether the "Source text" tab is shown (else "Translation").
  virtual bool ShowsSourceTab() const = 0;
  // Whether the job's result has come.
  virtual bool HasResult() const = 0;
  virtual PaneSpeechText PaneText() const = 0;
  virtual void SelectSpokenWord(std::size_t start, std::size_t length) = 0;
  // The second part of the status bar; an empty text clears it.
  virtual void ShowSpeechStatus(std::string_view text) = 0;
  // The speaker icon and the context menu follow whether speech runs.
  virtual void ShowSpeechBusy(bool busy) = 0;
};

// Makes the speaker of a window, with the parts of the program's speech.
using SpeakerMaker = std::function<RefPtr<CSpeaker>(std::shared_ptr<SpeechWindow>)>;

// The context menu's first item: its command and text.
struct ResultSpeechCommand {
  int id = 0;
  BilingualText text;
};

// The speech of one result window, without widgets: "Listen to translation" (also the
// speaker icon's click) reads the tab shown in that tab's language, "Stop speech" ends it,
// the spoken word is selected while its tab is shown, and closing the window stops speech.
class ResultWindowSpeech {
 public:
  // `queue` carries the reports of the voice and the service requests to the window thread;
  // the window closes it as it goes.
  ResultWindowSpeech(ResultSpeechView& view, RefPtr<WindowsTranslationInstance> job,
                     std::shared_ptr<WindowThreadQueue> queue, const SpeakerMaker& makeSpeaker);
  ResultWindowSpeech(const ResultWindowSpeech&) = delete;
  ResultWindowSpeech& operator=(const ResultWindowSpeech&) = delete;
  ~ResultWindowSpeech();

  // Speaks the tab shown; while speech runs it stops instead.
  void Listen();
  void Stop();
  bool IsBusy() const;
  // "Listen to translation", "Listen to source text" on the source tab, "Stop speech" while
  // speech runs.
  ResultSpeechCommand ContextCommand() const;
  // Runs the context menu's first item: kCmdListenToTranslation or kCmdStopSpeech.
  void RunCommand(int id);
  // The window closes: speech stops, and nothing reported later reaches the window.
  void Close();

 private:
  class Window;

  ResultSpeechView& view_;
  std::shared_ptr<Window> window_;
  RefPtr<CSpeaker> speaker_;
};

}  // namespace vorla
