#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "translation/StateFixture.h"
#include "ui/main/PairBoxLists.h"

namespace vorla {
namespace {

using test::StateFixture;
using Texts = std::vector<std::string>;

constexpr auto kEn = UiLanguage::English;
constexpr auto kFi = UiLanguage::Finnish;

Texts TextsOf(const std::vector<PairBoxLine>& lines, std::size_t count = SIZE_MAX) {
  Texts texts;
  for (std::size_t i = 0; i < lines.size() && i < count; ++i)
    texts.emplace_back(lines[i].text);
  return texts;
}

// An account of the type with the pair bits, and the pair (source, target, automatic).
StateFixture Account(int accountType, int bits, LanguagePair pair = {0, 1, true}) {
  StateFixture fixture;
  fixture.state->SetAccount(accountType, 0);
  fixture.state->SetAvailablePairs(bits);
  fixture.state->ChoosePair(pair);
  return fixture;
}

TEST(PairBoxLists, ListsFollowTheAccountAndItsPairBits) {
  const struct {
    int accountType;
    int bits;
    UiLanguage language;
    Texts first;   // the first lines of the first list
    Texts target;  // the first lines of the target list
  } cases[] = {
      {2, 3, kEn, {"Auto-Selection", "English -> Finnish", "Finnish -> English"}, {}},
      {2,
       7,
       kEn,
       {"Auto-Selection", "English -> Finnish", "Finnish -> English", "------",
        "English -> Swedish"},
       {}},
      {0, 5, kFi, {"englanti -> suomi", "englanti -> ruotsi"}, {}},
      {2, 1, kEn, {"English -> Finnish"}, {}},
      {2, 2, kFi, {"suomi -> englanti"}, {}},
      {2, 0, kEn, {}, {}},
      {3,
       7,
       kEn,
       {"Auto-Selection", "English", "Finnish", "------", "Arabic"},
       {"English", "Finnish", "------", "Arabic"}},
      {4,
       3,
       kFi,
       {"Automaattinen", "englanti", "suomi", "------", "afrikaans"},
       {"englanti", "suomi", "------", "afrikaans"}},
      {3, 1, kEn, {"English", "------", "Arabic"}, {"Finnish", "------", "Arabic"}},
  };
  for (const auto& c : cases) {
    StateFixture fixture = Account(c.accountType, c.bits);
    const PairBoxLists lists(*fixture.state, c.language);
    EXPECT_EQ(TextsOf(lists.FirstList(), c.first.size()), c.first)
        << "type " << c.accountType << " bits " << c.bits;
    EXPECT_EQ(TextsOf(lists.TargetList(), c.target.size()), c.target)
        << "type " << c.accountType << " bits " << c.bits;
  }
  EXPECT_EQ(PairBoxLists(*Account(3, 3).state, kEn).FirstList().size(), 4u + 39u);
  EXPECT_EQ(PairBoxLists(*Account(4, 3).state, kEn).TargetList().size(), 3u + 64u);
}

TEST(PairBoxLists, SelectionFollowsThePair) {
  const struct {
    const char* what;
    int accountType;
    LanguagePair pair;
    std::optional<std::size_t> first;
    std::optional<std::size_t> target;
    bool targetEnabled;
  } cases[] = {
      {"automatic", 2, {0, 1, true}, 0, std::nullopt, false},
      {"Finnish to English", 2, {1, 0, false}, 2, std::nullopt, true},
      {"English to Swedish", 2, {0, 2, false}, 4, std::nullopt, true},
      {"further pair of a local account", 2, {100, 1, false}, std::nullopt, std::nullopt, true},
      {"further source", 3, {105, 1, false}, 4 + 5, 1, true},
      {"further target", 3, {0, 134, false}, 1, 3 + 34, true},
      {"automatic with further languages", 3, {0, 1, true}, 0, 1, false},
  };
  for (const auto& c : cases) {
    StateFixture fixture = Account(c.accountType, 7, c.pair);
    const PairBoxLists lists(*fixture.state, kEn);
    EXPECT_EQ(lists.SelectedFirst(), c.first) << c.what;
    EXPECT_EQ(lists.SelectedTarget(), c.target) << c.what;
    EXPECT_EQ(lists.TargetEnabled(), c.targetEnabled) << c.what;
  }
}

TEST(PairBoxLists, ChoicesAreStoredAtOnce) {
  const struct {
    const char* what;
    int accountType;
    LanguagePair before;
    bool target;  // the choice is in the target list
    std::size_t line;
    LanguagePair after;
  } cases[] = {
      {"Finnish to English", 2, {0, 1, true}, false, 2, {1, 0, false}},
      {"English to Swedish", 2, {0, 1, true}, false, 4, {0, 2, false}},
      {"Auto-Selection keeps the pair", 2, {1, 0, false}, false, 0, {1, 0, true}},
      {"the separator of the directions", 2, {1, 0, false}, false, 3, {1, 0, false}},
      {"Auto-Selection with further languages", 3, {105, 1, false}, false, 0, {0, 1, true}},
      {"English as source", 3, {1, 0, false}, false, 1, {0, 1, false}},
      {"a further source keeps the target", 3, {0, 1, false}, false, 4, {100, 1, false}},
      {"the separator as source", 3, {0, 1, false}, false, 3, {98, 1, false}},
      {"English as target turns the source", 3, {0, 1, true}, true, 0, {1, 0, false}},
      {"a further target", 3, {0, 1, false}, true, 3, {0, 100, false}},
      {"the separator as target", 3, {0, 1, false}, true, 2, {0, 98, false}},
      {"Finnish as target beside a further source", 3, {105, 0, false}, true, 1, {105, 1, false}},
  };
  for (const auto& c : cases) {
    StateFixture fixture = Account(c.accountType, 7, c.before);
    PairBoxLists lists(*fixture.state, kEn);
    if (c.target) {
      lists.ChooseTarget(c.line);
    } else {
      lists.ChooseFirst(c.line);
    }
    EXPECT_EQ(fixture.state->GetPair(), c.after) << c.what;
    const LanguagePair& stored = c.after;
    EXPECT_EQ(fixture.Stored("LanInf1"), std::to_string(stored.source)) << c.what;
    EXPECT_EQ(fixture.Stored("LanInf2"), std::to_string(stored.target)) << c.what;
  }
}

}  // namespace
}  // namespace vorla
