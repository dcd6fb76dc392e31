#include "ui/result/ResultWindowSpeech.h"

#include <QCoreApplication>
#include <QThread>

#include "ui/SpeechCommandTexts.h"
#include "ui/main/CommandIds.h"

namespace vorla {

namespace {

constexpr BilingualText kListenToSourceText{"Listen to source text", "Kuuntele lähtöteksti"};

}  // namespace

// The speaker's side of the window. The speaker holds it, and its threads may outlive the
// window: everything that touches the view runs on the window thread, through the queue
// when it comes from elsewhere, so that nothing reaches a window that has gone.
class ResultWindowSpeech::Window final : public SpeechWindow {
 public:
  Window(ResultSpeechView& view, RefPtr<WindowsTranslationInstance> job,
         std::shared_ptr<WindowThreadQueue> queue)
      : view_(view), job_(std::move(job)), queue_(std::move(queue)) {}

  void Attach(CSpeaker* speaker) { speaker_ = speaker; }

  SpokenPane ShownPane() const {
    return view_.ShowsSourceTab() ? SpokenPane::Source : SpokenPane::Translation;
  }

  bool TranslationRunning() override {
    const JobStage stage = job_->Stage();
    return !view_.HasResult() && !job_->IsCancelled() &&
           (stage == JobStage::Sending || stage == JobStage::PriceQuery);
  }
  bool TextNotTranslated(SpokenPane pane) override {
    return pane == SpokenPane::Translation && !view_.HasResult();
  }
  PaneSpeechText PaneText(SpokenPane) override { return view_.PaneText(); }
  // The job's languages (those the service reported under automatic direction).
  std::optional<int> PaneLanguage(SpokenPane pane) override {
    const TranslationJob& job = job_->Job();
    return pane == SpokenPane::Source ? job.srclan : job.tgtlan;
  }
  void SetSpeechBusy(bool busy) override {
    OnWindowThread([this, busy] { view_.ShowSpeechBusy(busy); });
  }
  void ShowSpeechStatus(std::string_view text) override { view_.ShowSpeechStatus(text); }
  // A word of the other tab's text is not selected.
  void HighlightSpokenWord(SpokenPane pane, std::size_t start, std::size_t length) override {
    OnWindowThread([this, pane, start, length] {
      if (pane == ShownPane()) view_.SelectSpokenWord(start, length);
    });
  }
  void PostSpeechNotice(SpeechNotice notice) override {
    queue_->Post([this, notice = std::move(notice)] {
      if (speaker_) speaker_->OnSpeechNotice(notice);
    });
  }

 private:
  void OnWindowThread(std::function<void()> call) {
    if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
      call();
    } else {
      queue_->Post(std::move(call));
    }
  }

  ResultSpeechView& view_;
  const RefPtr<WindowsTranslationInstance> job_;
  const std::shared_ptr<WindowThreadQueue> queue_;
  CSpeaker* speaker_ = nullptr;  // window thread
};

ResultWindowSpeech::ResultWindowSpeech(ResultSpeechView& view,
                                       RefPtr<WindowsTranslationInstance> job,
                                       std::shared_ptr<WindowThreadQueue> queue,
                                       const SpeakerMaker& makeSpeaker)
    : view_(view),
      window_(std::make_shared<Window>(view, std::move(job), std::move(queue))),
      speaker_(makeSpeaker(window_)) {
  window_->Attach(speaker_.get());
  view_.ShowSpeechBusy(false);
}

ResultWindowSpeech::~ResultWindowSpeech() {
  Close();
}

void ResultWindowSpeech::Listen() {
  if (speaker_) speaker_->Speak(window_->ShownPane());
}

void ResultWindowSpeech::Stop() {
  if (!speaker_) return;
  view_.ShowSpeechStatus({});
  speaker_->Stop();
}

bool ResultWindowSpeech::IsBusy() const {
  return speaker_ && speaker_->IsBusy();
}

ResultSpeechCommand ResultWindowSpeech::ContextCommand() const {
  if (IsBusy()) return {kCmdStopSpeech, kStopSpeechText};
  return {kCmdListenToTranslation, window_->ShownPane() == SpokenPane::Source
                                       ? kListenToSourceText
                                       : kListenToTranslationText};
}

void ResultWindowSpeech::RunCommand(int id) {
  if (id == kCmdStopSpeech) {
    Stop();
  } else {
    Listen();
  }
}

void ResultWindowSpeech::Close() {
  if (!speaker_) return;
  // The speaker holds the window side; letting go of the speaker here ends the cycle.
  speaker_->Stop();
  window_->Attach(nullptr);
  speaker_ = nullptr;
}

}  // namespace vorla
