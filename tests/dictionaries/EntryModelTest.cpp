#include <gtest/gtest.h>

#include "dictionaries/AdjAttrMark.h"
#include "dictionaries/AttributeValues.h"
#include "dictionaries/DictionaryKind.h"
#include "dictionaries/MultiWordTerm.h"
#include "dictionaries/RuleTypes.h"
#include "dictionaries/VocabularyCompEntry.h"
#include "dictionaries/VocabularyPhraseEntry.h"

namespace vorla {
namespace {

TEST(AttributeList, ReplacesListedCodesAndIgnoresAnEleventh) {
  AttributeList list;
  for (int code = 1; code <= 10; ++code)
    list.Set(code, code * 2);
  list.Set(3, 99);  // replaces in place
  list.Set(11, 1);  // an eleventh distinct code is ignored
  EXPECT_EQ(list.size(), 10u);
  EXPECT_EQ(list.Get(3), 99);
  EXPECT_EQ(list.Get(11), -1);
  list.Remove(1);
  EXPECT_EQ(list.pairs().front(), (AttributePair{2, 4}));  // later pairs move up
  EXPECT_EQ(list.size(), 9u);
  list.Set(11, 1);
  EXPECT_EQ(list.pairs().back(), (AttributePair{11, 1}));
}

TEST(AttributeList, IgnoresPairsTheStreamCannotCarry) {
  AttributeList list;
  list.Set(attr::kSCat, 8);  // the word class lives in scat
  list.Set(0, 1);
  list.Set(0xFF, 1);
  list.Set(attr::kSemAct, 0xFE);  // written plus 1 it would end the record
  list.Set(attr::kSemAct, -1);
  EXPECT_TRUE(list.empty());
  list.Set(attr::kSemAct, 0xFD);
  EXPECT_EQ(list.Get(attr::kSemAct), 0xFD);
}

TEST(AttributeValues, NamesAndDisplayNames) {
  EXPECT_EQ(AttributeValueName(attr::kSCat, 13), "Verb");
  EXPECT_EQ(AttributeValueName(attr::kSubCat, 35), "UnicodeSymbol");
  EXPECT_EQ(AttributeValueName(attr::kTgtDInfl, 27), "AdjInfl");
  EXPECT_EQ(AttributeValueName(attr::kTgtGCase, 17), "Genom");
  EXPECT_EQ(AttributeValueName(attr::kTgtGrade, 3), "???");
  EXPECT_EQ(AttributeValueName(attr::kSemSpat, -1), "???");
  EXPECT_EQ(AttributeValueName(attr::kTgtAdjAttr, 2), "2");
  EXPECT_EQ(FindAttributeValue(attr::kTgtInfl, "KSEN"), 8);
  EXPECT_EQ(FindAttributeValue(attr::kTgtInfl, "ksen"), std::nullopt);

  struct Case {
    int code, value, scat;
    std::string_view english, finnish;
  };
  const Case cases[] = {
      {attr::kSCat, 12, 0, "Proper noun", "Erisnimi"},
      {attr::kSCat, 9, 0, "", ""},
      {attr::kSubCat, 0, word_class::kVerb, "Intransitive", "Intransitiivinen"},
      {attr::kSubCat, 7, word_class::kVerb, "AuxV", "AuxV"},
      {attr::kSubCat, 1, word_class::kVerb, "", ""},
      {attr::kSubCat, 13, word_class::kProp, "Title", "Nimike"},
      {attr::kSubCat, 13, word_class::kVerb, "", ""},
      {attr::kSemAct, 0, 0, "Inactive", "Eloton"},
      {attr::kSemAct, 8, 0, "Human", "Ihminen"},
      {attr::kTgtInfl, 1, 0, "No inflection", "Ei taivutusta"},
      {attr::kTgtInfl, 8, 0, "KSEN", "KSEN"},
      {attr::kTgtInfl, 0, 0, "", ""},
      {attr::kTgtGrade, 2, 0, "No gradation", "Ei astevaihtelua"},
      {attr::kNumber, 1, 0, "Plural", "Monikko"},
      {attr::kTgtGCase, 3, 0, "Partitive", "Partitiivi"},
  };
  for (const Case& c : cases) {
    const BilingualText name = AttributeDisplayName(c.code, c.value, c.scat);
    EXPECT_EQ(name.english, c.english) << c.code << "/" << c.value;
    EXPECT_EQ(name.finnish, c.finnish) << c.code << "/" << c.value;
  }
}

TEST(RuleTypes, ExchangeNamesAndRecordTypes) {
  EXPECT_EQ(RuleTypeExchangeName(rule_type::kNounRightPrep).finnish, "Subst/SeuraavaPrep");
  EXPECT_EQ(RuleTypeExchangeName(rule_type::kUnnamed155).english, "");
  EXPECT_EQ(FindRuleType("Kontekstisana"), rule_type::kContextWord);
  EXPECT_EQ(FindRuleType("Verb/LeftNoun"), rule_type::kVerbLeftNoun);
  EXPECT_EQ(FindRuleType("verb/leftnoun"), std::nullopt);
  EXPECT_TRUE(IsContextRuleType(155));
  EXPECT_FALSE(IsContextRuleType(156));
  EXPECT_FALSE(IsDisambRuleType(166));
  EXPECT_TRUE(IsDisambRuleType(175));
  EXPECT_EQ(DisambRuleWordClass(rule_type::kVerbRightAdv), word_class::kVerb);
  EXPECT_EQ(DisambRuleWordClass(rule_type::kAdjRightNoun), word_class::kAdj);
  EXPECT_EQ(DisambRuleWordClass(rule_type::kNounRightPrep), word_class::kNoun);
}

TEST(DictionaryKinds, NamesAndLanguageTags) {
  EXPECT_EQ(KindExchangeName(DictionaryKind::ContextRules), "ContextRules");
  EXPECT_EQ(KindDisplayName(DictionaryKind::Normal).finnish, "sanat / sanaliitot");
  EXPECT_EQ(FindKindByExchangeName("Disambiguation"), DictionaryKind::Disambiguation);
  EXPECT_EQ(FindKindByExchangeName("Terms"), std::nullopt);
  EXPECT_EQ(LanguageTag(2), "sv");
  EXPECT_EQ(LanguageKeyTag(1), "Fi");
  EXPECT_EQ(LanguageTag(3), "");
  EXPECT_EQ(LanguageKeyTag(-1), "");
}

TEST(MultiWordTerm, SplitsAndRebuildsTheSource) {
  struct Case {
    std::string_view text;
    int scat;
    MultiWordParts parts;
    std::string_view rebuilt;
  };
  const Case cases[] = {
      {"house of cards", word_class::kNoun, {"house", "", "of cards"}, "house of cards"},
      {"big house of cards", word_class::kNoun, {"house", "big", "of cards"}, "big house of cards"},
      {"look after", word_class::kVerb, {"look", "", "after"}, "look after"},
      {"paper* clip holder", word_class::kNoun, {"paper", "", "clip holder"}, "paper* clip holder"},
      {"well known*", word_class::kVerb, {"known", "well", ""}, "well known*"},
      {"big red car", word_class::kNoun, {"car", "big red", ""}, "big red car"},
      // A preposition as the last word does not end the scan.
      {"take in", word_class::kNoun, {"in", "take", ""}, "take in"},
      // A preposition in the modifier needs the mark to find the head again.
      {"out of order* x", word_class::kNoun, {"order", "out of", "x"}, "out of order* x"},
      {"up to date", word_class::kAdj, {"up", "", "to date"}, "up to date"},
      {"Of course", word_class::kAdv, {"course", "Of", ""}, "Of course"},
  };
  for (const Case& c : cases) {
    const MultiWordParts parts = SplitMultiWordTerm(c.text, c.scat);
    EXPECT_EQ(parts, c.parts) << c.text;
    EXPECT_EQ(JoinMultiWordTerm(parts, c.scat), c.rebuilt) << c.text;
    EXPECT_EQ(SplitMultiWordTerm(JoinMultiWordTerm(parts, c.scat), c.scat), parts) << c.text;
  }
}

TEST(MultiWordTerm, TextOf199BytesTakesTheVerbRule) {
  const std::string longer = std::string(95, 'a') + " of " + std::string(100, 'b');
  ASSERT_EQ(longer.size(), 199u);
  EXPECT_EQ(SplitMultiWordTerm(longer, word_class::kNoun).head, std::string(95, 'a'));
  EXPECT_EQ(SplitMultiWordTerm(longer, word_class::kNoun).complement,
            "of " + std::string(100, 'b'));
  const std::string shorter = "x " + longer.substr(3);
  EXPECT_EQ(SplitMultiWordTerm(shorter, word_class::kNoun).head, std::string(92, 'a'));
  EXPECT_EQ(SplitMultiWordTerm(shorter, word_class::kNoun).modifier, "x");
}

TEST(EntrySetSource, ByClass) {
  VocabularyEntry term;
  EXPECT_TRUE(term.SetSource("house*"));
  EXPECT_EQ(term.source, "house");
  EXPECT_FALSE(term.SetSource("*"));
  EXPECT_TRUE(term.SetSource(std::string(199, 'a')));
  EXPECT_FALSE(term.SetSource(std::string(200, 'a')));

  VocabularyPhraseEntry phrase;
  EXPECT_EQ(phrase.scat, 0);
  EXPECT_TRUE(phrase.SetSource("keep it*"));
  EXPECT_EQ(phrase.source, "keep it*");
  EXPECT_TRUE(phrase.SetSource(std::string(399, 'a')));
  EXPECT_FALSE(phrase.SetSource(std::string(400, 'a')));
  EXPECT_FALSE(phrase.SetSource(""));

  VocabularyCompEntry comp;
  comp.scat = word_class::kVerb;
  EXPECT_TRUE(comp.SetSource("well known*"));
  EXPECT_EQ(comp.source, "well known*");
  EXPECT_EQ(comp.head, "known");
  // The head field holds 99 bytes.
  EXPECT_TRUE(comp.SetSource(std::string(99, 'h') + " x"));
  EXPECT_FALSE(comp.SetSource(std::string(100, 'h') + " x"));
  EXPECT_FALSE(comp.SetSource("a *"));  // no word before the mark
  EXPECT_EQ(comp.head, std::string(99, 'h'));
}

TEST(MarkedTarget, ShowsTheAttributiveWord) {
  struct Case {
    std::string_view target;
    int position;
    std::string_view shown;
  };
  const Case cases[] = {
      {"vanha kaupunki", 1, "vanha# kaupunki"},
      {"vanha kaupunki", 2, "vanha kaupunki"},
      {"hyvin vanha kaupunki", 2, "hyvin vanha# kaupunki"},
      {"talo", 1, "talo"},
      {"vanha kaupunki", -1, "vanha kaupunki"},
  };
  for (const Case& c : cases) {
    VocabularyEntry entry;
    entry.target = c.target;
    entry.tgtattr.Set(attr::kTgtAdjAttr, c.position);
    EXPECT_EQ(MarkedTarget(entry), c.shown) << c.target << " " << c.position;
  }
}

TEST(AdjAttrMark, ExtractsTheFirstMarkedWord) {
  struct Case {
    std::string_view typed;
    int position;
    std::string_view stored;
  };
  const Case cases[] = {
      {"vanha# kaupunki", 1, "vanha kaupunki"},
      {"vanha kaupunki#", -1, "vanha kaupunki#"},
      {"hyvin vanha# iso# kaupunki", 2, "hyvin vanha iso kaupunki"},
      {"# talo", -1, "# talo"},  // a lone '#' marks no word
      {"talo", -1, "talo"},
  };
  for (const Case& c : cases) {
    std::string text(c.typed);
    EXPECT_EQ(ExtractAdjAttrMark(text), c.position) << c.typed;
    EXPECT_EQ(text, c.stored) << c.typed;
  }
}

}  // namespace
}  // namespace vorla
