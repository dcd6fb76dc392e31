// The speech settings, languages, texts and voice parameters.
#include <gtest/gtest.h>

#include "config/MemorySettingsStore.h"
#include "speech/SpeechLanguage.h"
#include "speech/SpeechMessages.h"
#include "speech/SpeechSettings.h"
#include "speech/SpeechText.h"
#include "speech/VoiceParameters.h"
#include "translation/LanguageFamily.h"

namespace vorla {
namespace {

TEST(SpeechSettings, StoredValuesOutsideTheirRangeAreRepaired) {
  struct Case {
    const char* name;
    const char* stored;
    SpeechSettings expected;
  };
  const Case cases[] = {
      {"SpeechVolume", "0", {}},
      {"SpeechVolume", "-5", {}},
      {"SpeechVolume", "1001", {}},
      {"SpeechVolume", "1", {.volume = 1}},
      {"SpeechRate", "1200", {}},
      {"SpeechRate", "-1", {}},
      {"SpeechRate", "0", {.rate = 0}},
      {"SpeechRate", "1000", {.rate = 1000}},
      {"SpeechPitch", "1001", {}},
      {"SpeechPitch", "7", {.pitch = 7}},
      {"SpeechLan", "3", {}},
      {"SpeechLan", "-2", {}},
      {"SpeechLan", "2", {.language = 2}},
      {"AutoSpeech", "true", {.automatic = true}},
      {"AutoSpeech", "yes", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + "=" + c.stored);
    auto store = std::make_shared<MemorySettingsStore>();
    store->WriteValue(c.name, c.stored);
    EXPECT_EQ(ReadSpeechSettings(Settings(store)), c.expected);
  }
}

TEST(SpeechSettings, WrittenValuesReadBack) {
  auto store = std::make_shared<MemorySettingsStore>();
  Settings settings(store);
  const SpeechSettings values{
      .language = 1, .volume = 250, .rate = 0, .pitch = 999, .automatic = true};
  WriteSpeechSettings(settings, values);
  EXPECT_EQ(ReadSpeechSettings(settings), values);
  EXPECT_EQ(store->ReadValue("AutoSpeech"), "true");
  EXPECT_EQ(store->ReadValue("SpeechVolume"), "250");
}

TEST(SpeechLanguage, FurtherFamiliesFoldOntoTheLocalLanguages) {
  const std::pair<int, int> cases[] = {{0, 0},   {108, 0},   {215, 0},   {1, 1},
                                       {110, 1}, {219, 1},   {2, 2},     {134, 2},
                                       {254, 2}, {101, 101}, {220, 220}, {98, 98}};
  for (const auto& [code, folded] : cases) {
    EXPECT_EQ(LocalCodeOf(code), folded) << code;
  }
}

TEST(SpeechLanguage, ChoiceBySettingLastTranslationAndPair) {
  const LanguagePair finnishToEnglish{1, 0, false};
  const LanguagePair automaticPair{0, 1, true};
  const LanguagePair furtherPair{215, 230, false};
  struct Case {
    int setting;
    SpokenPane pane;
    std::optional<LanguagePair> last;
    LanguagePair current;
    SpeechLanguageChoice expected;
  };
  const Case cases[] = {
      // After translating Finnish to English: the source is Finnish, the translation English.
      {-1, SpokenPane::Source, finnishToEnglish, automaticPair, {1, false}},
      {-1, SpokenPane::Translation, finnishToEnglish, automaticPair, {0, false}},
      // The setting wins.
      {2, SpokenPane::Source, finnishToEnglish, automaticPair, {2, false}},
      // No translation yet: the pair's languages, folded; English when the pair is automatic.
      {-1, SpokenPane::Source, std::nullopt, furtherPair, {0, false}},
      {-1, SpokenPane::Translation, std::nullopt, furtherPair, {230, false}},
      {-1, SpokenPane::Translation, std::nullopt, automaticPair, {0, true}},
      {-1, SpokenPane::Source, LanguagePair{108, 134, false}, automaticPair, {0, false}},
  };
  for (const Case& c : cases) {
    const SpeechLanguageChoice choice = ChooseSpeechLanguage(c.setting, c.pane, c.last, c.current);
    EXPECT_EQ(choice.language, c.expected.language);
    EXPECT_EQ(choice.guessedEnglish, c.expected.guessedEnglish);
  }
}

TEST(VoiceParameters, VolumeAndRateMapOntoTheLocalVoice) {
  struct Case {
    int volume;
    int rate;
    LocalVoiceParameters expected;
  };
  const Case cases[] = {
      {1000, 0, {100, -7, 100, 81}},    {1000, 400, {100, -2, 100, 140}},
      {1000, 1000, {100, 5, 100, 303}}, {500, 500, {50, -1, 50, 157}},
      {9, 579, {0, -1, 0, 157}},        {1, 580, {0, 0, 0, 175}},
      {1000, 660, {100, 1, 100, 195}},  {1000, 419, {100, -2, 100, 140}},
      {1000, 420, {100, -2, 100, 140}}, {1000, 421, {100, -1, 100, 157}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.volume << " " << c.rate);
    const LocalVoiceParameters p = LocalVoiceParametersFor(c.volume, c.rate);
    EXPECT_EQ(p.volume, c.expected.volume);
    EXPECT_EQ(p.rate, c.expected.rate);
    EXPECT_EQ(p.amplitude, c.expected.amplitude);
    EXPECT_EQ(p.wordsPerMinute, c.expected.wordsPerMinute);
  }
}

TEST(SpeechText, CutsOnCharacterBoundaries) {
  const std::u16string pair = u"\U0001F600";  // one character, two units
  const std::u16string text = u"ab" + pair + u"c";
  EXPECT_EQ(CutAtCharacter(text, 3), u"ab");
  EXPECT_EQ(CutAtCharacter(text, 4), u"ab" + pair);
  EXPECT_EQ(CutAtCharacter(text, 10), text);

  std::u16string longText(kServiceSpeechMaxCharacters - 1, u'x');
  longText += pair;
  EXPECT_EQ(ServiceSpeechText(longText).size(), kServiceSpeechMaxCharacters - 1);
  std::u16string localText(kLocalSpeechMaxCharacters + 10'000, u'y');
  EXPECT_EQ(LocalVoiceText(localText).size(), kLocalSpeechMaxCharacters);
}

TEST(SpeechText, LocalVoicesNeverReadMarkup) {
  EXPECT_EQ(LocalVoiceText(u"a <b>c</b>"), u"a  b c /b ");
}

TEST(SpeechText, SelectionStartAndCarriageReturns) {
  EXPECT_EQ(SpokenText(u"one\r\ntwo\r\n", 0), u"one\ntwo\n");
  EXPECT_EQ(SpokenText(u"one two", 4), u"two");
  EXPECT_EQ(SpokenText(u"one", 9), u"");
}

TEST(SpeechText, ServiceTextIsTrimmedOfEveryKindOfSpace) {
  const std::u16string spaces = u" \t\n\u00a0\u2002\u2005\u2009\u200d\u202f\u2060";
  EXPECT_EQ(TrimmedForService(spaces + u"a b" + spaces), u"a b");
  EXPECT_EQ(TrimmedForService(u"\u2006x\u2001"), u"\u2006x\u2001");  // not among them
  EXPECT_EQ(TrimmedForService(spaces), u"");
}

TEST(SpeechMessages, PlaceholdersAreFilledInOrder) {
  EXPECT_EQ(
      FormatSpeechMessage(SpeechMessage::LongerThanInLanguage, UiLanguage::Finnish,
                          {"1000", "1000", LanguageNameInLengthNotice(2, UiLanguage::Finnish)}),
      "Teksti on pidempi kuin 1000 merkkiä. Vain ensimmäiset 1000 merkkiä puhutaan ruotsin "
      "puheentuotossa.");
  EXPECT_EQ(FormatSpeechMessage(SpeechMessage::NotAvailableFor, UiLanguage::English, {"Russian"}),
            "Text-to-Speech is not available for the 'Russian' language.");
}

}  // namespace
}  // namespace vorla
