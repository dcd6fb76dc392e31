#include <gtest/gtest.h>
#include <unistd.h>

#include <QLabel>
#include <QTabBar>
#include <QToolButton>
#include <chrono>
#include <filesystem>

#include "../speech/SpeechFakes.h"
#include "ResultWindowFixture.h"
#include "speech/CSpeaker.h"
#include "ui/main/CommandIds.h"

namespace vorla {
namespace {

// Result windows with speakers on a recording local voice (English, Finnish and Swedish)
// and a recording player. The last translation and the pair say Finnish to English, so a
// window that speaks English source and Finnish translation takes the languages of its job.
class ResultWindowSpeechTest : public test::ResultWindowFixture, public testing::Test {
 protected:
  ResultWindowSpeechTest() {
    engine_->voices = {kLanguageEnglish, kLanguageFinnish, kLanguageSwedish};
    windows_->SetSpeakerMaker([this](std::shared_ptr<SpeechWindow> window) {
      const LanguagePair finnishEnglish{kLanguageFinnish, kLanguageEnglish, false};
      return MakeRef<CSpeaker>(CSpeaker::Parts{
          .config = config_,
          .login = &translator_->State(),
          .connections = connections_,
          .engine = engine_,
          .player = player_,
          .window = std::move(window),
          .lastTranslation = [=] { return std::optional<LanguagePair>(finnishEnglish); },
          .currentPair = [=] { return finnishEnglish; },
          .processId = getpid(),
      });
    });
  }

  // "Good morning." translated into a new window, which shows "Hyvä aamu.".
  CResultWnd& TranslatedWindow() {
    SetPane("Good morning.");
    TranslationOrder order;
    order.toResultWindow = true;
    if (Finish(translator_->StartTranslation(order)) != 0) {
      throw std::runtime_error("the translation failed");
    }
    return Window();
  }

  static void ShowTab(CResultWnd& window, CResultWnd::Tab tab) {
    window.Tabs().setCurrentIndex(tab);
  }

  std::shared_ptr<test::FakeEngine> engine_ = std::make_shared<test::FakeEngine>();
  std::shared_ptr<test::RecordingPlayer> player_ = std::make_shared<test::RecordingPlayer>();
};

TEST_F(ResultWindowSpeechTest, SpeakerIconReadsTheTabShownInTheLanguageOfThatTab) {
  CResultWnd& window = TranslatedWindow();
  ASSERT_TRUE(window.SpeakerIcon().isVisibleTo(&window));
  for (const auto& [tab, text, language] :
       {std::tuple{CResultWnd::kTranslationTab, u"Hyvä aamu.", kLanguageFinnish},
        std::tuple{CResultWnd::kSourceTab, u"Good morning.", kLanguageEnglish}}) {
    ShowTab(window, tab);
    window.SpeakerIcon().click();
    ASSERT_FALSE(engine_->spoken.empty());
    EXPECT_EQ(engine_->spoken.back().text, text);
    EXPECT_EQ(engine_->spoken.back().language, language);
    EXPECT_TRUE(window.Speech()->IsBusy());
    engine_->End();
    EXPECT_FALSE(window.Speech()->IsBusy());
  }
  EXPECT_EQ(engine_->spoken.size(), 2u);
}

TEST_F(ResultWindowSpeechTest, ListeningWhileSpeechRunsStops) {
  CResultWnd& window = TranslatedWindow();
  window.SpeakerIcon().click();
  window.SpeakerIcon().click();
  EXPECT_EQ(engine_->spoken.size(), 1u);
  EXPECT_EQ(engine_->stops, 1);
  EXPECT_FALSE(window.Speech()->IsBusy());
}

TEST_F(ResultWindowSpeechTest, ContextCommandFollowsTheTabAndTheSpeech) {
  for (const auto& [language, translation, source, stop] :
       {std::tuple{UiLanguage::English, "Listen to translation", "Listen to source text",
                   "Stop speech"},
        std::tuple{UiLanguage::Finnish, "Kuuntele käännös", "Kuuntele lähtöteksti",
                   "Keskeytä kuuntelu"}}) {
    config_->SetUiLanguage(language);
    CResultWnd& window = TranslatedWindow();
    ResultWindowSpeech& speech = *window.Speech();
    const auto expect = [&](int id, const char* text) {
      const ResultSpeechCommand command = speech.ContextCommand();
      EXPECT_EQ(command.id, id);
      EXPECT_EQ(command.text.In(language), text);
    };
    expect(kCmdListenToTranslation, translation);
    EXPECT_EQ(window.SpeakerIcon().toolTip(), translation);
    ShowTab(window, CResultWnd::kSourceTab);
    expect(kCmdListenToTranslation, source);

    speech.RunCommand(kCmdListenToTranslation);
    expect(kCmdStopSpeech, stop);
    EXPECT_EQ(window.SpeakerIcon().toolTip(), stop);
    speech.RunCommand(kCmdStopSpeech);
    EXPECT_FALSE(speech.IsBusy());
    expect(kCmdListenToTranslation, source);
    EXPECT_EQ(window.SpeakerIcon().toolTip(), translation);
    window.close();
  }
  EXPECT_EQ(engine_->stops, 2);
}

TEST_F(ResultWindowSpeechTest, SpokenWordIsSelectedFromTheSelectionWhileItsTabIsShown) {
  CResultWnd& window = TranslatedWindow();
  // "aamu." selected: speech starts there and the word positions count from it.
  QTextCursor cursor(window.Pane().document());
  cursor.setPosition(5);
  cursor.setPosition(10, QTextCursor::KeepAnchor);
  window.Pane().setTextCursor(cursor);
  window.SpeakerIcon().click();
  ASSERT_EQ(engine_->spoken.size(), 1u);
  EXPECT_EQ(engine_->spoken[0].text, u"aamu.");
  engine_->Word(0, 4);
  EXPECT_EQ(window.Pane().textCursor().selectedText(), "aamu");

  // The source text now shows: a word of the translation selects nothing there.
  ShowTab(window, CResultWnd::kSourceTab);
  engine_->Word(0, 4);
  EXPECT_FALSE(window.Pane().textCursor().hasSelection());
  EXPECT_EQ(window.Pane().toPlainText(), "Good morning.");
}

TEST_F(ResultWindowSpeechTest, ClosingTheWindowStopsItsSpeech) {
  CResultWnd& window = TranslatedWindow();
  window.SpeakerIcon().click();
  ASSERT_TRUE(window.Speech()->IsBusy());
  window.close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(windows_->LastWindow(), nullptr);
  EXPECT_EQ(engine_->stops, 1);
}

// Processes the window thread's events until the condition holds; false after 30 seconds.
template <typename Condition>
bool ProcessEventsUntil(Condition condition) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > until) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

TEST_F(ResultWindowSpeechTest, WithoutALocalVoiceTheServiceSpeaksTheTabAndItsAudioIsPlayed) {
  engine_->voices.clear();
  sim::Faults slow;
  slow.stallBefore = std::chrono::milliseconds(1'000);
  sim_.SetFaults("tts", slow);
  CResultWnd& window = TranslatedWindow();
  window.SpeakerIcon().click();
  // The request's notices come back through the window's queue.
  ASSERT_TRUE(ProcessEventsUntil([&] { return !window.StatusText().text().isEmpty(); }));
  EXPECT_EQ(window.StatusText().text(), "Preparing speech synthesis... please wait");
  ASSERT_TRUE(ProcessEventsUntil([&] { return !player_->played.empty(); }));
  EXPECT_TRUE(window.StatusText().text().isEmpty());
  const auto requests = Requests("tts");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(*requests[0].Field("s"), "Hyv\xC3\xA4 aamu.");
  EXPECT_EQ(*requests[0].Field("l"), "1");
  const std::filesystem::path file = player_->played[0].file;
  EXPECT_TRUE(window.Speech()->IsBusy());
  player_->End();
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_FALSE(window.Speech()->IsBusy());
  EXPECT_TRUE(messages_->shown.empty());
}

TEST_F(ResultWindowSpeechTest, ListeningBeforeTheResultAsksToWait) {
  SetPane("Good morning.");
  TranslationOrder order;
  order.toResultWindow = true;
  // The answer waits, so the window has no result yet.
  sim::Faults slow;
  slow.stallBefore = std::chrono::milliseconds(2000);
  sim_.SetFaults("tr", slow);
  const RefPtr<WindowsTranslationInstance> job = translator_->StartTranslation(order);
  AwaitRequest("tr");
  Window().SpeakerIcon().click();
  EXPECT_TRUE(engine_->spoken.empty());
  ASSERT_FALSE(messages_->shown.empty());
  EXPECT_EQ(messages_->shown.back().text,
            "You can listen to the translation result after the pending translation process is "
            "completed.");
  Finish(job);
}

}  // namespace
}  // namespace vorla
