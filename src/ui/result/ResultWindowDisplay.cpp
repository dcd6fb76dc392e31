#include "ui/result/ResultWindowDisplay.h"

#include <QCoreApplication>
#include <QPointer>
#include <string>
#include <utility>

#include "ui/result/CResultWnd.h"

namespace vorla {

namespace {

// Runs `call` with the window on the window thread, unless the window is gone by then. The
// pointer to the window is only ever read on the window thread.
template <class Call>
void QueueToWindow(const QPointer<CResultWnd>& window, Call call) {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [window, call = std::move(call)]() mutable {
        if (CResultWnd* shown = window.data()) call(*shown);
      },
      Qt::QueuedConnection);
}

// The status path of a result-window job is the window's pane.
class ResultWindowProgress final : public UnknownImpl<IProgressSink> {
 public:
  explicit ResultWindowProgress(CResultWnd* window) : window_(window) {}

  void ShowStatus(std::string_view text, ProgressBar, int) override { ShowInTargetPane(text); }
  void ShowInTargetPane(std::string_view text) override {
    QueueToWindow(window_,
                  [text = std::string(text)](CResultWnd& window) { window.ShowInPane(text); });
  }
  void ShowFailure(std::string_view message) override { ShowInTargetPane(message); }

 private:
  QPointer<CResultWnd> window_;
};

class ResultWindowDelivery final : public UnknownImpl<IDeliverySink> {
 public:
  explicit ResultWindowDelivery(CResultWnd* window) : window_(window) {}

  void Deliver(TranslationDelivery delivery) override {
    QueueToWindow(window_, [delivery = std::move(delivery)](CResultWnd& window) mutable {
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
