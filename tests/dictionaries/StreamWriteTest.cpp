#include <gtest/gtest.h>

#include "SampleDictionaries.h"
#include "dictionaries/ContextWords.h"
#include "dictionaries/RuleTypes.h"
#include "dictionaries/UserLexicalRuleEntry.h"
#include "dictionaries/VocabularyReader.h"
#include "dictionaries/VocabularyWriter.h"

namespace vorla {
namespace {

using namespace std::string_literals;
using test::MakeDictionary;
using test::StreamOf;

VocabularyEntry& Create(Vocabulary& vocabulary, std::string_view source, int wordClass,
                        std::string_view target, int ruleType = 0) {
  VocabularyEntry* entry = vocabulary.CreateEntry(source, wordClass, ruleType, false).entry;
  EXPECT_NE(entry, nullptr) << source;
  entry->target = target;
  return *entry;
}

std::string RecordOf(VocabularyEntry& entry) {
  std::string record;
  entry.WriteRecord(record);
  return record;
}

UserLexicalRuleEntry& CreateRule(Vocabulary& vocabulary, std::string_view source, int ruleType,
                                 int wordClass, std::string_view words, int range) {
  auto& rule =
      static_cast<UserLexicalRuleEntry&>(Create(vocabulary, source, wordClass, "", ruleType));
  ParseContextWords(rule, words);
  rule.range = range;
  return rule;
}

TEST(StreamWriter, EmptyNormalDictionary) {
  auto vocabulary = MakeDictionary(DictionaryKind::Normal);
  vocabulary->header.name = "My Terms";
  vocabulary->header.description = "About";
  const std::string stream = StreamOf(*vocabulary);
  EXPECT_EQ(stream,
            "%voc-2 0 0 \x02\x05\x01\x01\x01\x02"
            "My Terms\xF7"
            "About\xFF"
            "0       \0"
            "0       #EOF"s);
  Vocabulary read;
  ASSERT_TRUE(ReadVocabulary(read, stream, test::kMaxSize));
  EXPECT_EQ(read.count(), 0);
  EXPECT_EQ(read.header.name, "My Terms");
}

TEST(StreamWriter, RefusesVersionsBelowTwo) {
  auto vocabulary = MakeDictionary(DictionaryKind::Normal);
  vocabulary->header.version = 1;
  std::string stream = "kept";
  EXPECT_FALSE(WriteVocabulary(*vocabulary, stream));
  EXPECT_EQ(stream, "kept");
}

TEST(StreamWriter, NormalDictionaryWritesBothSections) {
  auto vocabulary = MakeDictionary(DictionaryKind::Normal);
  vocabulary->header.uid = 1234;
  vocabulary->header.secondUid = 7;
  VocabularyEntry& house = Create(*vocabulary, "house", word_class::kNoun, "talo");
  house.srcattr.Set(attr::kSubCat, 13);
  house.tgtattr.Set(attr::kTgtTr, 1);
  house.tgtattr.Set(attr::kTgtInfl, 2);
  VocabularyEntry& cards =
      Create(*vocabulary, "big house of cards", word_class::kNoun, "iso korttitalo");
  cards.srcattr.Set(attr::kNumber, 1);
  cards.tgtattr.Set(attr::kTgtAdjAttr, 1);
  EXPECT_EQ(StreamOf(*vocabulary),
            "%voc-2 1234 7 \x02\x05\x01\x01\x01\x02"
            "Sample\xF7\xFF"
            "1       "
            "house \x08\xC8\x2A\xCA\x0E\xD7\x03"
            "talo \xC8\x39\xCA\x02\xF7\x34\xCA\x03\xD7\xFF"
            "\0"
            "1       "
            "house \x01"
            "big \x02"
            "of cards \x03\xC8\x25\xCA\x09\xF7\x18\xCA\x02\xD7"
            "iso korttitalo \xC8\x3A\xCA\x02\xD7\xFF"
            "#EOF"s);
}

TEST(StreamWriter, RecordsOfEveryClass) {
  auto terms = MakeDictionary(DictionaryKind::Normal);
  auto phrases = MakeDictionary(DictionaryKind::Phrases);
  auto rules = MakeDictionary(DictionaryKind::ContextRules);
  auto disamb = MakeDictionary(DictionaryKind::Disambiguation);

  EXPECT_EQ(RecordOf(Create(*terms, "look after", word_class::kVerb, "huolehtia")),
            "look \x02"
            "after \x03\xC8\x25\xCA\x0E\xD7"
            "huolehtia \xFF");
  EXPECT_EQ(RecordOf(Create(*terms, "well known*", word_class::kVerb, "tunnettu")),
            "known \x01"
            "well \x03\xC8\x25\xCA\x0E\xD7"
            "tunnettu \xFF");
  VocabularyEntry& phrase = Create(*phrases, "good morning", 0, "hyv\xE4\xE4 huomenta");
  phrase.tgtattr.Set(attr::kTgtTr, 1);
  EXPECT_EQ(RecordOf(phrase),
            "good_morning \x03"
            "hyv\xE4\xE4 huomenta \xC8\x39\xCA\x02\xD7\xFF");

  // Range 250 is written as 100 and kept.
  UserLexicalRuleEntry& bank =
      CreateRule(*rules, "bank", rule_type::kContextWord, word_class::kNoun, "river, water", 250);
  bank.target = "ranta";
  EXPECT_EQ(RecordOf(bank),
            "bank \x9A\x01\x08\x66"
            "11 river,water 0 \x03"
            "ranta \xFF");
  EXPECT_EQ(bank.range, 100);

  UserLexicalRuleEntry& run =
      CreateRule(*rules, "run", rule_type::kVerbObject, word_class::kVerb, "company", -5);
  ParseContextTranslations(run, "yritys(EN;NormGrade)", ContextTextForm::Typed);
  run.target = "johtaa";
  EXPECT_EQ(RecordOf(run),
            "run \x96\x01\x0D\x01"
            "7 company 10 yritys(\x04\x02) \x03"
            "johtaa \xFF");
  EXPECT_EQ(run.range, -1);

  // Range 30 is the byte of a blank and range 48 the digit 2: the raw bytes are positional.
  UserLexicalRuleEntry& light =
      CreateRule(*rules, "light", rule_type::kNounAdjAttr, word_class::kNoun, "heavy", 30);
  light.target = "valo";
  EXPECT_EQ(RecordOf(light),
            "light \x98\x01\x08\x20"
            "5 heavy 0 \x03"
            "valo \xFF");
  UserLexicalRuleEntry& lookAfter =
      CreateRule(*rules, "look after", rule_type::kAdjNoun, word_class::kAdj, "house", 48);
  lookAfter.target = "katsoa";
  EXPECT_EQ(RecordOf(lookAfter),
            "look_after \x99\x01\x02\x32"
            "5 house 0 \x03"
            "katsoa \xFF");

  EXPECT_EQ(RecordOf(CreateRule(*disamb, "bank", rule_type::kNounLeftNoun, word_class::kNoun,
                                "river", -1)),
            "bank \xA7\x01\x08\x00"
            "5 river \xFF"s);
}

TEST(StreamWriter, CountsAreHexadecimalAndLeftAligned) {
  auto vocabulary = MakeDictionary(DictionaryKind::Phrases);
  for (int i = 0; i < 26; ++i) {
    ASSERT_TRUE(vocabulary->CreateEntry("p" + std::to_string(100 + i), 0, 0, false));
  }
  const std::string stream = StreamOf(*vocabulary);
  const std::size_t body = stream.find('\xFF') + 1;
  EXPECT_EQ(stream.substr(body, 8), "1a      ");
}

}  // namespace
}  // namespace vorla
