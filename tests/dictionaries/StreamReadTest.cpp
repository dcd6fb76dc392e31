#include <gtest/gtest.h>

#include <cstdio>

#include "SampleDictionaries.h"
#include "dictionaries/DictionaryName.h"
#include "dictionaries/UserLexicalRuleEntry.h"
#include "dictionaries/VocabularyCompEntry.h"
#include "dictionaries/VocabularyReader.h"
#include "dictionaries/VocabularyStreamCheck.h"
#include "dictionaries/VocabularyWriter.h"

namespace vorla {
namespace {

using namespace std::string_literals;
using test::ExactBytes;
using test::kMaxSize;
using test::MakeSample;
using test::StreamOf;

constexpr DictionaryKind kAllKinds[] = {DictionaryKind::Normal, DictionaryKind::Phrases,
                                        DictionaryKind::ContextRules,
                                        DictionaryKind::Disambiguation};

bool Read(Vocabulary& vocabulary, std::string_view stream, std::size_t maxSize = kMaxSize) {
  return ReadVocabulary(vocabulary, ExactBytes(stream).view(), maxSize);
}

// A stream header of version 2 with the kind byte (kind + 1) and the name.
std::string Header(char kindByte = '\x01', std::string_view name = "Name") {
  return "%voc-2 0 0 \x02\x05\x01"s + kindByte + "\x01\x02" + std::string(name) + "\xF7" +
         "Desc\xFF";
}

std::string Count(std::size_t count) {
  char field[16];
  std::snprintf(field, sizeof field, "%-8zx", count);
  return field;
}

const std::string kEmptyNormalBody = Count(0) + '\0' + Count(0) + "#EOF";
const std::string kPhraseRecord = "a_b \x03x \xFF";

void ExpectSameEntry(const VocabularyEntry& a, const VocabularyEntry& b) {
  SCOPED_TRACE(a.source);
  EXPECT_EQ(a.entryclass, b.entryclass);
  EXPECT_EQ(a.source, b.source);
  EXPECT_EQ(a.target, b.target);
  EXPECT_EQ(a.scat, b.scat);
  EXPECT_EQ(a.ruletype, b.ruletype);
  EXPECT_EQ(a.srcattr, b.srcattr);
  EXPECT_EQ(a.tgtattr, b.tgtattr);
  if (a.entryclass == EntryClass::CompTerm) {
    const auto& x = static_cast<const VocabularyCompEntry&>(a);
    const auto& y = static_cast<const VocabularyCompEntry&>(b);
    EXPECT_EQ(x.head, y.head);
    EXPECT_EQ(x.modifier, y.modifier);
    EXPECT_EQ(x.complement, y.complement);
  }
  if (a.entryclass == EntryClass::LexicalRule || a.entryclass == EntryClass::DisambRule) {
    const auto& x = static_cast<const UserLexicalRuleEntry&>(a);
    const auto& y = static_cast<const UserLexicalRuleEntry&>(b);
    EXPECT_EQ(x.option, y.option);
    EXPECT_EQ(x.range, y.range);
    EXPECT_EQ(x.contextwords, y.contextwords);
    EXPECT_EQ(x.contextwordstr, y.contextwordstr);
  }
}

class StreamRoundTrip : public testing::TestWithParam<DictionaryKind> {};

TEST_P(StreamRoundTrip, ReadsBackTheSameDictionary) {
  auto original = MakeSample(GetParam());
  const std::string stream = StreamOf(*original);
  Vocabulary read(9);
  ASSERT_TRUE(Read(read, stream));
  EXPECT_EQ(read.header.uid, 1234);
  EXPECT_EQ(read.header.secondUid, 56);
  EXPECT_EQ(read.header.pid, 4);
  EXPECT_EQ(read.header.vocsubtype, GetParam());
  EXPECT_EQ(read.header.name, "Sample");
  EXPECT_EQ(read.header.firstName, "Sample");
  EXPECT_EQ(read.header.nameCopy, "Sample");
  EXPECT_EQ(read.header.description, "Words of the sample");
  ASSERT_EQ(read.count(), original->count());
  for (int i = 0; i < read.count(); ++i)
    ExpectSameEntry(original->At(i), read.At(i));
  EXPECT_EQ(read.simplecount(), original->simplecount());
  EXPECT_EQ(read.compcount(), original->compcount());
  EXPECT_EQ(StreamOf(read), stream);
  EXPECT_TRUE(VerifyVocabularyStream(stream, kMaxSize));
}

// Every prefix that cuts the header, a count or a record fails and leaves no entries; only
// "#EOF" may be missing.
TEST_P(StreamRoundTrip, EveryTruncationFailsCleanly) {
  auto original = MakeSample(GetParam());
  const std::string stream = StreamOf(*original);
  for (std::size_t length = 0; length < stream.size(); ++length) {
    Vocabulary read;
    const bool ok = Read(read, stream.substr(0, length));
    EXPECT_EQ(ok, length >= stream.size() - 4) << length;
    if (!ok) {
      EXPECT_EQ(read.count(), 0) << length;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, StreamRoundTrip, testing::ValuesIn(kAllKinds));

TEST(StreamReader, RejectsMalformedStreams) {
  const auto attributes = [](int count) {
    std::string list = "\xC8";
    for (int code = 1; code <= count; ++code) {
      if (code > 1) list += "\xF7";
      list += static_cast<char>(code);
      list += "\xCA\x01";
    }
    return list + "\xD7";
  };
  struct Case {
    const char* what;
    std::string stream;
    std::size_t maxSize = kMaxSize;
  };
  const Case cases[] = {
      {"8-digit count", Header() + "12345678" + '\0' + Count(0) + "#EOF"},
      {"-1 as count", Header() + "-1      " + '\0' + Count(0) + "#EOF"},
      {"0x1a as count", Header() + "0x1a    " + '\0' + Count(0) + "#EOF"},
      {"blank count", Header() + "        " + '\0' + Count(0) + "#EOF"},
      {"count beyond max_size", Header('\x02') + Count(2) + kPhraseRecord + kPhraseRecord + "#EOF",
       1},
      {"count beyond the bytes", Header('\x02') + Count(3) + kPhraseRecord + kPhraseRecord},
      {"one-word count into the second section", Header() + "0  " + '\0' + Count(0) + "#EOF"},
      {"version 1", "%voc-1 \x02\x05\x01\x01\x01\x02Name\xF7\xFF" + kEmptyNormalBody},
      {"version tag too long",
       "%voc-123 0 0 \x02\x05\x01\x01\x01\x02Name\xF7\xFF" + kEmptyNormalBody},
      {"no version digit", "%voc-x 0 0 \x02\x05\x01\x01\x01\x02Name\xF7\xFF" + kEmptyNormalBody},
      {"uid of 16 digits",
       "%voc-2 1234567890123456 0 \x02\x05\x01\x01\x01\x02Name\xF7\xFF" + kEmptyNormalBody},
      {"no %", "Name\xF7\xFF" + kEmptyNormalBody},
      {"128-byte name", Header('\x01', std::string(128, 'n')) + kEmptyNormalBody},
      {"empty name", Header('\x01', "") + kEmptyNormalBody},
      {"name starting with %", Header('\x01', "%Name") + kEmptyNormalBody},
      {"name with a slash", Header('\x01', "a/b") + kEmptyNormalBody},
      {"512-byte description", "%voc-2 0 0 \x02\x05\x01\x01\x01\x02Name\xF7" +
                                   std::string(512, 'd') + "\xFF" + kEmptyNormalBody},
      {"kind byte 5", Header('\x05') + kEmptyNormalBody},
      {"kind byte 0", Header('\x00') + kEmptyNormalBody},
      {"voctype byte 11", "%voc-2 0 0 \x0B\x05\x01\x01\x01\x02Name\xF7\xFF" + kEmptyNormalBody},
      {"pid byte 102", "%voc-2 0 0 \x02\x66\x01\x01\x01\x02Name\xF7\xFF" + kEmptyNormalBody},
      {"nothing after the header", Header()},
      {"no section mark", Header() + Count(0) + Count(0) + "#EOF"},
      {"11 attributes",
       Header() + Count(1) + "w \x08" + attributes(11) + "\x03x \xFF" + '\0' + Count(0) + "#EOF"},
      {"multi-word list without SCat first",
       Header() + Count(0) + '\0' + Count(1) + "w \x03\xC8\x2A\xCA\x01\xD7x \xFF#EOF"},
      {"rule type 156", Header('\x03') + Count(1) +
                            "bank \x9C\x01\x08\x02"
                            "0 0 \x03x \xFF#EOF"},
      {"disambiguation type 166", Header('\x04') + Count(1) +
                                      "bank \xA6\x01\x08\x01"
                                      "0 \xFF#EOF"},
      {"context-word length mismatch", Header('\x03') + Count(1) +
                                           "bank \x9A\x01\x08\x02"
                                           "6 river 0 \x03x \xFF#EOF"},
      {"context-word length 400", Header('\x03') + Count(1) +
                                      "bank \x9A\x01\x08\x02"
                                      "400 " +
                                      std::string(400, 'w') + " 0 \x03x \xFF#EOF"},
      {"missing final 0xFF", Header('\x02') + Count(1) + "a_b \x03x #EOF"},
      {"source of 200 bytes",
       Header() + Count(1) + std::string(200, 's') + " \x08\x03x \xFF" + '\0' + Count(0) + "#EOF"},
      {"target words joined over 199 bytes",
       Header() + Count(1) + "w \x08\x03" + std::string(100, 'a') + " " + std::string(99, 'b') +
           " \xFF" + '\0' + Count(0) + "#EOF"},
      {"source only a star", Header() + Count(1) + "* \x08\x03x \xFF" + '\0' + Count(0) + "#EOF"},
  };
  for (const Case& c : cases) {
    Vocabulary read;
    EXPECT_FALSE(Read(read, c.stream, c.maxSize)) << c.what;
    EXPECT_EQ(read.count(), 0) << c.what;
  }
  // The same streams made valid read.
  Vocabulary read;
  EXPECT_TRUE(Read(read, Header() + kEmptyNormalBody));
  EXPECT_TRUE(Read(read, Header('\x02') + Count(2) + kPhraseRecord + kPhraseRecord, 2));
  EXPECT_TRUE(
      Read(read, Header() + Count(1) + "w \x08" + attributes(10) + "\x03x \xFF" + '\0' + Count(0)));
  EXPECT_TRUE(Read(read, Header('\x03') + Count(1) +
                             "bank \x9D\x01\x08\x02"
                             "5 river 0 \x03x \xFF"));
  EXPECT_TRUE(Read(read, Header() + Count(1) + "w \x08\x03" + std::string(100, 'a') + " " +
                             std::string(98, 'b') + " \xFF" + '\0' + Count(0) + "#EOF"));
}

TEST(StreamReader, AcceptsWhatTheFormatAllows) {
  Vocabulary read;
  // Both languages 0 load as English to Finnish; the second blank may have blanks around.
  ASSERT_TRUE(Read(
      read, "%voc-2 0 0 \x02\x05\x01\x02\x01\x01Name\xF7\xFF" + Count(1) + "a_b \x03x  y \xFF"));
  EXPECT_EQ(read.header.srclan, 0);
  EXPECT_EQ(read.header.tgtlan, 1);
  EXPECT_EQ(read.At(0).source, "a b");
  EXPECT_EQ(read.At(0).target, "x y");

  // "1a" announces 26 records.
  std::string records;
  for (int i = 0; i < 26; ++i)
    records += "p" + std::to_string(i) + " \x03x \xFF";
  ASSERT_TRUE(Read(read, Header('\x02') + "1a      " + records + "#EOF"));
  EXPECT_EQ(read.count(), 26);

  // Modifier and complement of several words, and a 199-byte term with a preposition in its
  // modifier, which comes back as a 200-byte source.
  const std::string modifier = "of " + std::string(96, 'm');
  ASSERT_TRUE(Read(read, Header() + Count(0) + '\0' + Count(2) +
                             "house \x01"
                             "big red \x02"
                             "of  cards \x03\xC8\x25\xCA\x09\xD7x \xFF" +
                             std::string(99, 'h') + " \x01" + modifier +
                             " \x03\xC8\x25\xCA\x09\xD7x \xFF"));
  const auto& cards = static_cast<const VocabularyCompEntry&>(*read.CompTerms()[0]);
  EXPECT_EQ(cards.modifier, "big red");
  EXPECT_EQ(cards.complement, "of cards");
  EXPECT_EQ(cards.source, "big red house of cards");
  EXPECT_EQ(read.CompTerms()[1]->source, modifier + " " + std::string(99, 'h') + "*");
  EXPECT_EQ(read.CompTerms()[1]->source.size(), 200u);
}

TEST(StreamReader, DropsDuplicateMultiWordTermsFromListAndViews) {
  const std::string term = "house \x02of cards \x03\xC8\x25\xCA\x09\xD7x \xFF";
  const std::string verb = "house \x02of cards \x03\xC8\x25\xCA\x0E\xD7y \xFF";
  Vocabulary read;
  ASSERT_TRUE(Read(read, Header() + Count(1) + "house \x08\x03x \xFF" + '\0' + Count(3) + term +
                             verb + term + "#EOF"));
  EXPECT_EQ(read.count(), 3);
  EXPECT_EQ(read.compcount(), 2);
  EXPECT_EQ(read.At(1).scat, word_class::kNoun);
  EXPECT_EQ(read.At(2).scat, word_class::kVerb);
  for (const VocabularyEntry* entry : read.CompTerms())
    EXPECT_GE(read.IndexOf(entry), 0);
}

TEST(StreamReader, FailedReadLeavesNoEntriesAndTheHeader) {
  auto vocabulary = MakeSample(DictionaryKind::Phrases);
  ASSERT_GT(vocabulary->count(), 0);
  EXPECT_FALSE(Read(*vocabulary, Header('\x02', "Other") + Count(2) + kPhraseRecord));
  EXPECT_EQ(vocabulary->count(), 0);
  EXPECT_EQ(vocabulary->header.name, "Sample");
  EXPECT_EQ(vocabulary->header.uid, 1234);
}

TEST(StreamReader, RenamesOnlyWhenTheNameDiffers) {
  Vocabulary vocabulary;
  vocabulary.header.name = "Old";
  vocabulary.header.firstName = "First";
  vocabulary.header.nameCopy = "Old";
  ASSERT_TRUE(Read(vocabulary, Header('\x01', "New") + kEmptyNormalBody));
  EXPECT_EQ(vocabulary.header.name, "New");
  EXPECT_EQ(vocabulary.header.nameCopy, "New");
  EXPECT_EQ(vocabulary.header.firstName, "First");
}

// Every dictionary the client may save (up to max_size entries) loads again.
TEST(StreamReader, SectionCountsUpToMaxSize) {
  auto vocabulary = test::MakeDictionary(DictionaryKind::Phrases);
  for (int i = 0; i < 50'001; ++i) {
    ASSERT_TRUE(vocabulary->CreateEntry("p" + std::to_string(100'000 + i), 0, 0, false));
  }
  const std::string stream = StreamOf(*vocabulary);
  Vocabulary read;
  EXPECT_TRUE(Read(read, stream, 50'001));
  EXPECT_EQ(read.count(), 50'001);
  EXPECT_FALSE(Read(read, stream, 50'000));
}

TEST(DictionaryName, ValidNames) {
  const std::pair<std::string, bool> cases[] = {
      {"My Terms (2) #1 $%&'-@[]_{}", true},
      {" \t\xA0Trimmed\r\n", true},
      {"\x8A\x8E\x9A\x9E\xA3\xC0\xD6\xD8\xF6\xF8\xFE", true},
      {std::string(127, 'n'), true},
      {std::string(128, 'n'), false},
      {" %lead", false},
      {"", false},
      {" \xA0 ", false},
      {"a/b", false},
      {"x\xF7", false},  // ends the name in the stream
      {"x\xFF", false},  // ends the description
      {"x\xD7", false},
      {"x\x80", false},
      {"a\tb", false},
  };
  for (const auto& [name, valid] : cases)
    EXPECT_EQ(IsValidDictionaryName(name), valid) << name;
  EXPECT_EQ(TrimDictionaryName(" \t\xA0Trimmed\r\n"), "Trimmed");
}

TEST(StreamCheck, CatchesDictionariesThatWouldNotReadBack) {
  auto zeroClass = MakeSample(DictionaryKind::Normal);
  zeroClass->At(1).scat = word_class::kNoSCat;  // its raw byte would end the one-word section
  auto badDescription = MakeSample(DictionaryKind::Phrases);
  badDescription->header.description = "ends \xFF here";
  auto longTarget = MakeSample(DictionaryKind::ContextRules);
  longTarget->At(0).target = std::string(200, 't');
  for (Vocabulary* vocabulary : {zeroClass.get(), badDescription.get(), longTarget.get()}) {
    EXPECT_FALSE(VerifyVocabularyStream(StreamOf(*vocabulary), kMaxSize));
  }
  EXPECT_TRUE(VerifyVocabularyStream(StreamOf(*MakeSample(DictionaryKind::Normal)), kMaxSize));
}

}  // namespace
}  // namespace vorla
