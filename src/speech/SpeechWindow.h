#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "speech/SpeechLanguage.h"

namespace vorla {

// A pane's text as speech reads it.
struct PaneSpeechText {
  std::u16string text;
  std::size_t selectionStart = 0;  // 0 without a selection
};

// What a service request reports to the window thread: preparing (1000), the audio file is
// ready (0, with its file) or a result code. Tagged with its request, so that a late report
// after Stop is recognised.
struct SpeechNotice {
  static constexpr std::int32_t kPreparing = 1000;
  static constexpr std::int32_t kReady = 0;

  std::uint64_t request = 0;
  std::int32_t code = kPreparing;
  int language = 0;  // the request's language
  int notifyValue = 1;
  std::optional<std::filesystem::path> file{};
};

// What the speaker asks of the window that speaks (the main window, a result window).
// The calls marked "any thread" come from workers and the voice's thread: the window queues
// them to its own thread.
class SpeechWindow {
 public:
  virtual ~SpeechWindow() = default;

  // Whether a translation is running, which must end before its result is spoken.
  virtual bool TranslationRunning() = 0;
  // Whether the pane's text is not the translation of the current text yet (the source
  // pane can always be spoken).
  virtual bool TextNotTranslated(SpokenPane pane) = 0;
  virtual PaneSpeechText PaneText(SpokenPane pane) = 0;
  // The language of the pane when the window knows it better than the last translation
  // (a result window: the language of the tab shown); nothing to let the speaker choose.
  virtual std::optional<int> PaneLanguage(SpokenPane) { return std::nullopt; }

  // Any thread: the listen commands greyed and "Stop speech" enabled while busy, the
  // toolbar in its stop state; all back when idle.
  virtual void SetSpeechBusy(bool busy) = 0;
  // The status line and the tracking tooltip; an empty text clears both.
  virtual void ShowSpeechStatus(std::string_view text) = 0;
  // Any thread: selects the word being spoken (UTF-16 positions in the pane).
  virtual void HighlightSpokenWord(SpokenPane pane, std::size_t start, std::size_t length) = 0;
  // Any thread: the window hands the notice back to CSpeaker::OnSpeechNotice on its thread.
  virtual void PostSpeechNotice(SpeechNotice notice) = 0;
};

}  // namespace vorla
