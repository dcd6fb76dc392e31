#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "service/HttpConnFactory.h"
#include "service/LoginSession.h"
#include "service/SpeechSynthesis.h"
#include "speech/AudioFilePlayer.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechSettings.h"
#include "speech/SpeechWindow.h"
#include "translation/LanguagePairs.h"

namespace vorla {

// Reads the source or the translation aloud: English, Finnish and Swedish with a local voice
// when one is there, every other language (and those without a voice) through the service's
// `tts`, whose audio is saved in a temporary file and played. Commands run on the window
// thread; the voice reports from its thread, service requests run on threads of their own.
class CSpeaker final : public UnknownImpl<ISpeechEvents> {
 public:
  struct Parts {
    RefPtr<Config> config;
    LoginSession* login = nullptr;  // the session the service requests use
    std::shared_ptr<HttpConnFactory> connections;
    std::shared_ptr<SpeechEngine> engine;  // null: every language goes to the service
    std::shared_ptr<AudioFilePlayer> player;
    std::shared_ptr<SpeechWindow> window;
    // The languages of the last translation (nothing before the first) and the current pair.
    std::function<std::optional<LanguagePair>()> lastTranslation;
    std::function<LanguagePair()> currentPair;
    std::int64_t processId = 0;  // names the temporary audio files
  };

  // Reads the speech settings.
  explicit CSpeaker(Parts parts);
  ~CSpeaker() override;

  SpeechSettings GetSettings() const;
  // Stores the settings and uses them from the next text on.
  void SetSettings(const SpeechSettings& settings);

  // "Listen to source text" and "Listen to translation": while busy it stops instead.
  // notifyValue 0 is the toolbar button 32948's.
  void Speak(SpokenPane pane, int notifyValue = 1);
  // Ends local speech, a service request or the playback.
  void Stop();
  bool IsBusy() const;
  // Whether a local voice is reading the pane (its selection is the spoken word then).
  bool IsReading(SpokenPane pane) const;

  // A service request's report, on the window thread.
  void OnSpeechNotice(const SpeechNotice& notice);

  // ISpeechEvents, from the voice's thread.
  void OnWordHeard(std::uint64_t utterance, std::size_t start, std::size_t length) override;
  void OnUtteranceEnded(std::uint64_t utterance) override;

 private:
  struct ServerRequest;

  bool SpeakLocal(std::u16string_view text, std::size_t offset, SpokenPane pane, int language);
  bool SpeakOnServer(std::u16string_view text, int language, int notifyValue);
  // The 1,000-character question, asked until answered once; false: do not speak.
  bool ConfirmServiceLength(std::size_t characters, int language);
  void RunServerRequest(std::shared_ptr<ServerRequest> request);
  void OnPlaybackEnd();
  // Idle, with the speech controls idle.
  void BecomeIdle();
  void ShowMessage(std::string_view text, MessageIcon icon) const;

  const Parts parts_;
  bool languageNoticeShown_ = false;  // window thread
  bool lengthWarningShown_ = false;   // window thread

  mutable std::mutex mutex_;
  SpeechSettings settings_;
  bool busy_ = false;
  bool speakingLocally_ = false;
  bool mediaOpen_ = false;
  std::uint64_t utterance_ = 0;  // the local utterance being spoken
  std::uint64_t nextId_ = 0;
  std::shared_ptr<ServerRequest> currentRequest_;
  std::filesystem::path temporaryFile_;
  int fileCounter_ = 0;
  std::size_t highlightOffset_ = 0;
  SpokenPane highlightPane_ = SpokenPane::Translation;
  bool highlightOn_ = false;
};

}  // namespace vorla
