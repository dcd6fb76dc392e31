#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <vector>

#include "config/MessageBox.h"
#include "speech/AudioFilePlayer.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechWindow.h"

namespace vorla::test {

// A window that records what speech shows and queues the service requests' notices, which
// the test hands to the speaker as the window thread would.
class RecordingSpeechWindow final : public SpeechWindow {
 public:
  struct Highlight {
    SpokenPane pane;
    std::size_t start;
    std::size_t length;
    friend bool operator==(const Highlight&, const Highlight&) = default;
  };

  bool translationRunning = false;
  bool notTranslated = false;
  PaneSpeechText source;
  PaneSpeechText translation;

  bool TranslationRunning() override { return translationRunning; }
  bool TextNotTranslated(SpokenPane) override { return notTranslated; }
  PaneSpeechText PaneText(SpokenPane pane) override {
    return pane == SpokenPane::Source ? source : translation;
  }
  void SetSpeechBusy(bool busy) override {
    std::lock_guard lock(mutex_);
    busyStates.push_back(busy);
  }
  void ShowSpeechStatus(std::string_view text) override { statusTexts.emplace_back(text); }
  void HighlightSpokenWord(SpokenPane pane, std::size_t start, std::size_t length) override {
    std::lock_guard lock(mutex_);
    highlights.push_back({pane, start, length});
  }
  void PostSpeechNotice(SpeechNotice notice) override {
    std::lock_guard lock(mutex_);
    notices_.push_back(std::move(notice));
    changed_.notify_all();
  }

  // The next notice a request posted; fails the test after 30 seconds.
  SpeechNotice NextNotice() {
    std::unique_lock lock(mutex_);
    if (!changed_.wait_for(lock, std::chrono::seconds(30), [this] { return !notices_.empty(); })) {
      throw std::runtime_error("no speech notice came");
    }
    SpeechNotice notice = std::move(notices_.front());
    notices_.pop_front();
    return notice;
  }
  std::vector<bool> BusyStates() {
    std::lock_guard lock(mutex_);
    return busyStates;
  }

  std::vector<bool> busyStates;
  std::vector<std::string> statusTexts;
  std::vector<Highlight> highlights;

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<SpeechNotice> notices_;
};

// Plays nothing: records each file (its bytes as they were when played) and ends when the
// test says so or the speaker closes it.
class RecordingPlayer final : public AudioFilePlayer {
 public:
  struct Played {
    std::filesystem::path file;
    std::string bytes;
    int volume;
  };
  bool fails = false;
  std::vector<Played> played;
  int closes = 0;

  bool Play(const std::filesystem::path& file, int volume, std::function<void()> ended) override {
    if (fails) return false;
    std::ifstream in(file, std::ios::binary);
    played.push_back(
        {file, {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}, volume});
    ended_ = std::move(ended);
    return true;
  }
  void Close() override {
    ++closes;
    End();
  }
  // The playback reaches its end.
  void End() {
    if (auto ended = std::exchange(ended_, {})) ended();
  }

 private:
  std::function<void()> ended_;
};

// Local voices for the languages the test names; records what it is asked to speak and
// reports what the test makes it report.
class FakeEngine final : public SpeechEngine {
 public:
  std::vector<int> voices;
  std::vector<LocalUtterance> spoken;
  int stops = 0;

  bool HasVoice(int language) override {
    return std::find(voices.begin(), voices.end(), language) != voices.end();
  }
  bool Speak(LocalUtterance utterance, RefPtr<ISpeechEvents> events) override {
    spoken.push_back(utterance);
    events_ = std::move(events);
    return true;
  }
  void Stop() override {
    ++stops;
    End();
  }
  void Word(std::size_t start, std::size_t length) {
    events_->OnWordHeard(spoken.back().id, start, length);
  }
  void End() {
    if (events_) std::exchange(events_, nullptr)->OnUtteranceEnded(spoken.back().id);
  }

 private:
  RefPtr<ISpeechEvents> events_;
};

// Records the messages and answers Yes-No questions from a script (Yes when it runs out).
class ScriptedMessageBox final : public MessageBox {
 public:
  struct Shown {
    std::string text;
    MessageIcon icon;
    MessageButtons buttons;
  };
  std::vector<Shown> shown;
  std::deque<MessageAnswer> answers;

  MessageAnswer Show(std::string_view text, std::string_view, MessageStyle style,
                     UiLanguage) override {
    shown.push_back({std::string(text), style.icon, style.buttons});
    if (style.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) return MessageAnswer::Yes;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace vorla::test
