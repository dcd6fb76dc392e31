#include "ui/result/ResultWindowDisplay.h"

#include <QPointer>
#include <string>
#include <utility>

#include "ui/QueuedJobReport.h"
#include "ui/result/CResultWnd.h"

namespace vorla {

namespace {

// The status path of a result-window job is the window's pane.
class ResultWindowProgress final : public UnknownImpl<IProgressSink> {
 public:
  explicit ResultWindowProgress(CResultWnd* window) : window_(window) {}

  void ShowStatus(const JobIdentity& job, std::string_view text, ProgressBar, int) override {
    ShowInTargetPane(job, text);
  }
  void ShowInTargetPane(const JobIdentity& job, std::string_view text) override {
    QueueJobReport(window_, job,
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
    QueueJobReport(window_, job, [delivery = std::move(delivery)](CResultWnd& window) mutable {
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
