#include <gtest/gtest.h>

#include <vector>

#include "SampleDictionaries.h"
#include "dictionaries/RuleTypes.h"
#include "dictionaries/VocabularyCompEntry.h"
#include "dictionaries/VocabularyReader.h"

namespace vorla {
namespace {

using test::MakeDictionary;

std::vector<std::string> Sources(const Vocabulary& vocabulary) {
  std::vector<std::string> sources;
  for (int i = 0; i < vocabulary.count(); ++i)
    sources.push_back(vocabulary.At(i).source);
  return sources;
}

template <class View>
std::vector<std::string> Sources(const View& view) {
  std::vector<std::string> sources;
  for (const VocabularyEntry* entry : view)
    sources.push_back(entry->source);
  return sources;
}

// Both views hold exactly the entries of their class, in the order of the owning list
// (one-word) or by head (multi-word).
void ExpectViewsConsistent(const Vocabulary& vocabulary) {
  std::vector<const VocabularyEntry*> simple;
  std::vector<const VocabularyEntry*> comp;
  for (int i = 0; i < vocabulary.count(); ++i) {
    const VocabularyEntry& entry = vocabulary.At(i);
    (entry.entryclass == EntryClass::Term ? simple : comp).push_back(&entry);
  }
  EXPECT_TRUE(std::ranges::equal(vocabulary.SimpleTerms(), simple));
  EXPECT_TRUE(std::ranges::is_permutation(vocabulary.CompTerms(), comp));
  EXPECT_TRUE(std::ranges::is_sorted(vocabulary.CompTerms(), {}, [](const VocabularyEntry* e) {
    return std::string_view(static_cast<const VocabularyCompEntry*>(e)->head);
  }));
}

TEST(Vocabulary, ResetGivesANewEnglishFinnishUserDictionary) {
  Vocabulary vocabulary(4);
  vocabulary.header.vocsubtype = DictionaryKind::Phrases;
  vocabulary.header.name = "Old";
  ASSERT_TRUE(vocabulary.CreateEntry("x", 0, 0, false));
  vocabulary.Reset(7);
  EXPECT_EQ(vocabulary.header.pid, 7);
  EXPECT_EQ(vocabulary.header.version, 2);
  EXPECT_EQ(vocabulary.header.voctype, 1);
  EXPECT_EQ(vocabulary.header.vocsubtype, DictionaryKind::Normal);
  EXPECT_EQ(vocabulary.header.tgtlan, 1);
  EXPECT_EQ(vocabulary.header.name, "");
  EXPECT_EQ(vocabulary.count(), 0);
}

TEST(Vocabulary, KeepsEntriesSortedByUnsignedBytes) {
  auto vocabulary = MakeDictionary(DictionaryKind::Normal);
  for (const char* source : {"zebra", "\xC4iti", "apple", "Zulu", "apple pie", "\x8Akoda"}) {
    ASSERT_TRUE(vocabulary->CreateEntry(source, word_class::kNoun, 0, false)) << source;
  }
  EXPECT_EQ(Sources(*vocabulary), (std::vector<std::string>{"Zulu", "apple", "apple pie", "zebra",
                                                            "\x8Akoda", "\xC4iti"}));
  EXPECT_EQ(vocabulary->simplecount(), 5);
  EXPECT_EQ(vocabulary->compcount(), 1);
  ExpectViewsConsistent(*vocabulary);
}

TEST(Vocabulary, DuplicatesByKind) {
  auto terms = MakeDictionary(DictionaryKind::Normal);
  const CreatedEntry noun = terms->CreateEntry("bank", word_class::kNoun, 0, false);
  const CreatedEntry verb = terms->CreateEntry("bank", word_class::kVerb, 0, false);
  ASSERT_TRUE(noun && verb);
  EXPECT_EQ(verb.position, 1);  // equal sources keep their insertion order
  EXPECT_FALSE(terms->CreateEntry("bank", word_class::kNoun, 0, false));
  EXPECT_EQ(terms->count(), 2);

  auto phrases = MakeDictionary(DictionaryKind::Phrases);
  ASSERT_TRUE(phrases->CreateEntry("thank you", 0, 0, false));
  EXPECT_FALSE(phrases->CreateEntry("thank you", 0, 0, false));

  for (const auto& [kind, type] :
       {std::pair(DictionaryKind::ContextRules, rule_type::kContextWord),
        std::pair(DictionaryKind::Disambiguation, rule_type::kNounLeftNoun)}) {
    auto rules = MakeDictionary(kind);
    EXPECT_TRUE(rules->CreateEntry("bank", word_class::kNoun, type, false));
    EXPECT_TRUE(rules->CreateEntry("bank", word_class::kNoun, type, false));
    ASSERT_EQ(rules->count(), 2);
    EXPECT_EQ(rules->At(0).ruletype, type);
  }
}

TEST(Vocabulary, ReplaceTakesTheDuplicatesPlaceInListAndViews) {
  auto vocabulary = MakeDictionary(DictionaryKind::Normal);
  ASSERT_TRUE(vocabulary->CreateEntry("bank", word_class::kNoun, 0, false));
  ASSERT_TRUE(vocabulary->CreateEntry("bank", word_class::kVerb, 0, false));
  ASSERT_TRUE(vocabulary->CreateEntry("river bank", word_class::kNoun, 0, false));
  vocabulary->At(0).target = "pankki";

  const CreatedEntry replaced = vocabulary->CreateEntry("bank", word_class::kNoun, 0, true);
  ASSERT_TRUE(replaced);
  EXPECT_EQ(replaced.position, 0);
  EXPECT_EQ(vocabulary->At(0).target, "");
  EXPECT_EQ(vocabulary->At(1).scat, word_class::kVerb);
  EXPECT_EQ(vocabulary->SimpleTerms().front(), replaced.entry);
  const CreatedEntry comp = vocabulary->CreateEntry("river bank", word_class::kNoun, 0, true);
  EXPECT_EQ(vocabulary->CompTerms().front(), comp.entry);
  EXPECT_EQ(vocabulary->count(), 3);
  ExpectViewsConsistent(*vocabulary);
}

TEST(Vocabulary, MultiWordViewIsSortedByHead) {
  auto vocabulary = MakeDictionary(DictionaryKind::Normal);
  for (const char* source : {"big house of cards", "red car", "a house", "look after"}) {
    ASSERT_TRUE(vocabulary->CreateEntry(source, word_class::kNoun, 0, false));
  }
  EXPECT_EQ(Sources(vocabulary->CompTerms()),
            (std::vector<std::string>{"look after", "red car", "a house", "big house of cards"}));
  ExpectViewsConsistent(*vocabulary);
}

TEST(Vocabulary, CreateEntryRefusals) {
  auto vocabulary = MakeDictionary(DictionaryKind::Normal);
  // A one-word term of class 0 would write the byte that ends the one-word section.
  EXPECT_FALSE(vocabulary->CreateEntry("house", word_class::kNoSCat, 0, false));
  EXPECT_TRUE(vocabulary->CreateEntry("house of cards", word_class::kNoSCat, 0, false));
  EXPECT_FALSE(vocabulary->CreateEntry("house", word_class::kCount, 0, false));
  EXPECT_FALSE(vocabulary->CreateEntry("x " + std::string(100, 'h'), word_class::kNoun, 0, false));
  EXPECT_FALSE(vocabulary->CreateEntry(std::string(200, 'a'), word_class::kNoun, 0, false));
  EXPECT_EQ(vocabulary->count(), 1);
  ExpectViewsConsistent(*vocabulary);
}

TEST(Vocabulary, RulesTakeOnlyTheTypesTheirRecordsCarry) {
  struct Case {
    DictionaryKind kind;
    int ruleType;
    bool made;
  };
  const Case cases[] = {
      {DictionaryKind::ContextRules, rule_type::kNone, false},
      {DictionaryKind::ContextRules, rule_type::kVerbObject, true},
      {DictionaryKind::ContextRules, rule_type::kUnnamed155, true},
      {DictionaryKind::ContextRules, 156, false},
      {DictionaryKind::ContextRules, rule_type::kNounMatAttr, true},
      {DictionaryKind::ContextRules, 158, false},
      {DictionaryKind::ContextRules, rule_type::kNounLeftNoun, false},
      {DictionaryKind::Disambiguation, rule_type::kNone, false},
      {DictionaryKind::Disambiguation, 166, false},
      {DictionaryKind::Disambiguation, rule_type::kNounLeftNoun, true},
      {DictionaryKind::Disambiguation, rule_type::kVerbLeftNoun, true},
      {DictionaryKind::Disambiguation, 176, false},
      {DictionaryKind::Disambiguation, rule_type::kContextWord, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " type " << c.ruleType);
    auto vocabulary = MakeDictionary(c.kind);
    EXPECT_EQ(
        static_cast<bool>(vocabulary->CreateEntry("bank", word_class::kNoun, c.ruleType, false)),
        c.made);
    // Whatever was made can be loaded again.
    Vocabulary read;
    ASSERT_TRUE(ReadVocabulary(read, test::StreamOf(*vocabulary), test::kMaxSize));
    EXPECT_EQ(read.count(), c.made ? 1 : 0);
  }
}

TEST(Vocabulary, RemoveAtKeepsTheViews) {
  auto vocabulary = test::MakeSample(DictionaryKind::Normal);
  const int before = vocabulary->count();
  EXPECT_FALSE(vocabulary->RemoveAt(-1));
  EXPECT_FALSE(vocabulary->RemoveAt(before));
  const int comp = vocabulary->IndexOf(vocabulary->CompTerms().front());
  const int simple = vocabulary->IndexOf(vocabulary->SimpleTerms().back());
  ASSERT_TRUE(vocabulary->RemoveAt(comp));
  ASSERT_TRUE(vocabulary->RemoveAt(simple < comp ? simple : simple - 1));
  EXPECT_EQ(vocabulary->count(), before - 2);
  EXPECT_EQ(vocabulary->simplecount() + vocabulary->compcount(), before - 2);
  ExpectViewsConsistent(*vocabulary);
  vocabulary->DeleteAll();
  EXPECT_EQ(vocabulary->count(), 0);
  EXPECT_EQ(vocabulary->simplecount(), 0);
  EXPECT_EQ(vocabulary->header.name, "Sample");  // the header stays
}

TEST(Vocabulary, CreateUniqueEntryCountsUp) {
  auto vocabulary = MakeDictionary(DictionaryKind::Normal);
  ASSERT_TRUE(vocabulary->CreateEntry("new", word_class::kNoun, 0, false));
  ASSERT_TRUE(vocabulary->CreateEntry("new1", word_class::kNoun, 0, false));
  const CreatedEntry created = vocabulary->CreateUniqueEntry("new");
  ASSERT_TRUE(created);
  EXPECT_EQ(created.entry->source, "new2");
  EXPECT_EQ(created.entry->scat, word_class::kNoun);

  auto phrases = MakeDictionary(DictionaryKind::Phrases);
  for (int i = 0; i < 1000; ++i)
    ASSERT_TRUE(phrases->CreateUniqueEntry("p"));
  EXPECT_GE(phrases->IndexOfSource("p999", 0), 0);
  EXPECT_FALSE(phrases->CreateUniqueEntry("p"));
  EXPECT_FALSE(MakeDictionary(DictionaryKind::ContextRules)->CreateUniqueEntry("p"));
}

TEST(Vocabulary, LookupBySourceAndEntry) {
  auto vocabulary = MakeDictionary(DictionaryKind::Normal);
  ASSERT_TRUE(vocabulary->CreateEntry("bank", word_class::kNoun, 0, false));
  const CreatedEntry verb = vocabulary->CreateEntry("bank", word_class::kVerb, 0, false);
  EXPECT_EQ(vocabulary->IndexOfSource("bank", word_class::kVerb), 1);
  EXPECT_EQ(vocabulary->IndexOfSource("bank", word_class::kAdj), -1);
  EXPECT_EQ(vocabulary->IndexOfSource("Bank", word_class::kNoun), -1);
  EXPECT_EQ(vocabulary->IndexOf(verb.entry), 1);
  VocabularyEntry stranger;
  EXPECT_EQ(vocabulary->IndexOf(&stranger), -1);
}

class VocabularySearch : public testing::Test {
 protected:
  void SetUp() override {
    // Sorted: 0 apple, 1 banana, 2 cherry, 3 date, 4 elder, 5 fig, 6 grape, 7 \xC4iti
    const std::pair<const char*, const char*> words[] = {
        {"apple", "omena"}, {"banana", "banaani"}, {"cherry", "kirsikka"}, {"date", "taateli"},
        {"elder", "selja"}, {"fig", "viikuna"},    {"grape", "rypäle"},    {"\xC4iti", "mother"},
    };
    for (const auto& [source, target] : words) {
      const int wordClass =
          std::string_view(source) == "date" ? word_class::kVerb : word_class::kNoun;
      vocabulary_->CreateEntry(source, wordClass, 0, false).entry->target = target;
    }
  }
  std::optional<int> Find(std::string_view text, int start, bool wholeText = false,
                          int wordClass = 0) {
    record_ = {std::string(text), wordClass, start, wholeText, 0, -1};
    return vocabulary_->Search(record_);
  }

  std::unique_ptr<Vocabulary> vocabulary_ = MakeDictionary(DictionaryKind::Normal);
  SearchRecord record_;
};

TEST_F(VocabularySearch, WrapsAroundFromTheStartIndex) {
  EXPECT_EQ(Find("ch", 5), 2);  // 5, 6, 7, then 0, 1, 2
  EXPECT_EQ(record_.hit, 2);
  EXPECT_EQ(record_.pass, 0);
  EXPECT_EQ(Find("e", 0), 4);    // prefixes come first ...
  EXPECT_EQ(Find("err", 0), 2);  // ... then text anywhere
  EXPECT_EQ(record_.pass, 1);
  EXPECT_EQ(Find("apple", 42), 0);  // a start outside the list is 0
}

TEST_F(VocabularySearch, FoldsCaseInTheCodePageAndMatchesTargets) {
  EXPECT_EQ(Find("\xE4IT", 0), 7);  // ä matches Ä
  EXPECT_EQ(Find("KIRSIKKA", 0, true), 2);
  EXPECT_EQ(Find("kirsik", 0, true), std::nullopt);  // whole text only, no second pass
  EXPECT_EQ(Find("a", 0, false, word_class::kVerb), 3);
}

TEST_F(VocabularySearch, ReportsNotFoundApartFromAHit) {
  ASSERT_EQ(Find("fig", 0), 5);
  record_.text = "kiwi";
  EXPECT_EQ(vocabulary_->Search(record_), std::nullopt);
  EXPECT_EQ(record_.hit, 5);  // the last hit stays, but nothing is reported as found
}

}  // namespace
}  // namespace vorla
