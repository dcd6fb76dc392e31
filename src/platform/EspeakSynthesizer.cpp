#include "platform/EspeakSynthesizer.h"

#include <espeak-ng/speak_lib.h>

#include <array>
#include <vector>

#include "common/Utf8.h"
#include "translation/LanguageFamily.h"

namespace vorla {

namespace {

// Milliseconds of audio espeak-ng hands out at a time.
constexpr int kChunkMilliseconds = 50;

// The espeak-ng languages tried for each local language, best first.
constexpr std::array<std::array<const char*, 2>, 3> kVoiceLanguages = {{
    {"en-us", "en-gb"},
    {"fi", nullptr},
    {"sv", nullptr},
}};

// What one synthesis hands the callback.
struct SynthesisContext {
  const Synthesizer::Chunk* chunk = nullptr;
  // UTF-16 offset of each character (code point), and one past the text's end.
  std::vector<std::size_t> unitOfCharacter;
  int sampleRate = 0;
  std::vector<SynthesisedWord> words;
  bool stopped = false;
};

std::size_t UnitOf(const SynthesisContext& context, int character) {
  const auto index = static_cast<std::size_t>(character < 0 ? 0 : character);
  return context.unitOfCharacter[std::min(index, context.unitOfCharacter.size() - 1)];
}

int OnSynthesised(short* samples, int count, espeak_EVENT* events) {
  auto* context = static_cast<SynthesisContext*>(events->user_data);
  if (context->stopped) return 1;
  context->words.clear();
  for (espeak_EVENT* event = events; event->type != espeakEVENT_LIST_TERMINATED; ++event) {
    if (event->type != espeakEVENT_WORD) continue;
    // Positions count characters from 1.
    const std::size_t start = UnitOf(*context, event->text_position - 1);
    const std::size_t end = UnitOf(*context, event->text_position - 1 + event->length);
    const std::int64_t sample = std::int64_t{event->audio_position} * context->sampleRate / 1000;
    context->words.push_back({start, end - start, sample});
  }
  const std::span<const std::int16_t> audio(samples, samples ? static_cast<std::size_t>(count) : 0);
  if (audio.empty() && context->words.empty()) return 0;
  if (!(*context->chunk)(audio, context->words)) context->stopped = true;
  return context->stopped ? 1 : 0;
}

std::vector<std::size_t> CharacterOffsets(std::u16string_view text) {
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool low = text[i] >= 0xDC00 && text[i] <= 0xDFFF && i > 0 && text[i - 1] >= 0xD800 &&
                     text[i - 1] <= 0xDBFF;
    if (!low) offsets.push_back(i);
  }
  offsets.push_back(text.size());
  return offsets;
}

}  // namespace

std::shared_ptr<EspeakSynthesizer> EspeakSynthesizer::Instance() {
  static const auto instance = std::make_shared<EspeakSynthesizer>();
  return instance;
}

EspeakSynthesizer::EspeakSynthesizer() {
  thread_ = std::thread([this] { Run(); });
  RunOnVoiceThread([this] {
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kChunkMilliseconds, nullptr,
                                       espeakINITIALIZE_DONT_EXIT);
    sampleRate_ = rate > 0 ? rate : 0;
    if (sampleRate_ > 0) espeak_SetSynthCallback(&OnSynthesised);
  });
}

EspeakSynthesizer::~EspeakSynthesizer() {
  RunOnVoiceThread([this] {
    if (sampleRate_ > 0) espeak_Terminate();
  });
  {
    std::lock_guard lock(mutex_);
    ending_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void EspeakSynthesizer::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return ending_ || work_; });
    if (!work_) return;
    (*work_)();
    work_ = nullptr;
    done_ = true;
    wake_.notify_all();
  }
}

void EspeakSynthesizer::RunOnVoiceThread(const std::function<void()>& work) {
  std::lock_guard caller(callers_);
  std::unique_lock lock(mutex_);
  done_ = false;
  work_ = &work;
  wake_.notify_all();
  wake_.wait(lock, [this] { return done_; });
}

int EspeakSynthesizer::SampleRate() {
  std::lock_guard caller(callers_);
  return sampleRate_;
}

bool EspeakSynthesizer::SelectVoice(int language) {
  if (sampleRate_ == 0 || language < kLanguageEnglish || language > kLanguageSwedish) {
    return false;
  }
  if (selected_ == language) return true;
  for (const char* name : kVoiceLanguages[static_cast<std::size_t>(language)]) {
    if (!name) break;
    espeak_VOICE wanted{};
    wanted.languages = name;
    if (espeak_SetVoiceByProperties(&wanted) == EE_OK) {
      selected_ = language;
      return true;
    }
  }
  selected_ = -1;
  return false;
}

bool EspeakSynthesizer::HasVoice(int language) {
  bool found = false;
  RunOnVoiceThread([&] { found = SelectVoice(language); });
  return found;
}

bool EspeakSynthesizer::Synthesize(std::u16string_view text, int language,
                                   const LocalVoiceParameters& parameters, const Chunk& chunk) {
  bool spoken = false;
  RunOnVoiceThread([&] {
    if (!SelectVoice(language)) return;
    spoken = true;
    espeak_SetParameter(espeakVOLUME, parameters.amplitude, 0);
    espeak_SetParameter(espeakRATE, parameters.wordsPerMinute, 0);
    SynthesisContext context;
    context.chunk = &chunk;
    context.unitOfCharacter = CharacterOffsets(text);
    context.sampleRate = sampleRate_;
    const std::string utf8 = Utf16ToUtf8(text);
    espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                 &context);
  });
  return spoken;
}

}  // namespace vorla
