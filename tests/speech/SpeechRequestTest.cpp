// `cmd=tts` between the client and the simulator.
#include <gtest/gtest.h>

#include "Faults.h"
#include "ServiceSimulator.h"
#include "TranslationCommands.h"
#include "service/Compression.h"
#include "service/LoginFixture.h"
#include "service/ServiceClient.h"
#include "service/SpeechAnswer.h"
#include "service/SpeechSynthesis.h"

namespace vorla {
namespace {

class SpeechRequestTest : public test::LoginFixture, public testing::Test {
 protected:
  SpeechRequestTest() {
    sim::RegisterTranslationCommands(sim_);
    prompt_->answers.push_back({"demo", "demo"});
    LogIn();
    client_.Initialise(config_, state_.get(), connections_);
  }

  std::int32_t Synthesize(SpeechSynthesisRequest request) {
    return client_.SynthesizeSpeech(request, audio_);
  }

  // The fault of the next requests, made by the callback.
  void Fault(const std::function<void(sim::Faults&)>& make) {
    sim::Faults faults;
    make(faults);
    sim_.SetFaults("tts", faults);
  }

  ServiceClient client_;
  std::string audio_;
};

TEST_F(SpeechRequestTest, BodyAndRealAudioInBothFormats) {
  SpeechSynthesisRequest request{.text = "Hyvää päivää & tervetuloa",
                                 .language = 219,
                                 .format = 0,
                                 .options = 1,
                                 .rate = 0,
                                 .pitch = 1000,
                                 .volume = 5};
  ASSERT_EQ(Synthesize(request), 0);
  EXPECT_EQ(audio_.substr(0, 4), "RIFF");
  EXPECT_EQ(audio_.substr(8, 4), "WAVE");
  EXPECT_GT(audio_.size(), 10'000u);  // real speech, not a header
  ASSERT_EQ(Requests("tts").size(), 1u);
  EXPECT_EQ(Requests("tts")[0].body,
            "cmd=tts&p=2&pid=4&ver=3.1.2&f=0&l=219&o=1&rate=0&pitch=1000&vol=5"
            "&s=Hyv%c3%a4%c3%a4+p%c3%a4iv%c3%a4%c3%a4+%26+tervetuloa");

  request.format = kSpeechFormatMp3;
  ASSERT_EQ(Synthesize(request), 0);
  // An MP3 stream starts with an ID3 tag or a frame sync.
  const bool mp3 =
      audio_.starts_with("ID3") || (static_cast<unsigned char>(audio_[0]) == 0xFF &&
                                    (static_cast<unsigned char>(audio_[1]) & 0xE0) == 0xE0);
  EXPECT_TRUE(mp3);
}

TEST_F(SpeechRequestTest, CompressedAudioIsInflated) {
  sim_.context().compressSpeech = true;
  ASSERT_EQ(Synthesize({.text = "hello", .format = 0}), 0);
  EXPECT_EQ(audio_.substr(0, 4), "RIFF");
}

TEST_F(SpeechRequestTest, FailuresGiveTheirCodes) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
    std::int32_t code;
  };
  const Case cases[] = {
      {"status 2", [&] { sim_.context().translation.Queue("tts", {2}); }, 2},
      {"status 23", [&] { sim_.context().translation.Queue("tts", {23}); }, 23},
      {"short header",
       [&] { Fault([](auto& f) {
               f.rawAnswer = sim::Int32s({0, 0}).substr(0, 6);
             }); }, 2},
      {"cut audio", [&] { Fault([](auto& f) { f.closeAfter = 40; }); }, 2},
      {"length beyond the cap",
       [&] {
         Fault([](auto& f) { f.lyingLength = static_cast<std::uint32_t>(kSpeechAudioCap + 1); });
       },
       2},
      {"no audio", [&] { Fault([](auto& f) {
                           f.rawAnswer = sim::Int32s({0, 0, 0}) + "x";
                         }); }, 0},
      {"broken zlib",
       [&] {
         sim_.context().compressSpeech = true;
         Fault([](auto& f) { f.corruptZlib = true; });
       },
       1},
      {"uncompressed audio flagged as compressed",
       [&] { Fault([](auto& f) {
               f.rawAnswer = sim::Int32s({0, 1, 4}) + "RIFF";
             }); }, 1},
      {"an unknown language", [] {}, 23},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fault([](auto&) {});
    sim_.context().compressSpeech = false;
    c.arrange();
    const std::int32_t language = std::string_view(c.what) == "an unknown language" ? 99 : 0;
    EXPECT_EQ(Synthesize({.text = "hi", .language = language}), c.code);
  }
}

TEST(SpeechAnswer, InflationStopsAtTheCap) {
  std::string audio;
  const std::string huge(kSpeechAudioCap + 1, 'a');
  EXPECT_EQ(DecodeSpeechAudio(kSpeechAudioCompressed, CompressBytes(huge).value(), audio),
            kSpeechAnswerBroken);
  EXPECT_EQ(DecodeSpeechAudio(kSpeechAudioCompressed, CompressBytes("wav").value(), audio), 0);
  EXPECT_EQ(audio, "wav");
  EXPECT_EQ(SpeechAudioLength(-4), 1);
  EXPECT_EQ(SpeechAudioLength(0), 1);
  EXPECT_EQ(SpeechAudioLength(7), 7);
}

}  // namespace
}  // namespace vorla
