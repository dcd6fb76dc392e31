#include "speech/CSpeaker.h"

#include <atomic>
#include <thread>

#include "common/Utf8.h"
#include "service/ServiceClient.h"
#include "speech/ServiceLength.h"
#include "speech/SpeechAudioFiles.h"
#include "speech/SpeechMessages.h"
#include "speech/SpeechText.h"
#include "translation/LanguageNames.h"

namespace vorla {

namespace {

// Result codes of a service request besides the service's statuses.
constexpr std::int32_t kSpeechCancelled = 10;
constexpr std::int32_t kSpeechFileFailed = 13;
constexpr std::int32_t kSpeechConnectionFailed = 2;
constexpr std::int32_t kSpeechLanguageNotAvailable = 23;
constexpr std::int32_t kSpeechPairNotAvailable = 28;
// The volume the audio file is played at; the service applies the user's volume.
constexpr int kPlaybackVolume = 1000;

}  // namespace

struct CSpeaker::ServerRequest {
  std::uint64_t id = 0;
  int notifyValue = 1;
  SpeechSynthesisRequest request;
  std::atomic<bool> cancelled{false};
  ServiceClient client;
};

CSpeaker::CSpeaker(Parts parts)
    : parts_(std::move(parts)), settings_(ReadSpeechSettings(parts_.config->settings())) {}

CSpeaker::~CSpeaker() = default;

SpeechSettings CSpeaker::GetSettings() const {
  std::lock_guard lock(mutex_);
  return settings_;
}

void CSpeaker::SetSettings(const SpeechSettings& settings) {
  WriteSpeechSettings(parts_.config->settings(), settings);
  std::lock_guard lock(mutex_);
  settings_ = settings;
}

bool CSpeaker::IsBusy() const {
  std::lock_guard lock(mutex_);
  return busy_;
}

bool CSpeaker::IsReading(SpokenPane pane) const {
  std::lock_guard lock(mutex_);
  return speakingLocally_ && highlightOn_ && highlightPane_ == pane;
}

void CSpeaker::ShowMessage(std::string_view text, MessageIcon icon) const {
  parts_.config->ShowMessage(text, {}, {.icon = icon});
}

void CSpeaker::Speak(SpokenPane pane, int notifyValue) {
  SpeechWindow& window = *parts_.window;
  const UiLanguage ui = parts_.config->GetUiLanguage();
  if (IsBusy()) {
    window.ShowSpeechStatus({});
    Stop();
    window.SetSpeechBusy(false);
    return;
  }
  if (window.TranslationRunning()) {
    ShowMessage(kSpeechAfterPendingTranslation.In(ui), MessageIcon::Information);
    return;
  }
  const PaneSpeechText content = window.PaneText(pane);
  if (window.TextNotTranslated(pane) && !content.text.empty()) {
    ShowMessage(kSpeechNeedsTranslation.In(ui), MessageIcon::Information);
    return;
  }
  const SpeechSettings settings = GetSettings();
  SpeechLanguageChoice choice;
  if (const auto known = window.PaneLanguage(pane);
      known && settings.language == kSpeechAutomatic) {
    choice.language = LocalCodeOf(*known);
  } else {
    choice = ChooseSpeechLanguage(settings.language, pane, parts_.lastTranslation(),
                                  parts_.currentPair());
  }
  if (choice.guessedEnglish && !languageNoticeShown_) {
    languageNoticeShown_ = true;
    ShowMessage(std::string(kSpeechLanguageUndetermined.In(ui)) + " " +
                    std::string(kSpeechEnglishIsDefault.In(ui)),
                MessageIcon::Information);
  }
  const std::u16string text = SpokenText(content.text, content.selectionStart);
  if (text.empty()) return;

  window.SetSpeechBusy(true);
  const bool local = choice.language >= kLanguageEnglish && choice.language <= kLanguageSwedish;
  if (local && SpeakLocal(text, content.selectionStart, pane, choice.language)) return;
  if (!SpeakOnServer(text, choice.language, notifyValue)) window.SetSpeechBusy(false);
}

bool CSpeaker::SpeakLocal(std::u16string_view text, std::size_t offset, SpokenPane pane,
                          int language) {
  if (text.empty()) return true;
  if (!parts_.engine || !parts_.engine->HasVoice(language)) return false;
  LocalUtterance utterance;
  {
    std::lock_guard lock(mutex_);
    if (busy_) return false;
    utterance.id = ++nextId_;
    utterance.language = language;
    utterance.text = LocalVoiceText(text);
    utterance.parameters = LocalVoiceParametersFor(settings_.volume, settings_.rate);
    highlightOffset_ = offset;
    highlightPane_ = pane;
    highlightOn_ = true;
    utterance_ = utterance.id;
    busy_ = true;
    speakingLocally_ = true;
  }
  if (parts_.engine->Speak(std::move(utterance), RefPtr<ISpeechEvents>(this))) return true;
  std::lock_guard lock(mutex_);
  busy_ = false;
  speakingLocally_ = false;
  highlightOn_ = false;
  return false;
}

bool CSpeaker::ConfirmServiceLength(std::size_t characters, int language) {
  if (lengthWarningShown_) return true;
  const ServiceLengthCheck check =
      CheckServiceLength(characters, language, parts_.config->GetUiLanguage());
  if (check.refused) return false;
  if (!check.question) return true;
  lengthWarningShown_ = true;
  const MessageAnswer answer = parts_.config->ShowMessage(
      *check.question, {}, {.buttons = MessageButtons::YesNo, .icon = MessageIcon::Question});
  return answer == MessageAnswer::Yes;
}

bool CSpeaker::SpeakOnServer(std::u16string_view text, int language, int notifyValue) {
  const std::u16string_view trimmed = TrimmedForService(text);
  if (trimmed.empty() || !ConfirmServiceLength(trimmed.size(), language)) return false;
  auto request = std::make_shared<ServerRequest>();
  request->notifyValue = notifyValue;
  request->request.text = Utf16ToUtf8(ServiceSpeechText(trimmed));
  request->request.language = LocalCodeOf(language);
  request->request.options = kSpeechOptionClient;
  {
    std::lock_guard lock(mutex_);
    if (busy_) return false;
    request->id = ++nextId_;
    request->request.volume = settings_.volume;
    request->request.rate = settings_.rate;
    request->request.pitch = settings_.pitch;
    request->client.Initialise(parts_.config, parts_.login, parts_.connections);
    currentRequest_ = request;
    busy_ = true;
  }
  std::thread([self = RefPtr<CSpeaker>(this), request] {
    self->RunServerRequest(request);
  }).detach();
  return true;
}

void CSpeaker::RunServerRequest(std::shared_ptr<ServerRequest> request) {
  SpeechNotice notice{.request = request->id, .language = request->request.language};
  parts_.window->PostSpeechNotice({.request = request->id,
                                   .language = request->request.language,
                                   .notifyValue = request->notifyValue});
  std::string audio;
  notice.code = request->client.SynthesizeSpeech(request->request, audio);
  if (request->cancelled) notice.code = kSpeechCancelled;
  if (notice.code == 0) {
    int counter = 0;
    {
      std::lock_guard lock(mutex_);
      counter = fileCounter_;
    }
    notice.file = WriteSpeechAudioFile(parts_.config->Dirs().temporary, parts_.processId, counter,
                                       SpeechAudioExtension(request->request.format), audio);
    {
      std::lock_guard lock(mutex_);
      fileCounter_ = std::max(fileCounter_, counter);
    }
    if (!notice.file) notice.code = kSpeechFileFailed;
  }
  if (notice.code != 0) {
    bool current = false;
    {
      std::lock_guard lock(mutex_);
      current = currentRequest_ == request;
      if (current) {
        currentRequest_.reset();
        busy_ = false;
      }
    }
    if (current) parts_.window->SetSpeechBusy(false);
  }
  parts_.window->PostSpeechNotice(std::move(notice));
}

void CSpeaker::OnSpeechNotice(const SpeechNotice& notice) {
  SpeechWindow& window = *parts_.window;
  const UiLanguage ui = parts_.config->GetUiLanguage();
  bool current = false;
  {
    std::lock_guard lock(mutex_);
    current = currentRequest_ && currentRequest_->id == notice.request;
  }
  if (notice.code == SpeechNotice::kPreparing) {
    if (current) window.ShowSpeechStatus(SpeechMessageText(SpeechMessage::Preparing).In(ui));
    return;
  }
  window.ShowSpeechStatus({});
  if (notice.code == SpeechNotice::kReady) {
    if (!current) {  // stopped while the audio came
      std::error_code ignored;
      std::filesystem::remove(*notice.file, ignored);
      return;
    }
    const bool playing = parts_.player && parts_.player->Play(*notice.file, kPlaybackVolume,
                                                              [self = RefPtr<CSpeaker>(this)] {
                                                                self->OnPlaybackEnd();
                                                              });
    if (playing) {
      std::lock_guard lock(mutex_);
      mediaOpen_ = true;
      temporaryFile_ = *notice.file;
      return;
    }
    std::error_code ignored;
    std::filesystem::remove(*notice.file, ignored);
    BecomeIdle();
    ShowMessage(SpeechMessageText(SpeechMessage::AudioDeviceError).In(ui), MessageIcon::Warning);
    return;
  }
  switch (notice.code) {
    case kSpeechCancelled:
      return;
    case kSpeechLanguageNotAvailable:
    case kSpeechPairNotAvailable: {
      const std::string_view name = LanguageName(notice.language, ui);
      ShowMessage(name.empty() ? std::string(SpeechMessageText(SpeechMessage::NotAvailable).In(ui))
                               : FormatSpeechMessage(SpeechMessage::NotAvailableFor, ui, {name}),
                  MessageIcon::Information);
      return;
    }
    case kSpeechConnectionFailed:
      ShowMessage(SpeechMessageText(SpeechMessage::ConnectionFailed).In(ui), MessageIcon::Warning);
      return;
    default:
      ShowMessage(SpeechMessageText(SpeechMessage::Failed).In(ui), MessageIcon::Warning);
  }
}

void CSpeaker::OnPlaybackEnd() {
  std::filesystem::path file;
  {
    std::lock_guard lock(mutex_);
    if (!mediaOpen_) return;
    mediaOpen_ = false;
    file = std::exchange(temporaryFile_, {});
    currentRequest_.reset();
  }
  std::error_code ignored;
  std::filesystem::remove(file, ignored);
  BecomeIdle();
}

void CSpeaker::Stop() {
  bool local = false;
  bool media = false;
  {
    std::lock_guard lock(mutex_);
    local = speakingLocally_;
    media = mediaOpen_;
    if (!local && currentRequest_) {
      currentRequest_->cancelled = true;
      currentRequest_->client.Cancel();
      currentRequest_.reset();
    }
  }
  if (local) {
    parts_.engine->Stop();
  } else if (media) {
    parts_.player->Close();
  } else {
    BecomeIdle();
  }
}

void CSpeaker::BecomeIdle() {
  {
    std::lock_guard lock(mutex_);
    busy_ = false;
  }
  parts_.window->SetSpeechBusy(false);
}

void CSpeaker::OnWordHeard(std::uint64_t utterance, std::size_t start, std::size_t length) {
  SpokenPane pane{};
  std::size_t offset = 0;
  {
    std::lock_guard lock(mutex_);
    if (utterance != utterance_ || !highlightOn_) return;
    pane = highlightPane_;
    offset = highlightOffset_;
  }
  parts_.window->HighlightSpokenWord(pane, offset + start, length);
}

void CSpeaker::OnUtteranceEnded(std::uint64_t utterance) {
  {
    std::lock_guard lock(mutex_);
    if (utterance != utterance_ || !speakingLocally_) return;
    speakingLocally_ = false;
    highlightOn_ = false;
    busy_ = false;
  }
  parts_.window->SetSpeechBusy(false);
}

}  // namespace vorla
