#include "ui/documents/ProgressDialogDisplay.h"

#include <QPointer>
#include <string>
#include <utility>

#include "ui/QueuedJobReport.h"
#include "ui/documents/ProgressDialog.h"

namespace vorla {

namespace {

class ProgressDialogProgress final : public UnknownImpl<IProgressSink> {
 public:
  explicit ProgressDialogProgress(ProgressDialog* dialog) : dialog_(dialog) {}

  void ShowStatus(const JobIdentity& job, std::string_view text, ProgressBar bar,
                  int percent) override {
    QueueJobReport(dialog_, job, [text = std::string(text), bar, percent](ProgressDialog& dialog) {
      dialog.ShowStatus(text, bar, percent);
    });
  }
  void ShowDetail(const JobIdentity& job, std::string_view text) override {
    QueueJobReport(dialog_, job,
                   [text = std::string(text)](ProgressDialog& dialog) { dialog.ShowDetail(text); });
  }
  // The dialog has no pane: a text meant for one (the note on the opened result) is its
  // status.
  void ShowInTargetPane(const JobIdentity& job, std::string_view text) override {
    if (text.empty()) return;
    ShowStatus(job, text, ProgressBar::Hide, 0);
  }
  void ShowFailure(const JobIdentity& job, std::string_view message) override {
    QueueJobReport(dialog_, job, [message = std::string(message)](ProgressDialog& dialog) {
      dialog.ShowFinalMessage(message);
    });
  }

 private:
  QPointer<ProgressDialog> dialog_;
};

class ProgressDialogDelivery final : public UnknownImpl<IDeliverySink> {
 public:
  explicit ProgressDialogDelivery(ProgressDialog* dialog) : dialog_(dialog) {}

  void Deliver(const JobIdentity& job, TranslationDelivery) override {
    QueueJobReport(dialog_, job, [](ProgressDialog& dialog) { dialog.ResultArrived(); });
  }

 private:
  QPointer<ProgressDialog> dialog_;
};

}  // namespace

JobDisplay MakeProgressDialogDisplay(ProgressDialog* dialog) {
  return {MakeRef<ProgressDialogProgress>(dialog), MakeRef<ProgressDialogDelivery>(dialog)};
}

}  // namespace vorla
