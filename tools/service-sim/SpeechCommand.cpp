#include "SpeechCommand.h"

#include <array>
#include <chrono>
#include <fstream>
#include <iterator>

#include "FieldReader.h"
#include "ServiceCodes.h"
#include "ZlibStreams.h"
#include "common/Utf8.h"
#include "platform/ChildProcess.h"
#include "platform/EspeakSynthesizer.h"
#include "platform/TemporaryFolder.h"
#include "speech/VoiceParameters.h"
#include "speech/WavFormat.h"
#include "translation/LanguageFamily.h"

namespace vorla::sim {

namespace {

using namespace std::chrono_literals;

constexpr std::array<std::string_view, 11> kFieldOrder = {"cmd", "p",    "pid",   "ver", "f", "l",
                                                          "o",   "rate", "pitch", "vol", "s"};
constexpr std::size_t kSpokenCharacters = 200;
constexpr std::int32_t kFlagCompressed = 0x1;
constexpr std::int32_t kFormatMp3 = 1;

struct SpeechRequest {
  std::int32_t format = 0;
  std::int32_t language = 0;
  std::int32_t rate = 0;
  std::int32_t volume = 0;
  std::string text;
  std::string refusal;
};

SpeechRequest DecodeSpeechRequest(const SimRequest& request) {
  SpeechRequest speech;
  FieldReader fields(request, kFieldOrder);
  fields.RequiredValue("p", 2);
  fields.Required("pid");
  if (fields.RequiredText("ver").empty()) fields.Refuse("field 'ver' empty");
  speech.format = fields.Required("f");
  speech.language = fields.Required("l");
  fields.Required("o");
  speech.rate = fields.Required("rate");
  const std::int32_t pitch = fields.Required("pitch");
  speech.volume = fields.Required("vol");
  for (const std::int32_t value : {speech.rate, pitch, speech.volume}) {
    if (value < 0 || value > 1000) fields.Refuse("rate, pitch and vol lie in 0 to 1000");
  }
  speech.text = fields.RequiredText("s");
  speech.refusal = fields.refusal();
  return speech;
}

std::string Wav(const SpeechRequest& speech) {
  const std::u16string text =
      Utf8ToUtf16(speech.text).substr(0, kSpokenCharacters);  // short: a test's sound
  const int language = LocalCodeOf(speech.language);
  const int voice =
      language >= kLanguageEnglish && language <= kLanguageSwedish ? language : kLanguageEnglish;
  Synthesizer& synthesizer = *EspeakSynthesizer::Instance();
  std::string samples;
  synthesizer.Synthesize(text, voice, LocalVoiceParametersFor(speech.volume, speech.rate),
                         [&](std::span<const std::int16_t> chunk, auto) {
                           samples.append(reinterpret_cast<const char*>(chunk.data()),
                                          chunk.size_bytes());
                           return true;
                         });
  return WavHeader(synthesizer.SampleRate(), static_cast<std::uint32_t>(samples.size())) + samples;
}

// The WAV as MP3, through lame; empty when lame fails.
std::string Mp3(const std::string& wav) {
  const TemporaryFolder folder(std::filesystem::temp_directory_path());
  const auto input = folder.path() / "speech.wav";
  const auto output = folder.path() / "speech.mp3";
  std::ofstream(input, std::ios::binary) << wav;
  if (!RunProgram("/usr/bin/lame", {"--quiet", input.string(), output.string()}, 60s).Succeeded()) {
    return {};
  }
  std::ifstream in(output, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

SimAnswer SynthesizeSpeech(const SimRequest& request, SimContext& context) {
  const SpeechRequest speech = DecodeSpeechRequest(request);
  if (!speech.refusal.empty()) return MalformedRequest("tts", speech.refusal);
  SimAnswer answer;
  if (const auto scripted = context.translation.Next("tts")) {
    answer.body = Int32s({scripted->status});
  } else if (!context.SessionAccount(request)) {
    answer.body = Int32s({status::kSessionExpired});
  } else if (speech.language == kLanguageInvalidChoice) {
    answer.body = Int32s({status::kInvalidPair});
  } else if (!IsKnownLanguageCode(speech.language)) {
    answer.body = Int32s({status::kPairNotAllowed});
  }
  if (!answer.body.empty()) return answer;

  std::string audio = Wav(speech);
  if (speech.format == kFormatMp3) audio = Mp3(audio);
  std::int32_t flags = 0;
  if (context.compressSpeech) {
    audio = DeflateStream(audio);
    flags |= kFlagCompressed;
    answer.zlibAt = 12;
  }
  answer.body = Int32s({0, flags, static_cast<std::int32_t>(audio.size())}) + audio;
  answer.lengthAt = 8;
  return answer;
}

}  // namespace vorla::sim
