#include "speech/StreamedSpeechEngine.h"

#include <vector>

namespace vorla {

StreamedSpeechEngine::StreamedSpeechEngine(std::shared_ptr<Synthesizer> synthesizer,
                                           OutputFactory outputs)
    : synthesizer_(std::move(synthesizer)), outputs_(std::move(outputs)) {
  thread_ = std::thread([this] { Run(); });
}

StreamedSpeechEngine::~StreamedSpeechEngine() {
  {
    std::lock_guard lock(mutex_);
    ending_ = true;
    StopCurrent();
  }
  wake_.notify_all();
  thread_.join();
  for (Job& job : queue_)
    job.events->OnUtteranceEnded(job.utterance.id);
}

bool StreamedSpeechEngine::HasVoice(int language) {
  return synthesizer_->HasVoice(language);
}

bool StreamedSpeechEngine::Speak(LocalUtterance utterance, RefPtr<ISpeechEvents> events) {
  if (!synthesizer_->HasVoice(utterance.language)) return false;
  std::vector<Job> purged;
  {
    std::lock_guard lock(mutex_);
    StopCurrent();
    purged.assign(std::make_move_iterator(queue_.begin()), std::make_move_iterator(queue_.end()));
    queue_.clear();
    queue_.push_back({std::move(utterance), std::move(events)});
  }
  wake_.notify_all();
  for (Job& job : purged)
    job.events->OnUtteranceEnded(job.utterance.id);
  return true;
}

void StreamedSpeechEngine::Stop() {
  std::lock_guard lock(mutex_);
  StopCurrent();
}

void StreamedSpeechEngine::StopCurrent() {
  stopCurrent_ = true;
  if (currentOutput_) currentOutput_->Abort();
}

void StreamedSpeechEngine::Run() {
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return ending_ || !queue_.empty(); });
      if (ending_) return;
      job = std::move(queue_.front());
      queue_.pop_front();
      stopCurrent_ = false;
    }
    SpeakJob(job);
    job.events->OnUtteranceEnded(job.utterance.id);
  }
}

void StreamedSpeechEngine::SpeakJob(Job& job) {
  std::unique_ptr<PcmOutput> output = outputs_();
  {
    std::lock_guard lock(mutex_);
    if (stopCurrent_ || !output) return;
    currentOutput_ = output.get();
  }
  std::deque<SynthesisedWord> pending;  // written, not heard yet
  std::int64_t written = 0;
  bool open = output->Open(synthesizer_->SampleRate());
  const auto releaseHeardUpTo = [&](std::int64_t sample) {
    while (!pending.empty() && pending.front().sample <= sample) {
      job.events->OnWordHeard(job.utterance.id, pending.front().start, pending.front().length);
      pending.pop_front();
    }
  };
  const auto chunk = [&](std::span<const std::int16_t> samples,
                         std::span<const SynthesisedWord> words) {
    pending.insert(pending.end(), words.begin(), words.end());
    // The words that start before this chunk are heard once its start is.
    while (open && !pending.empty() && pending.front().sample < written) {
      open = output->WaitHeard(pending.front().sample);
      if (open) releaseHeardUpTo(pending.front().sample);
    }
    open = open && output->Write(samples);
    written += static_cast<std::int64_t>(samples.size());
    return open;
  };
  if (open)
    synthesizer_->Synthesize(job.utterance.text, job.utterance.language, job.utterance.parameters,
                             chunk);
  while (open && !pending.empty()) {
    open = output->WaitHeard(pending.front().sample);
    if (open) releaseHeardUpTo(pending.front().sample);
  }
  if (open) output->WaitHeard(written);
  std::lock_guard lock(mutex_);
  currentOutput_ = nullptr;
}

}  // namespace vorla
