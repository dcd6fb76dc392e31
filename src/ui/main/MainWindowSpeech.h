#pragma once

#include <QObject>
#include <memory>

#include "common/RefPtr.h"
#include "speech/CSpeaker.h"
#include "translation/CWindowsTranslator.h"
#include "ui/main/WindowThreadQueue.h"

namespace vorla {

class CMainFrame;

// The main window's speech: its speaker (local voices of espeak-ng, played through Qt
// Multimedia, and the service's audio files), the commands "Listen to source text",
// "Listen to translation", the toolbar buttons, "Stop speech" and "Speech settings...",
// the preparing text in the status line and its tooltip, and the spoken word selected in
// its pane.
class MainWindowSpeech {
 public:
  MainWindowSpeech(CMainFrame& frame, RefPtr<Config> config, RefPtr<CWindowsTranslator> translator,
                   std::shared_ptr<HttpConnFactory> connections,
                   std::shared_ptr<WindowThreadQueue> queue);
  // Stops what is being spoken.
  ~MainWindowSpeech();

  CSpeaker& Speaker() const { return *speaker_; }
  // A speaker of its own for another window (a result window), with the same parts and the
  // settings as they are now.
  RefPtr<CSpeaker> MakeSpeaker(std::shared_ptr<SpeechWindow> window) const;
  // The speech commands' enable states: listen or stop.
  void ShowBusy(bool busy);

 private:
  class Window;

  void ConnectCommands();
  void ShowSettings();

  CMainFrame& frame_;
  RefPtr<Config> config_;
  RefPtr<CWindowsTranslator> translator_;
  std::shared_ptr<HttpConnFactory> connections_;
  std::shared_ptr<Window> window_;
  RefPtr<CSpeaker> speaker_;
};

}  // namespace vorla
