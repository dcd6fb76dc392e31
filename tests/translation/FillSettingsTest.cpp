#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "config/MemorySettingsStore.h"
#include "config/Settings.h"
#include "translation/ActiveDictionaryView.h"
#include "translation/TranslationFlags.h"
#include "translation/TranslationJob.h"
#include "translation/TranslationPreferences.h"

namespace vorla {
namespace {

struct DirectionDictionaries {
  std::optional<SessionDictionaryInfo> session;
  std::vector<int> active;
};

struct FakeDictionaries final : ActiveDictionaryView {
  std::map<DictionaryDirection, DirectionDictionaries> directions = {
      {DictionaryDirection::EnglishFinnish, {}}, {DictionaryDirection::FinnishEnglish, {}}};

  std::optional<SessionDictionaryInfo> GetSessionDictionary(
      DictionaryDirection direction) const override {
    return directions.at(direction).session;
  }
  std::vector<int> GetActiveDictionaryIds(DictionaryDirection direction) const override {
    return directions.at(direction).active;
  }
};

const FakeDictionaries kNoDictionaries;

std::vector<int> ActiveIds(const TranslationJob& job, DictionaryDirection direction) {
  const auto index = static_cast<std::size_t>(direction);
  const auto& ids = job.actfields[index];
  return {ids.begin(), ids.begin() + job.actcount[index]};
}

TEST(FillSettings, PreferencesFromTheSettings) {
  struct Case {
    const char* name;
    const char* value;
    std::uint32_t trflags, trflagsext;
  };
  const Case cases[] = {
      {nullptr, nullptr, 0x100, 0},  // defaults: unknown words are not marked
      {"EnFiTrPref1", "2", 0x104, 0},        {"EnFiTrPref1", "5", 0x100, 0},
      {"EnFiTrPref2", "true", 0, 0},         {"EnFiTrPref3", "true", 0x108, 0},
      {"EnFiTrPref4", "true", 0x1100, 0},    {"EnFiTrPref6", "true", 0x100, 0x8},
      {"EnFiTrPref7", "true", 0x100, 0x10},  {"EnFiTrPref8", "true", 0x100, 0x20},
      {"EnFiTrPref9", "true", 0x100, 0x3C0}, {"FiEnTrPref1", "true", 0x4100, 0},
      {"FiEnTrPref1", "false", 0x100, 0},
  };
  for (const Case& c : cases) {
    Settings settings(std::make_shared<MemorySettingsStore>());
    if (c.name) settings.WriteString(c.name, c.value);
    TranslationJob job;
    job.FillSettings(TranslationPreferences::Read(settings), kNoDictionaries);
    const std::string which = c.name ? std::string(c.name) + "=" + c.value : "defaults";
    EXPECT_EQ(job.trflags, c.trflags) << which;
    EXPECT_EQ(job.trflagsext, c.trflagsext) << which;
  }
}

TEST(FillSettings, ReplacesOnlyThePreferenceBits) {
  TranslationPreferences preferences;
  preferences.markUnknownWords = true;
  TranslationJob job;
  job.trflags = kTrFromClient | kTrCompress | kTrYouSingular | kTrNoUnknownWordMarks;
  job.trflagsext = kTrExtLongRequest | kTrExtOmitPossessivePronouns;
  job.FillSettings(preferences, kNoDictionaries);
  EXPECT_EQ(job.trflags, kTrFromClient | kTrCompress);
  EXPECT_EQ(job.trflagsext, kTrExtLongRequest);
}

TEST(FillSettings, ActiveDictionaries) {
  const std::vector<int> twelve = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  struct Case {
    const char* name;
    DirectionDictionaries given;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"none", {}, {}},
      {"session first, its repeat skipped", {{{7, true}}, {3, 7, 4}}, {7, 3, 4}},
      {"empty session dictionary", {{{7, false}}, {3, 4}}, {3, 4}},
      {"session dictionary not stored yet", {{{0, true}}, {3, 4}}, {3, 4}},
      {"at most ten", {{}, twelve}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {"ten with the session first", {{{5, true}}, twelve}, {5, 1, 2, 3, 4, 6, 7, 8, 9, 10}},
  };
  for (const Case& c : cases) {
    // The other direction has lists of its own, which must not mix with these.
    const DirectionDictionaries other{{{99, true}}, {98}};
    for (const auto& [direction, otherDirection] :
         {std::pair{DictionaryDirection::EnglishFinnish, DictionaryDirection::FinnishEnglish},
          std::pair{DictionaryDirection::FinnishEnglish, DictionaryDirection::EnglishFinnish}}) {
      FakeDictionaries dictionaries;
      dictionaries.directions = {{direction, c.given}, {otherDirection, other}};
      TranslationJob job;
      job.FillSettings(TranslationPreferences{}, dictionaries);
      EXPECT_EQ(ActiveIds(job, direction), c.expected) << c.name;
      EXPECT_EQ(ActiveIds(job, otherDirection), (std::vector<int>{99, 98})) << c.name;
    }
  }
}

}  // namespace
}  // namespace vorla
