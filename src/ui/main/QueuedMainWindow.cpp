#include "ui/main/QueuedMainWindow.h"

#include <string>

#include "ui/UiText.h"
#include "ui/main/CMainFrame.h"
#include "ui/main/CommandIds.h"

namespace vorla {

namespace {

// What every queued side of the window holds.
class QueuedCalls {
 public:
  QueuedCalls(CMainFrame& frame, std::shared_ptr<WindowThreadQueue> queue)
      : frame_(frame), queue_(std::move(queue)) {}

 protected:
  // Queues a call of the frame; its arguments must be copies.
  template <class Call>
  void Post(Call call) {
    queue_->Post([&frame = frame_, call = std::move(call)]() mutable { call(frame); });
  }
  // The same for a report of the job, dropped on the window thread when the job may no
  // longer show.
  template <class Call>
  void PostFor(const JobIdentity& job, Call call) {
    Post([job, call = std::move(call)](CMainFrame& frame) mutable {
      if (job.MayShow()) call(frame);
    });
  }

 private:
  CMainFrame& frame_;
  std::shared_ptr<WindowThreadQueue> queue_;
};

// A job's reports: each queued call asks the job again on the window thread, so that a job
// cancelled or superseded after its worker reported shows nothing.
class QueuedProgress final : public UnknownImpl<IProgressSink>, QueuedCalls {
 public:
  using QueuedCalls::QueuedCalls;

  void ShowStatus(const JobIdentity& job, std::string_view text, ProgressBar bar,
                  int percent) override {
    PostFor(job, [text = std::string(text), bar, percent](CMainFrame& frame) {
      frame.ShowJobStatus(text, bar, percent);
    });
  }
  void ShowInTargetPane(const JobIdentity& job, std::string_view text) override {
    PostFor(job,
            [text = std::string(text)](CMainFrame& frame) { frame.ShowInTranslationPane(text); });
  }
  void ShowFailure(const JobIdentity& job, std::string_view message) override {
    PostFor(job,
            [message = std::string(message)](CMainFrame& frame) { frame.ShowJobFailure(message); });
  }

 private:
  ~QueuedProgress() override = default;
};

class QueuedDelivery final : public UnknownImpl<IDeliverySink>, QueuedCalls {
 public:
  using QueuedCalls::QueuedCalls;

  void Deliver(const JobIdentity& job, TranslationDelivery delivery) override {
    PostFor(job, [delivery = std::move(delivery)](CMainFrame& frame) mutable {
      frame.ShowTranslation(std::move(delivery));
    });
  }

 private:
  ~QueuedDelivery() override = default;
};

class QueuedTranslatorWindow final : public TranslatorWindow, QueuedCalls {
 public:
  using QueuedCalls::QueuedCalls;

  void EnableCancelCommand(bool enabled) override {
    Post([enabled](CMainFrame& frame) { frame.EnableCancelCommand(enabled); });
  }
  // What depends on the login besides the language controls comes with the commands
  // that depend on it.
  void RefreshLanguageControls(bool) override {
    Post([](CMainFrame& frame) { frame.RefreshLanguageControls(); });
  }
  void SpeakTranslation() override {
    Post([](CMainFrame& frame) { frame.Command(kCmdListenToTranslation).trigger(); });
  }
};

class QueuedStatusBar final : public StatusBar, QueuedCalls {
 public:
  using QueuedCalls::QueuedCalls;

  void ShowStatus(std::string_view text) override {
    Post([text = Utf8Text(text)](CMainFrame& frame) { frame.ShowStatusText(text); });
  }
};

}  // namespace

QueuedMainWindow MakeQueuedMainWindow(CMainFrame& frame, std::shared_ptr<WindowThreadQueue> queue) {
  return {{MakeRef<QueuedProgress>(frame, queue), MakeRef<QueuedDelivery>(frame, queue)},
          std::make_shared<QueuedTranslatorWindow>(frame, queue),
          std::make_shared<QueuedStatusBar>(frame, queue)};
}

}  // namespace vorla
