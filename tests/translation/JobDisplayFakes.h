#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "translation/JobDisplay.h"
#include "translation/SourcePane.h"

namespace vorla::test {

// A clock the test moves.
class ManualClock final : public Clock {
 public:
  std::int64_t NowMilliseconds() const override { return now; }
  std::int64_t now = 1'000;
};

// Records what a job shows, one line a call: "status: text [bar percent]", "pane: text",
// "failure: text".
class RecordingProgress final : public UnknownImpl<IProgressSink> {
 public:
  void ShowStatus(const JobIdentity&, std::string_view text, ProgressBar bar,
                  int percent) override {
    static constexpr const char* kBars[] = {"show", "set", "hide"};
    std::string line = "status: " + std::string(text) + " [" + kBars[static_cast<int>(bar)];
    if (bar != ProgressBar::Hide) line += " " + std::to_string(percent);
    Add(line + "]");
  }
  void ShowInTargetPane(const JobIdentity&, std::string_view text) override {
    Add("pane: " + std::string(text));
  }
  void ShowFailure(const JobIdentity&, std::string_view message) override {
    Add("failure: " + std::string(message));
  }

  std::vector<std::string> Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }
  void Clear() {
    std::lock_guard lock(mutex_);
    lines_.clear();
  }

 private:
  void Add(std::string line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(std::move(line));
  }
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
};

class RecordingDelivery final : public UnknownImpl<IDeliverySink> {
 public:
  void Deliver(const JobIdentity&, TranslationDelivery delivery) override {
    std::lock_guard lock(mutex_);
    delivered_.push_back(std::move(delivery));
  }
  std::vector<TranslationDelivery> Delivered() const {
    std::lock_guard lock(mutex_);
    return delivered_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<TranslationDelivery> delivered_;
};

// A source pane holding a document, with a selection when one is set.
class FakeSourcePane final : public SourcePane {
 public:
  bool IsEmpty() override { return content.paragraphs.empty(); }
  bool HasSelection() override { return selection.has_value(); }
  RichDocument Content(bool selectionOnly) override {
    return selectionOnly && selection ? *selection : content;
  }
  void RemoveObjects() override { ++objectsRemoved; }
  void RemoveLinkFormatting() override { ++linksRemoved; }

  RichDocument content;
  std::optional<RichDocument> selection;
  int objectsRemoved = 0;
  int linksRemoved = 0;
};

}  // namespace vorla::test
