#pragma once

#include <QThread>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

#include "speech/Synthesizer.h"

class QAudioSink;

namespace vorla {

// Plays synthesised samples through the desktop's audio with Qt Multimedia. The sink lives
// on a thread of its own with its event loop and pulls the samples from a bounded queue, so
// Write waits while the queue is full and a sample counts as heard once the sink has taken
// it and the sink's own buffer has had time to play it.
class QtPcmOutput final : public PcmOutput {
 public:
  QtPcmOutput();
  ~QtPcmOutput() override;

  bool Open(int sampleRate) override;
  bool Write(std::span<const std::int16_t> samples) override;
  bool WaitHeard(std::int64_t sample) override;
  void Abort() override;

  // Called on the sink's thread: fills the sink's request, silence when the queue is dry.
  std::int64_t Fill(char* data, std::int64_t bytes);

 private:
  std::int64_t HeardLocked() const;

  QThread thread_;
  QObject* host_;               // lives on thread_, where every sink call runs
  QAudioSink* sink_ = nullptr;  // lives on thread_
  int sampleRate_ = 0;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::int16_t> queue_;
  std::int64_t taken_ = 0;           // real samples the sink has taken
  std::int64_t latencySamples_ = 0;  // what the sink buffers before it is heard
  std::chrono::steady_clock::time_point dryAt_{};
  bool dry_ = false;
  bool aborted_ = false;
};

}  // namespace vorla
