// CSpeaker with a recording window, player and voice, against the simulator's `tts`.
#include <gtest/gtest.h>
#include <unistd.h>

#include "SpeechFakes.h"
#include "TranslationCommands.h"
#include "service/LoginFixture.h"
#include "speech/CSpeaker.h"
#include "speech/SpeechMessages.h"

namespace vorla {
namespace {

using test::RecordingSpeechWindow;

class SpeakerTest : public test::LoginFixture, public testing::Test {
 protected:
  SpeakerTest() {
    sim::RegisterTranslationCommands(sim_);
    prompt_->answers.push_back({"demo", "demo"});
    LogIn();
    config_->SetUiLanguage(UiLanguage::English);
    config_->SetMessageBox(messages_);
  }

  RefPtr<CSpeaker> MakeSpeaker() {
    return MakeRef<CSpeaker>(CSpeaker::Parts{
        .config = config_,
        .login = state_.get(),
        .connections = connections_,
        .engine = engine_,
        .player = player_,
        .window = window_,
        .lastTranslation = [this] { return last_; },
        .currentPair = [this] { return pair_; },
        .processId = getpid(),
    });
  }

  // The notices of the request until its final one, handed to the speaker as the window
  // thread does; the final one is returned.
  SpeechNotice RunRequest(CSpeaker& speaker) {
    for (;;) {
      SpeechNotice notice = window_->NextNotice();
      speaker.OnSpeechNotice(notice);
      if (notice.code != SpeechNotice::kPreparing) return notice;
    }
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages_->shown)
      texts.push_back(shown.text);
    return texts;
  }

  std::vector<std::filesystem::path> TemporaryFiles() const {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(config_->Dirs().temporary)) {
      files.push_back(entry.path());
    }
    return files;
  }

  std::shared_ptr<test::ScriptedMessageBox> messages_ =
      std::make_shared<test::ScriptedMessageBox>();
  std::shared_ptr<test::FakeEngine> engine_ = std::make_shared<test::FakeEngine>();
  std::shared_ptr<test::RecordingPlayer> player_ = std::make_shared<test::RecordingPlayer>();
  std::shared_ptr<RecordingSpeechWindow> window_ = std::make_shared<RecordingSpeechWindow>();
  std::optional<LanguagePair> last_ = LanguagePair{0, 230, false};  // English to a further one
  LanguagePair pair_{0, 230, false};
};

TEST_F(SpeakerTest, LocalVoiceSpeaksFromTheSelectionAndHighlightsOffsetWords) {
  engine_->voices = {0};
  window_->source = {u"skip this. Speak <now>\r\nplease", 11};
  const auto speaker = MakeSpeaker();
  speaker->Speak(SpokenPane::Source);
  ASSERT_EQ(engine_->spoken.size(), 1u);
  EXPECT_EQ(engine_->spoken[0].text, u"Speak  now \nplease");
  EXPECT_EQ(engine_->spoken[0].language, 0);
  EXPECT_EQ(engine_->spoken[0].parameters.rate, -2);
  EXPECT_TRUE(speaker->IsReading(SpokenPane::Source));
  engine_->Word(0, 5);
  engine_->Word(7, 3);
  engine_->End();
  EXPECT_EQ(window_->highlights, (std::vector<RecordingSpeechWindow::Highlight>{
                                     {SpokenPane::Source, 11, 5}, {SpokenPane::Source, 18, 3}}));
  EXPECT_EQ(window_->BusyStates(), (std::vector<bool>{true, false}));
  EXPECT_FALSE(speaker->IsBusy());
  EXPECT_TRUE(Requests("tts").empty());
}

TEST_F(SpeakerTest, ListenWhileBusyStops) {
  engine_->voices = {0};
  window_->source = {u"Speak", 0};
  const auto speaker = MakeSpeaker();
  speaker->Speak(SpokenPane::Source);
  speaker->Speak(SpokenPane::Source);
  EXPECT_EQ(engine_->spoken.size(), 1u);
  EXPECT_EQ(engine_->stops, 1);
  EXPECT_FALSE(speaker->IsBusy());
  EXPECT_EQ(window_->statusTexts, std::vector<std::string>{""});
  EXPECT_EQ(window_->BusyStates().back(), false);
}

TEST_F(SpeakerTest, TextWithoutALocalVoiceIsPlayedFromTheServiceAndDeleted) {
  engine_->voices = {0};  // none for the further target language
  window_->translation = {u"  \u00a0Zdravstvuite\n ", 0};
  const auto speaker = MakeSpeaker();
  speaker->Speak(SpokenPane::Translation);
  const SpeechNotice ready = RunRequest(*speaker);
  ASSERT_EQ(ready.code, 0);
  ASSERT_EQ(player_->played.size(), 1u);
  const auto& played = player_->played[0];
  // Format 1 is MP3: a stream of frames, each starting with 11 bits set.
  ASSERT_GT(played.bytes.size(), 1'000u);
  EXPECT_EQ(static_cast<unsigned char>(played.bytes[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(played.bytes[1]) & 0xE0, 0xE0);
  EXPECT_EQ(played.file.parent_path(), config_->Dirs().appData / "tmp");
  EXPECT_EQ(played.file.filename(), "temp_" + std::to_string(getpid()) + "_1.mp3");
  EXPECT_EQ(window_->statusTexts.front(), SpeechMessageText(SpeechMessage::Preparing).english);
  const auto requests = Requests("tts");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(*requests[0].Field("s"), "Zdravstvuite");
  EXPECT_EQ(*requests[0].Field("l"), "230");
  EXPECT_EQ(*requests[0].Field("o"), "1");
  EXPECT_TRUE(speaker->IsBusy());

  player_->End();
  EXPECT_FALSE(std::filesystem::exists(played.file));
  EXPECT_FALSE(speaker->IsBusy());
  EXPECT_EQ(window_->BusyStates(), (std::vector<bool>{true, false}));
  EXPECT_TRUE(messages_->shown.empty());
}

TEST_F(SpeakerTest, ServiceFailuresShowTheirMessages) {
  struct Case {
    std::int32_t status;
    int language;
    std::string message;
  };
  const Case cases[] = {
      {23, 248, "Text-to-Speech is not available for the 'Russian' language."},
      {28, 250, "Text-to-Speech is not available for the 'Slovak' language."},
      {23, 299, "Text-to-Speech is not available for the selected language."},
      {2, 230, "Speech synthesis failed due to a server connection error. Please try again."},
      {7, 230, "Speech synthesis failed."},
  };
  window_->translation = {u"text", 0};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.status);
    messages_->shown.clear();
    last_ = LanguagePair{0, c.language, false};
    sim_.context().translation.Queue("tts", {c.status});
    const auto speaker = MakeSpeaker();
    speaker->Speak(SpokenPane::Translation);
    EXPECT_EQ(RunRequest(*speaker).code, c.status);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{c.message});
    EXPECT_FALSE(speaker->IsBusy());
    EXPECT_EQ(window_->BusyStates().back(), false);
  }
  EXPECT_TRUE(player_->played.empty());
}

TEST_F(SpeakerTest, StopDuringTheRequestLeavesNoFileAndShowsNothing) {
  window_->translation = {u"text", 0};
  sim::Faults stall;
  stall.stallBefore = std::chrono::milliseconds(3'000);
  sim_.SetFaults("tts", stall);
  const auto speaker = MakeSpeaker();
  speaker->Speak(SpokenPane::Translation);
  EXPECT_EQ(window_->NextNotice().code, SpeechNotice::kPreparing);
  speaker->Stop();
  EXPECT_FALSE(speaker->IsBusy());
  const SpeechNotice last = RunRequest(*speaker);
  EXPECT_EQ(last.code, 10);
  EXPECT_TRUE(messages_->shown.empty());
  EXPECT_TRUE(player_->played.empty());
  EXPECT_TRUE(TemporaryFiles().empty());
}

TEST_F(SpeakerTest, ReadyAfterStopPlaysNothingAndDeletesTheFile) {
  window_->translation = {u"text", 0};
  const auto speaker = MakeSpeaker();
  speaker->Speak(SpokenPane::Translation);
  EXPECT_EQ(window_->NextNotice().code, SpeechNotice::kPreparing);
  const SpeechNotice ready = window_->NextNotice();  // the worker has written the file
  ASSERT_EQ(ready.code, 0);
  ASSERT_TRUE(std::filesystem::exists(*ready.file));
  speaker->Stop();
  speaker->OnSpeechNotice(ready);
  EXPECT_TRUE(player_->played.empty());
  EXPECT_FALSE(std::filesystem::exists(*ready.file));
  EXPECT_FALSE(speaker->IsBusy());
}

TEST_F(SpeakerTest, StopDuringPlaybackClosesAndDeletes) {
  window_->translation = {u"text", 0};
  const auto speaker = MakeSpeaker();
  speaker->Speak(SpokenPane::Translation);
  ASSERT_EQ(RunRequest(*speaker).code, 0);
  speaker->Speak(SpokenPane::Translation);  // acts as Stop
  EXPECT_EQ(player_->closes, 1);
  EXPECT_TRUE(TemporaryFiles().empty());
  EXPECT_FALSE(speaker->IsBusy());
}

TEST_F(SpeakerTest, AnAudioDeviceFailureIsReported) {
  player_->fails = true;
  window_->translation = {u"text", 0};
  const auto speaker = MakeSpeaker();
  speaker->Speak(SpokenPane::Translation);
  RunRequest(*speaker);
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{"Speech synthesis failed - audio device error."});
  EXPECT_TRUE(TemporaryFiles().empty());
  EXPECT_FALSE(speaker->IsBusy());
}

TEST_F(SpeakerTest, LongTextAsksOnceAndSendsOneThousandCharacters) {
  window_->translation = {std::u16string(1'500, u'a'), 0};
  const auto speaker = MakeSpeaker();
  for (int i = 0; i < 2; ++i) {
    speaker->Speak(SpokenPane::Translation);
    ASSERT_EQ(RunRequest(*speaker).code, 0);
    player_->End();
  }
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{"The text is longer than 1000 characters. Only the first 1000 "
                                     "characters are spoken. Do you want to continue?"});
  EXPECT_EQ(messages_->shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(messages_->shown[0].icon, MessageIcon::Question);
  const auto requests = Requests("tts");
  ASSERT_EQ(requests.size(), 2u);
  for (const auto& request : requests)
    EXPECT_EQ(*request.Field("s"), std::string(1'000, 'a'));
}

TEST_F(SpeakerTest, LongTextDeclinedSpeaksNothing) {
  engine_->voices = {};  // English goes to the service: the question names the language
  last_ = LanguagePair{0, 1, false};
  window_->source = {std::u16string(1'001, u'a'), 0};
  messages_->answers = {MessageAnswer::No};
  const auto speaker = MakeSpeaker();
  speaker->Speak(SpokenPane::Source);
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{"The text is longer than 1000 characters. Only the first 1000 "
                                     "characters are spoken in the English speech synthesis. Do "
                                     "you want to continue?"});
  EXPECT_EQ(window_->BusyStates(), (std::vector<bool>{true, false}));
  EXPECT_FALSE(speaker->IsBusy());
  EXPECT_TRUE(Requests("tts").empty());
}

TEST_F(SpeakerTest, CommandsThatSpeakNothing) {
  struct Case {
    const char* what;
    bool running;
    bool notTranslated;
    std::u16string text;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"pending translation",
       true,
       false,
       u"t",
       {"You can listen to the translation result after the pending translation process is "
        "completed."}},
      {"not translated", false, true, u"t", {"Please translate text before listening to it."}},
      {"empty pane", false, true, u"", {}},
      {"blank text for the service", false, false, u" \n ", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    messages_->shown.clear();
    window_->translationRunning = c.running;
    window_->notTranslated = c.notTranslated;
    window_->translation = {c.text, 0};
    const auto speaker = MakeSpeaker();
    speaker->Speak(SpokenPane::Translation);
    EXPECT_EQ(MessageTexts(), c.messages);
    EXPECT_FALSE(speaker->IsBusy());
  }
  EXPECT_TRUE(Requests("tts").empty());
}

TEST_F(SpeakerTest, AutomaticLanguageWithoutATranslationIsEnglishWithANoticeOnce) {
  engine_->voices = {0};
  last_.reset();
  pair_ = LanguagePair{0, 1, true};
  window_->translation = {u"word", 0};
  const auto speaker = MakeSpeaker();
  for (int i = 0; i < 2; ++i) {
    speaker->Speak(SpokenPane::Translation);
    engine_->End();
  }
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{"The language cannot be determined automatically because "
                                     "you haven't translated any text yet. English is used as a "
                                     "default language."});
  ASSERT_EQ(engine_->spoken.size(), 2u);
  EXPECT_EQ(engine_->spoken[1].language, 0);
}

TEST_F(SpeakerTest, SettingsAreStoredAndUsed) {
  engine_->voices = {1};
  last_ = LanguagePair{0, 1, false};
  window_->translation = {u"sana", 0};
  const auto speaker = MakeSpeaker();
  speaker->SetSettings({.language = 1, .volume = 500, .rate = 1000, .pitch = 0});
  EXPECT_EQ(Stored("SpeechVolume"), "500");
  speaker->Speak(SpokenPane::Translation);
  ASSERT_EQ(engine_->spoken.size(), 1u);
  EXPECT_EQ(engine_->spoken[0].parameters.volume, 50);
  EXPECT_EQ(engine_->spoken[0].parameters.rate, 5);
  engine_->End();
}

}  // namespace
}  // namespace vorla
