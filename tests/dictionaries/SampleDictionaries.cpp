#include "SampleDictionaries.h"

#include <gtest/gtest.h>

#include <cstring>

#include "dictionaries/ContextWords.h"
#include "dictionaries/RuleTypes.h"
#include "dictionaries/VocabularyWriter.h"

namespace vorla::test {

namespace {

VocabularyEntry& Add(Vocabulary& vocabulary, std::string_view source, int wordClass,
                     std::string_view target, int ruleType = 0) {
  const CreatedEntry created = vocabulary.CreateEntry(source, wordClass, ruleType, false);
  EXPECT_TRUE(created) << source;
  created.entry->target = target;
  return *created.entry;
}

UserLexicalRuleEntry& AddRule(Vocabulary& vocabulary, std::string_view source, int ruleType,
                              int wordClass, std::string_view words, std::string_view translations,
                              int range) {
  auto& rule = static_cast<UserLexicalRuleEntry&>(
      Add(vocabulary, source, wordClass,
          vocabulary.header.vocsubtype == DictionaryKind::Disambiguation ? "" : "kohde", ruleType));
  ParseContextWords(rule, words);
  ParseContextTranslations(rule, translations, ContextTextForm::Typed);
  rule.range = range;
  return rule;
}

void FillTerms(Vocabulary& vocabulary) {
  VocabularyEntry& house = Add(vocabulary, "house", word_class::kNoun, "talo");
  house.srcattr.Set(attr::kSemAct, 0);
  house.tgtattr.Set(attr::kTgtTr, 1);
  house.tgtattr.Set(attr::kTgtInfl, 2);
  Add(vocabulary, "run", word_class::kVerb, "juosta").srcattr.Set(attr::kSubCat, 0);
  Add(vocabulary, "\xC4iti", word_class::kNoun, "mother");
  VocabularyEntry& cards =
      Add(vocabulary, "big house of cards", word_class::kNoun, "iso korttitalo");
  cards.srcattr.Set(attr::kNumber, 1);
  cards.tgtattr.Set(attr::kTgtAdjAttr, 1);
  Add(vocabulary, "look after", word_class::kVerb, "huolehtia");
  Add(vocabulary, "well known*", word_class::kVerb, "tunnettu");
  Add(vocabulary, "paper* clip holder", word_class::kNoun, "paperiliitinteline");
}

void FillPhrases(Vocabulary& vocabulary) {
  Add(vocabulary, "good morning", 0, "hyv\xE4\xE4 huomenta").tgtattr.Set(attr::kTgtTr, 1);
  Add(vocabulary, "thank you", 0, "kiitos");
}

void FillContextRules(Vocabulary& vocabulary) {
  AddRule(vocabulary, "bank", rule_type::kContextWord, word_class::kNoun, "river, water", "", 250);
  AddRule(vocabulary, "run", rule_type::kVerbObject, word_class::kVerb, "company",
          "yritys(EN;NormGrade)", -5)
      .tgtattr.Set(attr::kTgtGCase, 3);
  AddRule(vocabulary, "light", rule_type::kNounAdjAttr, word_class::kNoun, "heavy, dark blue",
          "raskas, , tumma(NoGrade)", 30);
  AddRule(vocabulary, "look after", rule_type::kAdjNoun, word_class::kAdj, "house", "", 48);
}

void FillDisambiguation(Vocabulary& vocabulary) {
  AddRule(vocabulary, "bank", rule_type::kNounLeftNoun, word_class::kNoun, "river", "", -1);
  AddRule(vocabulary, "run", rule_type::kVerbRightAdv, word_class::kVerb, "fast, away", "", 0);
}

}  // namespace

std::unique_ptr<Vocabulary> MakeDictionary(DictionaryKind kind, int srclan, int tgtlan) {
  auto vocabulary = std::make_unique<Vocabulary>(4);
  vocabulary->header.vocsubtype = kind;
  vocabulary->header.srclan = srclan;
  vocabulary->header.tgtlan = tgtlan;
  vocabulary->header.name = "Sample";
  return vocabulary;
}

std::unique_ptr<Vocabulary> MakeSample(DictionaryKind kind) {
  auto vocabulary = MakeDictionary(kind);
  vocabulary->header.uid = 1234;
  vocabulary->header.secondUid = 56;
  vocabulary->header.description = "Words of the sample";
  switch (kind) {
    case DictionaryKind::Normal:
      FillTerms(*vocabulary);
      break;
    case DictionaryKind::Phrases:
      FillPhrases(*vocabulary);
      break;
    case DictionaryKind::ContextRules:
      FillContextRules(*vocabulary);
      break;
    case DictionaryKind::Disambiguation:
      FillDisambiguation(*vocabulary);
      break;
  }
  return vocabulary;
}

std::string StreamOf(Vocabulary& vocabulary) {
  std::string stream;
  EXPECT_TRUE(WriteVocabulary(vocabulary, stream));
  return stream;
}

ExactBytes::ExactBytes(std::string_view bytes)
    : data_(std::make_unique<char[]>(bytes.size())), size_(bytes.size()) {
  if (size_ > 0) std::memcpy(data_.get(), bytes.data(), size_);
}

}  // namespace vorla::test
