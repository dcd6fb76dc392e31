#include <gtest/gtest.h>

#include "dictionaries/ContextWords.h"
#include "dictionaries/UserDisambRuleEntry.h"

namespace vorla {
namespace {

constexpr auto kTyped = ContextTextForm::Typed;
constexpr auto kStored = ContextTextForm::Stored;

TEST(ParseContextWords, GivesBothFormsAndTheCount) {
  UserLexicalRuleEntry rule;
  ContextParseResult result = ParseContextWords(rule, " red ,, big car,\tbig_dog ,");
  EXPECT_TRUE(result.changed);
  EXPECT_EQ(result.count, 3);
  EXPECT_FALSE(result.offending);
  EXPECT_EQ(rule.contextwords, (ContextList{"red, big car, big dog", "red,big_car,big_dog", 3}));
  // The same display form again changes nothing.
  EXPECT_FALSE(ParseContextWords(rule, "red, big car, big dog").changed);
}

TEST(ParseContextWords, ReportsTheFirstSuspiciousByteAndKeepsTheItems) {
  UserLexicalRuleEntry rule;
  ContextParseResult result = ParseContextWords(rule, "ok, a.b, c?d");
  EXPECT_EQ(result.offending, '.');
  EXPECT_EQ(result.count, 3);
  EXPECT_EQ(rule.contextwords.stored, "ok,a.b,c?d");

  // A disambiguation rule takes single words only.
  UserDisambRuleEntry disamb;
  EXPECT_EQ(ParseContextWords(disamb, "red, big car").offending, ' ');
  EXPECT_EQ(ParseContextWords(disamb, "big_car").offending, '_');
  EXPECT_FALSE(ParseContextWords(disamb,
                                 "\xC4iti, \x8A"
                                 "koda, 50%, a-b+c/d\\e&f")
                   .offending);
}

TEST(ParseContextWords, LeavesOutItemsTheStreamCannotCarry) {
  UserLexicalRuleEntry rule;
  ContextParseResult result = ParseContextWords(rule, "red, bi\x01g, bl\xFFue, green");
  EXPECT_EQ(result.offending, 0x01);
  EXPECT_EQ(rule.contextwords.stored, "red,green");
  EXPECT_EQ(result.count, 2);
}

// The display form stays below 400 bytes: the item that would reach it is refused with
// every later one.
TEST(ParseContextWords, LimitsTheListTo399Bytes) {
  const std::string first(200, 'a');
  UserLexicalRuleEntry rule;
  ContextParseResult fits = ParseContextWords(rule, first + "," + std::string(197, 'b'));
  EXPECT_FALSE(fits.tooLong);
  EXPECT_EQ(rule.contextwords.display.size(), 399u);
  ContextParseResult over = ParseContextWords(rule, first + "," + std::string(198, 'b') + ",c");
  EXPECT_TRUE(over.tooLong);
  EXPECT_EQ(over.count, 1);
  EXPECT_EQ(rule.contextwords.display, first);
}

TEST(ParseContextWords, StoredFormIsKeptAsRead) {
  UserLexicalRuleEntry rule;
  ContextParseResult result = ParseContextWords(rule, "red,big_car,,x", kStored);
  EXPECT_EQ(rule.contextwords, (ContextList{"red, big car, x", "red,big_car,,x", 3}));
  EXPECT_TRUE(result.changed);
}

TEST(ParseContextTranslations, CodesParametersInTypedText) {
  struct Case {
    std::string_view typed;
    std::string_view display;
    std::string_view stored;
    bool warning;
  };
  const Case cases[] = {
      {"punainen(EN;NormGrade), , iso", "punainen(EN;NormGrade), -, iso",
       "punainen(\x04\x02),-,iso", false},
      {"talo (NoGrade)", "talo (NoGrade)", "talo(\x01\x04)", false},
      {"kivi(IrrGrade;DEN)", "kivi(IrrGrade;DEN)", "kivi(\x09\x03)", false},
      {"iso talo(KSEN)", "iso talo(KSEN)", "iso_talo(\x0A\x01)", false},
      {"punainen(Foo)", "punainen(Foo)", "punainen(Foo)", true},
      {"punainen(EN", "punainen(EN", "punainen(EN", true},
      {"(EN)", "(EN)", "(EN)", true},
      {"x(EN;NormGrade;NoGrade)", "x(EN;NormGrade;NoGrade)", "x(EN;NormGrade;NoGrade)", true},
      {"x(EN;DEN)", "x(EN;DEN)", "x(EN;DEN)", true},
      {"x(en)", "x(en)", "x(en)", true},
      {"x(EN)y", "x(EN)y", "x(EN)y", true},
      {"a\x02"
       "b, c",
       "-, c", "-,c", true},
      {"", "", "", false},
  };
  for (const Case& c : cases) {
    UserLexicalRuleEntry rule;
    const ContextParseResult result = ParseContextTranslations(rule, c.typed, kTyped);
    EXPECT_EQ(rule.contextwordstr.display, c.display) << c.typed;
    EXPECT_EQ(rule.contextwordstr.stored, c.stored) << c.typed;
    EXPECT_EQ(result.parameterWarning, c.warning) << c.typed;
  }
}

TEST(ParseContextTranslations, StoredFormShowsTheParameterNames) {
  struct Case {
    std::string_view stored;
    std::string_view display;
    bool warning;
  };
  const Case cases[] = {
      {"punainen(\x04\x02),-,iso", "punainen(EN;NormGrade), -, iso", false},
      {"iso_talo(\x0A\x01)", "iso talo(KSEN)", false},
      {"talo(\x01\x04)", "talo(NoGrade)", false},
      {"talo(\x1E\x05)", "talo(\?\?\?;\?\?\?)", true},
      {"x(ab)", "x(ab)", false},  // stored as typed; no coded bytes
  };
  for (const Case& c : cases) {
    UserLexicalRuleEntry rule;
    const ContextParseResult result = ParseContextTranslations(rule, c.stored, kStored);
    EXPECT_EQ(rule.contextwordstr.display, c.display) << c.stored;
    EXPECT_EQ(rule.contextwordstr.stored, c.stored) << c.stored;
    EXPECT_EQ(result.parameterWarning, c.warning) << c.stored;
  }
}

TEST(ParseContextTranslations, RefusesAWordTooLongForItsCodedForm) {
  UserLexicalRuleEntry rule;
  EXPECT_FALSE(ParseContextTranslations(rule, std::string(195, 'w') + "(EN)", kTyped).tooLong);
  const ContextParseResult result =
      ParseContextTranslations(rule, "x, " + std::string(196, 'w') + "(EN), y", kTyped);
  EXPECT_TRUE(result.tooLong);
  EXPECT_EQ(rule.contextwordstr.display, "x");
}

}  // namespace
}  // namespace vorla
