#include <gtest/gtest.h>

#include "translation/LanguageView.h"
#include "translation/TranslationFlags.h"
#include "translation/TranslationJob.h"

namespace vorla {
namespace {

constexpr int kEnglishFinnish = 0x1;
constexpr int kFinnishEnglish = 0x2;
constexpr int kBothDirections = kEnglishFinnish | kFinnishEnglish;

struct FakeLanguages final : LanguageView {
  int source = 0;
  int target = 1;
  bool autoDirection = false;
  int pairs = kBothDirections;

  int GetSourceLanguage() const override { return source; }
  int GetTargetLanguage() const override { return target; }
  bool GetAutoDirection() const override { return autoDirection; }
  bool IsPairAvailable(int from, int to) const override {
    if (from == 0 && to == 1) return (pairs & kEnglishFinnish) != 0;
    if (from == 1 && to == 0) return (pairs & kFinnishEnglish) != 0;
    return false;
  }
};

TEST(FillLanguages, KeepsEachJobInOneFamily) {
  struct Case {
    int source, target;
    bool autoDirection;
    int pairs;
    int expectedSource, expectedTarget;
    bool expectedAuto;
  };
  const Case cases[] = {
      // Automatic direction: further English and Finnish become the local ones.
      {110, 1, true, kBothDirections, 0, 1, true},
      {230, 254, true, kBothDirections, 0, 1, true},
      {1, 0, true, kBothDirections, 1, 0, true},
      {0, 2, true, kBothDirections, 0, 2, true},
      // ... only with both directions available.
      {110, 1, true, kEnglishFinnish, 110, 110, false},
      {0, 1, true, kFinnishEnglish, 0, 1, false},
      // English and Finnish of any family become the local pair.
      {1, 108, false, kBothDirections, 1, 0, false},
      {215, 1, false, kBothDirections, 0, 1, false},
      {108, 219, false, kBothDirections, 0, 1, false},
      // A local target follows a further source.
      {230, 1, false, kBothDirections, 230, 219, false},
      {100, 0, false, kBothDirections, 100, 108, false},
      {100, 1, false, kBothDirections, 100, 110, false},
      {230, 0, false, kBothDirections, 230, 215, false},
      // A local source follows a further target.
      {0, 112, false, kBothDirections, 108, 112, false},
      {1, 112, false, kBothDirections, 110, 112, false},
      {0, 230, false, kBothDirections, 215, 230, false},
      {1, 230, false, kBothDirections, 219, 230, false},
      // Swedish is mapped like English and Finnish.
      {112, 2, false, kBothDirections, 112, 134, false},
      {230, 2, false, kBothDirections, 230, 254, false},
      {2, 112, false, kBothDirections, 134, 112, false},
      {2, 230, false, kBothDirections, 254, 230, false},
      // Pairs within one family stay as they are, and so does the invalid choice.
      {0, 2, false, kBothDirections, 0, 2, false},
      {112, 230, false, kBothDirections, 112, 230, false},
      {98, 1, false, kBothDirections, 98, 1, false},
  };
  for (const Case& c : cases) {
    FakeLanguages languages;
    languages.source = c.source;
    languages.target = c.target;
    languages.autoDirection = c.autoDirection;
    languages.pairs = c.pairs;
    TranslationJob job;
    job.FillLanguages(languages);
    const std::string which = std::to_string(c.source) + " -> " + std::to_string(c.target);
    EXPECT_EQ(job.srclan, c.expectedSource) << which;
    EXPECT_EQ(job.tgtlan, c.expectedTarget) << which;
    EXPECT_EQ((job.trflags & kTrAutoDirection) != 0, c.expectedAuto) << which;
  }
}

TEST(FillLanguages, TouchesNoOtherFlag) {
  FakeLanguages languages;
  TranslationJob job;
  job.trflags = kTrFromClient | kTrAutoDirection;
  job.FillLanguages(languages);
  EXPECT_EQ(job.trflags, kTrFromClient);

  languages.autoDirection = true;
  job.FillLanguages(languages);
  EXPECT_EQ(job.trflags, kTrFromClient | kTrAutoDirection);
}

}  // namespace
}  // namespace vorla
