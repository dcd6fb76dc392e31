// Local speech streamed to an output, with words reported as they are heard; and the real
// espeak-ng voices.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "platform/EspeakSynthesizer.h"
#include "speech/StreamedSpeechEngine.h"

namespace vorla {
namespace {

using namespace std::chrono_literals;

// What an utterance reported, waited for from the test.
class RecordingEvents final : public UnknownImpl<ISpeechEvents> {
 public:
  struct Word {
    std::size_t start;
    std::size_t length;
    std::int64_t heardSamples;  // what the output had played when the word was reported
  };
  std::function<std::int64_t()> heard = [] { return 0; };

  void OnWordHeard(std::uint64_t, std::size_t start, std::size_t length) override {
    std::lock_guard lock(mutex_);
    words_.push_back({start, length, heard()});
  }
  void OnUtteranceEnded(std::uint64_t utterance) override {
    std::lock_guard lock(mutex_);
    ended_.push_back(utterance);
    changed_.notify_all();
  }
  bool WaitEnded(std::size_t count) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, 60s, [&] { return ended_.size() >= count; });
  }
  std::vector<Word> Words() {
    std::lock_guard lock(mutex_);
    return words_;
  }
  std::vector<std::uint64_t> Ended() {
    std::lock_guard lock(mutex_);
    return ended_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Word> words_;
  std::vector<std::uint64_t> ended_;
};

// An output that "plays" a sample as soon as it is written and records what it got.
class CountingOutput final : public PcmOutput {
 public:
  explicit CountingOutput(std::shared_ptr<std::atomic<std::int64_t>> written)
      : written_(std::move(written)) {}
  bool Open(int) override { return true; }
  bool Write(std::span<const std::int16_t> samples) override {
    if (aborted_) return false;
    *written_ += static_cast<std::int64_t>(samples.size());
    return true;
  }
  bool WaitHeard(std::int64_t sample) override { return !aborted_ && sample <= *written_; }
  void Abort() override { aborted_ = true; }

 private:
  std::shared_ptr<std::atomic<std::int64_t>> written_;
  std::atomic<bool> aborted_{false};
};

// Hands out one chunk of 100 samples per word of the text, each word at its chunk's start,
// and records how far it got.
class WordChunkSynthesizer final : public Synthesizer {
 public:
  std::atomic<int> chunks{0};
  int SampleRate() override { return 1000; }
  bool HasVoice(int language) override { return language == 1; }
  bool Synthesize(std::u16string_view text, int, const LocalVoiceParameters&,
                  const Chunk& chunk) override {
    const std::vector<std::int16_t> samples(100, 1);
    std::size_t start = 0;
    for (std::int64_t index = 0; start < text.size(); ++index) {
      const std::size_t end = std::min(text.find(u' ', start), text.size());
      const SynthesisedWord word{start, end - start, index * 100};
      ++chunks;
      if (!chunk(samples, {&word, 1})) return true;
      start = end + 1;
    }
    return true;
  }
};

TEST(StreamedSpeechEngine, WordsAreReportedOnceTheirSoundIsHeard) {
  auto synthesizer = std::make_shared<WordChunkSynthesizer>();
  auto written = std::make_shared<std::atomic<std::int64_t>>(0);
  StreamedSpeechEngine engine(synthesizer,
                              [written] { return std::make_unique<CountingOutput>(written); });
  EXPECT_FALSE(engine.HasVoice(0));
  auto events = MakeRef<RecordingEvents>();
  events->heard = [written] { return written->load(); };
  ASSERT_TRUE(engine.Speak({.id = 4, .text = u"yksi kaksi kolme", .language = 1}, events));
  ASSERT_TRUE(events->WaitEnded(1));
  const auto words = events->Words();
  ASSERT_EQ(words.size(), 3u);
  const std::size_t starts[] = {0, 5, 11};
  for (std::size_t i = 0; i < words.size(); ++i) {
    EXPECT_EQ(words[i].start, starts[i]);
    // Word i starts at sample 100 i: it is reported after its start was written, never
    // before, and before the sound after it.
    EXPECT_GT(words[i].heardSamples, static_cast<std::int64_t>(100 * i));
  }
  EXPECT_EQ(events->Ended(), std::vector<std::uint64_t>{4});
  EXPECT_FALSE(engine.Speak({.id = 5, .text = u"x", .language = 0}, events));
}

// An output whose samples are heard only when the test lets them be.
class GatedOutput final : public PcmOutput {
 public:
  bool Open(int) override { return true; }
  bool Write(std::span<const std::int16_t> samples) override {
    std::unique_lock lock(mutex_);
    written_ += static_cast<std::int64_t>(samples.size());
    // A buffer of 200 samples: waits while more than that is unheard.
    changed_.wait(lock, [&] { return aborted_ || written_ - heard_ <= 200; });
    return !aborted_;
  }
  bool WaitHeard(std::int64_t sample) override {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return aborted_ || heard_ >= sample; });
    return !aborted_;
  }
  void Abort() override {
    std::lock_guard lock(mutex_);
    aborted_ = true;
    changed_.notify_all();
  }
  void Hear(std::int64_t samples) {
    std::lock_guard lock(mutex_);
    heard_ += samples;
    changed_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::int64_t written_ = 0;
  std::int64_t heard_ = 0;
  bool aborted_ = false;
};

TEST(StreamedSpeechEngine, SynthesisWaitsForTheOutputAndStopsWithIt) {
  auto synthesizer = std::make_shared<WordChunkSynthesizer>();
  GatedOutput* output = nullptr;
  std::mutex outputMutex;
  StreamedSpeechEngine engine(synthesizer, [&] {
    auto made = std::make_unique<GatedOutput>();
    std::lock_guard lock(outputMutex);
    output = made.get();
    return made;
  });
  auto events = MakeRef<RecordingEvents>();
  std::u16string text;
  for (int i = 0; i < 1'000; ++i)
    text += u"sana ";
  ASSERT_TRUE(engine.Speak({.id = 1, .text = text, .language = 1}, events));
  std::this_thread::sleep_for(200ms);
  // Nothing heard yet: the buffer holds a few chunks and synthesis waits.
  EXPECT_LE(synthesizer->chunks.load(), 4);
  {
    std::lock_guard lock(outputMutex);
    output->Hear(50);
  }
  std::this_thread::sleep_for(200ms);
  EXPECT_LE(synthesizer->chunks.load(), 5);
  EXPECT_EQ(events->Words().size(), 1u);  // the first word only
  engine.Stop();
  ASSERT_TRUE(events->WaitEnded(1));
  EXPECT_LE(synthesizer->chunks.load(), 6);
}

TEST(EspeakSynthesizer, SpeaksFinnishWithWordPositionsInCharacters) {
  auto synthesizer = EspeakSynthesizer::Instance();
  ASSERT_GT(synthesizer->SampleRate(), 0);
  for (int language : {0, 1, 2}) {
    EXPECT_TRUE(synthesizer->HasVoice(language)) << language;
  }
  EXPECT_FALSE(synthesizer->HasVoice(3));

  const std::u16string text = u"Hyvää yötä, äiti ja Örjan.";
  std::int64_t samples = 0;
  double energy = 0;
  std::vector<SynthesisedWord> words;
  ASSERT_TRUE(synthesizer->Synthesize(
      text, 1, LocalVoiceParametersFor(1000, 400),
      [&](std::span<const std::int16_t> chunk, std::span<const SynthesisedWord> found) {
        samples += static_cast<std::int64_t>(chunk.size());
        for (const std::int16_t s : chunk)
          energy += std::abs(s);
        words.insert(words.end(), found.begin(), found.end());
        return true;
      }));
  EXPECT_GT(samples, synthesizer->SampleRate() / 2);      // at least half a second
  EXPECT_GT(energy / static_cast<double>(samples), 100);  // sound, not silence

  std::vector<std::u16string> spoken;
  for (std::size_t i = 0; i < words.size(); ++i) {
    spoken.push_back(text.substr(words[i].start, words[i].length));
    if (i > 0) {
      EXPECT_GT(words[i].sample, words[i - 1].sample);
    }
  }
  EXPECT_EQ(spoken, (std::vector<std::u16string>{u"Hyvää", u"yötä", u"äiti", u"ja", u"Örjan"}));
}

}  // namespace
}  // namespace vorla
