#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "cli/CliStatusLine.h"
#include "translation/JobDisplay.h"

namespace vorla::cli {

// A job's progress on the standard error: each status text once (through the status line
// that logins report to as well), and a progress bar while a transfer reports percentages
// to a terminal. Written at once on the worker, which has just asked the job whether it may
// show, so the job's identity is not needed again.
class CliProgress final : public UnknownImpl<IProgressSink> {
 public:
  explicit CliProgress(std::shared_ptr<CliStatusLine> statusLine);
  ~CliProgress() override = default;

  void ShowStatus(const JobIdentity&, std::string_view text, ProgressBar bar, int percent) override;
  // The target pane is the standard output, where only the translation goes. What a pane
  // would show meanwhile ("Translating... please wait") is left out; the status line tells
  // the same.
  void ShowInTargetPane(const JobIdentity&, std::string_view) override {}
  void ShowFailure(const JobIdentity&, std::string_view message) override;

 private:
  // Ends the bar's line before anything else is written.
  void EndBar();

  std::shared_ptr<CliStatusLine> statusLine_;
  const bool terminal_;
  std::mutex mutex_;
  bool barShown_ = false;
};

// Keeps the delivered result for the command to print once the job has ended.
class CliDelivery final : public UnknownImpl<IDeliverySink> {
 public:
  ~CliDelivery() override = default;

  void Deliver(const JobIdentity&, TranslationDelivery delivery) override;
  std::optional<TranslationDelivery> Take();

 private:
  std::mutex mutex_;
  std::optional<TranslationDelivery> delivery_;
};

}  // namespace vorla::cli
