#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "speech/SpeechEngine.h"
#include "speech/Synthesizer.h"

namespace vorla {

// Local voices that speak as they synthesise: the samples stream to an output while the
// synthesiser makes them (a long text is never synthesised whole first), and each word is
// reported when its audio is heard. One thread runs the utterances one after another.
class StreamedSpeechEngine final : public SpeechEngine {
 public:
  using OutputFactory = std::function<std::unique_ptr<PcmOutput>()>;

  StreamedSpeechEngine(std::shared_ptr<Synthesizer> synthesizer, OutputFactory outputs);
  ~StreamedSpeechEngine() override;

  bool HasVoice(int language) override;
  bool Speak(LocalUtterance utterance, RefPtr<ISpeechEvents> events) override;
  void Stop() override;

 private:
  struct Job {
    LocalUtterance utterance;
    RefPtr<ISpeechEvents> events;
  };

  void Run();
  void SpeakJob(Job& job);
  // Stops the utterance being spoken; the caller holds the lock.
  void StopCurrent();

  std::shared_ptr<Synthesizer> synthesizer_;
  OutputFactory outputs_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Job> queue_;
  PcmOutput* currentOutput_ = nullptr;  // guarded by mutex_
  bool stopCurrent_ = false;
  bool ending_ = false;
  std::thread thread_;
};

}  // namespace vorla
