#include "ui/main/MainWindowSpeech.h"

#include <unistd.h>

#include <QCursor>
#include <QThread>
#include <QToolTip>

#include "platform/ChildProcess.h"
#include "platform/EspeakSynthesizer.h"
#include "platform/QtAudioFilePlayer.h"
#include "platform/QtPcmOutput.h"
#include "speech/SpeechAudioFiles.h"
#include "speech/StreamedSpeechEngine.h"
#include "ui/UiText.h"
#include "ui/dialogs/SpeechSettingsDialog.h"
#include "ui/main/CMainFrame.h"
#include "ui/main/CommandIds.h"
#include "ui/panes/PaneSpeech.h"

namespace vorla {

namespace {

// Notify value of the toolbar's listen button.
constexpr int kToolbarNotifyValue = 0;

}  // namespace

// The window side of the speaker: what it asks runs on the window thread; what the voice
// and the requests report from their threads is queued there.
class MainWindowSpeech::Window final : public SpeechWindow {
 public:
  Window(CMainFrame& frame, MainWindowSpeech& speech, CWindowsTranslator& translator,
         std::shared_ptr<WindowThreadQueue> queue)
      : frame_(frame), speech_(speech), translator_(translator), queue_(std::move(queue)) {}

  bool TranslationRunning() override { return frame_.Command(kCmdCancelTranslation).isEnabled(); }
  bool TextNotTranslated(SpokenPane pane) override {
    return pane == SpokenPane::Translation && translator_.LastResult() < 0;
  }
  PaneSpeechText PaneText(SpokenPane pane) override { return SpeechTextOf(Pane(pane)); }
  void SetSpeechBusy(bool busy) override {
    OnWindowThread([&speech = speech_, busy] { speech.ShowBusy(busy); });
  }
  void ShowSpeechStatus(std::string_view text) override {
    const QString shown = Utf8Text(text);
    frame_.ShowStatusText(shown);
    if (shown.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(QCursor::pos(), shown, &frame_);
    }
  }
  void HighlightSpokenWord(SpokenPane pane, std::size_t start, std::size_t length) override {
    OnWindowThread([this, pane, start, length] { SelectSpokenWord(Pane(pane), start, length); });
  }
  void PostSpeechNotice(SpeechNotice notice) override {
    queue_->Post([&speech = speech_, notice = std::move(notice)] {
      speech.Speaker().OnSpeechNotice(notice);
    });
  }

 private:
  TextPane& Pane(SpokenPane pane) const {
    return pane == SpokenPane::Source ? frame_.SourcePane() : frame_.TranslationPane();
  }
  void OnWindowThread(std::function<void()> call) {
    if (QThread::currentThread() == frame_.thread()) {
      call();
    } else {
      queue_->Post(std::move(call));
    }
  }

  CMainFrame& frame_;
  MainWindowSpeech& speech_;
  CWindowsTranslator& translator_;
  std::shared_ptr<WindowThreadQueue> queue_;
};

MainWindowSpeech::MainWindowSpeech(CMainFrame& frame, RefPtr<Config> config,
                                   RefPtr<CWindowsTranslator> translator,
                                   std::shared_ptr<HttpConnFactory> connections,
                                   std::shared_ptr<WindowThreadQueue> queue)
    : frame_(frame),
      config_(std::move(config)),
      translator_(std::move(translator)),
      connections_(std::move(connections)),
      window_(std::make_shared<Window>(frame, *this, *translator_, std::move(queue))) {
  RemoveStaleSpeechAudioFiles(config_->Dirs().temporary, &ProcessIsRunning);
  speaker_ = MakeSpeaker(window_);
  ConnectCommands();
  ShowBusy(false);
}

RefPtr<CSpeaker> MainWindowSpeech::MakeSpeaker(std::shared_ptr<SpeechWindow> window) const {
  TranslatorState& state = translator_->State();
  return MakeRef<CSpeaker>(CSpeaker::Parts{
      .config = config_,
      .login = &state,
      .connections = connections_,
      .engine = std::make_shared<StreamedSpeechEngine>(
          EspeakSynthesizer::Instance(), [] { return std::make_unique<QtPcmOutput>(); }),
      .player = std::make_shared<QtAudioFilePlayer>(),
      .window = std::move(window),
      // Asked by Speak on the window thread, while the window holds the translator (the
      // translator's hooks hold the speaker, so the speaker does not hold it back).
      .lastTranslation = [translator =
                              translator_.get()] { return translator->LastTranslationLanguages(); },
      .currentPair = [&state] { return state.GetPair(); },
      .processId = getpid(),
  });
}

MainWindowSpeech::~MainWindowSpeech() {
  speaker_->Stop();
}

void MainWindowSpeech::ConnectCommands() {
  const auto on = [this](int id, std::function<void()> handler) {
    QObject::connect(&frame_.Command(id), &QAction::triggered, &frame_,
                     [handler = std::move(handler)] { handler(); });
  };
  on(kCmdListenToSourceText, [this] { speaker_->Speak(SpokenPane::Source); });
  on(kCmdListenToTranslation, [this] { speaker_->Speak(SpokenPane::Translation); });
  on(kCmdToolbarListen, [this] { speaker_->Speak(SpokenPane::Translation, kToolbarNotifyValue); });
  on(kCmdToolbarStopSpeech, [this] { speaker_->Speak(SpokenPane::Translation); });
  on(kCmdStopSpeech, [this] {
    window_->ShowSpeechStatus({});
    speaker_->Stop();
  });
  on(kCmdSpeechSettings, [this] { ShowSettings(); });
}

void MainWindowSpeech::ShowBusy(bool busy) {
  frame_.Command(kCmdListenToSourceText).setEnabled(!busy);
  frame_.Command(kCmdListenToTranslation).setEnabled(!busy);
  frame_.Command(kCmdStopSpeech).setEnabled(busy);
  // The toolbar shows its stop state while speech runs.
  frame_.Command(kCmdToolbarListen).setVisible(!busy);
  frame_.Command(kCmdToolbarStopSpeech).setVisible(busy);
}

void MainWindowSpeech::ShowSettings() {
  const bool englishSwedish = (translator_->State().GetAvailablePairs() & kPairEnglishSwedish) != 0;
  SpeechSettingsDialog::ShowModal(&frame_, config_->GetUiLanguage(), config_->settings(),
                                  englishSwedish);
  // "Reset to defaults" stores even when the dialog is then cancelled.
  speaker_->SetSettings(ReadSpeechSettings(config_->settings()));
}

}  // namespace vorla
