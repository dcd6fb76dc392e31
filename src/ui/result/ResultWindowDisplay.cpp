#include "ui/result/ResultWindowDisplay.h"

#include <QCoreApplication>
#include <QPointer>
#include <string>
#include <utility>

#include "ui/result/CResultWnd.h"

namespace vorla {

namespace {

// Runs `call` with the window on the window thread, unless by then the window is gone or
// the job may no longer show. The pointer to the window is only ever read on the window
// thread.
template <class Call>
void QueueToWindow(const QPointer<CResultWnd>& window, const JobIdentity& job, Call call) {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [window, job, call = std::move(call)]() mutable {
        CResultWnd* shown = window.data();
        if (shown && job.MayShow()) call(*shown);
      },
      Qt::QueuedConnection);
}

// The status path of a result-window job is the window's pane.
class ResultWindowProgress final : public UnknownImpl<IProgressSink> {
 public:
  explicit ResultWindowProgress(CResultWnd* window) : window_(window) {}

  void ShowStatus(const JobIdentity& job, std::string_view text, ProgressBar, int) override {
    ShowInTargetPane(job, text);
  }
  void ShowInTargetPane(const JobIdentity& job, std::string_view text) override {
    QueueToWindow(window_, job,
                  [text = std::string(text)](CResultWnd& window) { window.ShowInPane(text); });
  }
  void ShowFailure(const JobIdentity& job, std::string_view message) override {
    ShowInTargetPane(job, message);
  }

 private:
  QPointer<CResultWnd> window_;
};

class ResultWindowDelivery final : public UnknownImpl<IDeliverySink> {
 public:
  explicit ResultWindowDelivery(CResultWnd* window) : window_(window) {}

  void Deliver(const JobIdentity& job, TranslationDelivery delivery) override {
    QueueToWindow(window_, job, [delivery = std::move(delivery)](CResultWnd& window) mutable {
      window.ShowResult(std::move(delivery));
    });
  }

 private:
  QPointer<CResultWnd> window_;
};

}  // namespace

JobDisplay MakeResultWindowDisplay(CResultWnd* window) {
  return {MakeRef<ResultWindowProgress>(window), MakeRef<ResultWindowDelivery>(window)};
}

}  // namespace vorla
