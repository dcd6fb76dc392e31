#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "speech/Synthesizer.h"

namespace vorla {

// The local voices of espeak-ng: US English (else British English), Finnish and Swedish.
// espeak-ng keeps one state for the whole process, so every call to it runs on the one thread
// this object owns; Synthesize hands its text there and waits, and its chunks are called
// there. One object for the process (Instance), shared by whatever synthesises.
class EspeakSynthesizer final : public Synthesizer {
 public:
  static std::shared_ptr<EspeakSynthesizer> Instance();

  EspeakSynthesizer();
  ~EspeakSynthesizer() override;

  int SampleRate() override;
  bool HasVoice(int language) override;
  bool Synthesize(std::u16string_view text, int language, const LocalVoiceParameters& parameters,
                  const Chunk& chunk) override;

 private:
  // Runs the work on the espeak-ng thread and waits for it.
  void RunOnVoiceThread(const std::function<void()>& work);
  void Run();
  bool SelectVoice(int language);

  std::mutex callers_;  // one caller at a time
  std::mutex mutex_;
  std::condition_variable wake_;
  const std::function<void()>* work_ = nullptr;
  bool done_ = false;
  bool ending_ = false;
  int sampleRate_ = 0;  // 0 when espeak-ng did not start
  int selected_ = -1;
  std::thread thread_;
};

}  // namespace vorla
