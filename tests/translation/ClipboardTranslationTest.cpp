#include <gtest/gtest.h>

#include "FakeClipboard.h"
#include "TranslationRequest.h"
#include "TranslatorFixture.h"
#include "service/LoginResults.h"
#include "translation/ClipboardTranslation.h"
#include "translation/ResultCodes.h"

namespace vorla {
namespace {

// Opens no window: keeps the jobs that asked for one and lets them report to the fixture.
class RecordingResultWindows final : public ResultWindows {
 public:
  explicit RecordingResultWindows(JobDisplay display) : display_(std::move(display)) {}
  JobDisplay CreateResultWindow(const RefPtr<WindowsTranslationInstance>& job) override {
    jobs.push_back(job);
    return display_;
  }
  std::vector<RefPtr<WindowsTranslationInstance>> jobs;

 private:
  JobDisplay display_;
};

class ClipboardTranslationTest : public test::TranslatorFixture, public testing::Test {
 protected:
  ClipboardTranslationTest() {
    CWindowsTranslator::Hooks hooks = FakeHooks();
    hooks.resultWindows = windows_;
    translator_->SetHooks(hooks);
    translation_ = std::make_unique<ClipboardTranslation>(
        translator_, clipboard_, [this](std::string_view text) { reports_.emplace_back(text); });
  }

  // Copies text and lets automatic translation see the change; the number of clipboard
  // translations started so far, each waited for.
  std::size_t Copy(std::optional<std::string> text) {
    clipboard_->text = std::move(text);
    translation_->OnClipboardChanged();
    for (const auto& job : windows_->jobs)
      EXPECT_EQ(job->WaitForResult(), 0);
    return windows_->jobs.size();
  }

  std::shared_ptr<RecordingResultWindows> windows_ =
      std::make_shared<RecordingResultWindows>(JobDisplay{progress_, delivery_});
  std::shared_ptr<test::FakeClipboard> clipboard_ = std::make_shared<test::FakeClipboard>();
  std::vector<std::string> reports_;
  std::unique_ptr<ClipboardTranslation> translation_;
};

TEST_F(ClipboardTranslationTest, AutomaticTranslationTakesEachNewTextOnce) {
  EXPECT_EQ(Copy("Good morning."), 0u) << "off until switched on";
  translation_->ToggleAutoTranslate();
  EXPECT_TRUE(config_->settings().ReadBoolean("UsrPref2", false));

  EXPECT_EQ(Copy("Good morning."), 1u);
  EXPECT_EQ(Copy("Good morning."), 1u) << "the same text again";
  EXPECT_EQ(Copy(" \t\xC2\xA0"), 1u) << "blanks are no text";
  EXPECT_EQ(Copy("Good morning."), 2u) << "blanks emptied the saved text";
  EXPECT_EQ(Copy("Good night."), 3u);

  // Switching off and on again forgets the text seen last.
  translation_->ToggleAutoTranslate();
  EXPECT_EQ(Copy("Good night."), 3u);
  translation_->ToggleAutoTranslate();
  EXPECT_EQ(Copy("Good night."), 4u);

  // While automatic translation is on, results stay off the clipboard.
  for (const TranslationDelivery& delivery : delivery_->Delivered()) {
    EXPECT_FALSE(delivery.copyToClipboard);
    EXPECT_TRUE(delivery.toResultWindow);
  }
  const sim::TranslationRequest sent = sim::DecodeTranslationRequest(Requests("tr").at(0));
  EXPECT_EQ(sent.refusal, "");
  EXPECT_EQ(sent.source, "Good morning.");
  EXPECT_EQ(sent.sourceFormat, kFormatTxt);
}

TEST_F(ClipboardTranslationTest, CommandTranslatesAndAsksForTheResultOnTheClipboard) {
  clipboard_->rtf = "{\\rtf1\\ansi Good {\\b morning}.\\par}";
  const auto job = translation_->TranslateClipboard(true);
  ASSERT_TRUE(job);
  ASSERT_EQ(job->WaitForResult(), 0) << testing::PrintToString(progress_->Lines());
  ASSERT_EQ(delivery_->Delivered().size(), 1u);
  EXPECT_TRUE(delivery_->Delivered()[0].copyToClipboard);
  EXPECT_TRUE(delivery_->Delivered()[0].rtf);
  const sim::TranslationRequest sent = sim::DecodeTranslationRequest(Requests("tr").at(0));
  EXPECT_EQ(sent.refusal, "");
  EXPECT_EQ(sent.sourceFormat, kFormatRtf);
  EXPECT_TRUE(reports_.empty());
}

TEST_F(ClipboardTranslationTest, MissingTextIsReportedOnlyForTheCommand) {
  EXPECT_FALSE(translation_->TranslateClipboard(false));
  EXPECT_TRUE(reports_.empty());
  EXPECT_FALSE(translation_->TranslateClipboard(true));
  EXPECT_EQ(reports_, std::vector<std::string>{"No clipboard text available!"});
  EXPECT_TRUE(windows_->jobs.empty());
}

TEST_F(ClipboardTranslationTest, FurtherPairReceivesCyrillicAsUtf8) {
  UseFurtherLanguageAccount();
  // The account's type makes the pair a further-language one.
  ASSERT_EQ(translator_->State().Login({}), kLoginOk);
  translator_->State().ChoosePair({223, 219, false});
  ASSERT_TRUE(translator_->State().IsFurtherPair());
  clipboard_->text =
      "\xD0\x94\xD0\xBE\xD0\xB1\xD1\x80\xD0\xBE\xD0\xB5 \xD1\x83\xD1\x82\xD1\x80\xD0\xBE.";
  const auto job = translation_->TranslateClipboard(true);
  ASSERT_TRUE(job);
  ASSERT_EQ(job->WaitForResult(), 0);
  const sim::TranslationRequest sent = sim::DecodeTranslationRequest(Requests("tr").at(0));
  EXPECT_EQ(sent.refusal, "");
  EXPECT_EQ(sent.sourceFormat, kFormatRtf);
  ASSERT_TRUE(sent.source);
  EXPECT_NE(sent.source->find(*clipboard_->text), std::string::npos) << *sent.source;
}

}  // namespace
}  // namespace vorla
