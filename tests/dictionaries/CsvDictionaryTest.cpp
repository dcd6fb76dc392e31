#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>

#include "SampleDictionaries.h"
#include "common/Cp1252Import.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/RuleTypes.h"
#include "dictionaries/UserLexicalRuleEntry.h"
#include "dictionaries/exchange/CsvDictionaryReader.h"
#include "dictionaries/exchange/CsvDictionaryWriter.h"
#include "dictionaries/exchange/CsvFileText.h"
#include "dictionaries/exchange/CsvSeparator.h"
#include "dictionaries/exchange/ExchangeErrors.h"
#include "dictionaries/exchange/ImportNotes.h"
#include "dictionaries/exchange/XlsxDictionary.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

namespace fs = std::filesystem;
using test::MakeDictionary;
using test::MakeSample;

constexpr int kSkip = csv_read::kSkipInvalidRows;

std::string CsvOf(const Vocabulary& vocabulary, UiLanguage language = UiLanguage::English) {
  std::string out;
  WriteCsvDictionary(vocabulary, out, language);
  return out;
}

struct Import {
  int result = 0;
  std::uint32_t notes = 0;
};

Import Read(Vocabulary& vocabulary, std::string_view text, int flags = 0, char separator = 0,
            std::size_t maxEntries = test::kMaxSize) {
  Import import;
  import.result = ReadCsvDictionary(vocabulary, text, flags, separator, import.notes, maxEntries);
  return import;
}

VocabularyEntry& Add(Vocabulary& vocabulary, std::string_view source, int wordClass,
                     std::string_view target) {
  VocabularyEntry& entry = *vocabulary.CreateEntry(source, wordClass, 0, false).entry;
  entry.target = target;
  return entry;
}

TEST(WriteCsvDictionary, WritesTheOptionalColumnsOnlyWhenAnEntryNeedsThem) {
  auto nouns = MakeDictionary(DictionaryKind::Normal);
  Add(*nouns, "house", word_class::kNoun, "talo");
  Add(*nouns, "car", word_class::kNoun, "auto").tgtattr.Set(attr::kTgtGrade, 2);
  EXPECT_EQ(CsvOf(*nouns),
            "[Term];[Translation];[Word Class];[Inflection];[Gradation]\r\n"
            "car;auto;Noun;;No gradation\r\n"
            "house;talo;Noun;;\r\n");

  Add(*nouns, "Anna", word_class::kProp, "Anna").srcattr.Set(attr::kSemAct, 1);
  Add(*nouns, "go", word_class::kVerb, "menn\xE4").srcattr.Set(attr::kSubCat, 0);
  EXPECT_EQ(CsvOf(*nouns, UiLanguage::Finnish),
            "[Termi];[K\xE4\xE4nn\xF6s];[Sanaluokka];[Alikategoria];[Semanttinen toimija];"
            "[Taivutus];[Astevaihtelu]\r\n"
            "Anna;Anna;Erisnimi;;Ihminen;;\r\n"
            "car;auto;Substantiivi;;;;Ei astevaihtelua\r\n"
            "go;menn\xE4;Verbi;Intransitiivinen;;;\r\n"
            "house;talo;Substantiivi;;;;\r\n");

  auto finnish = MakeDictionary(DictionaryKind::Normal, language::kFinnish, language::kEnglish);
  Add(*finnish, "talo", word_class::kNoun, "house").srcattr.Set(attr::kSemAct, 0);
  EXPECT_EQ(CsvOf(*finnish, UiLanguage::Finnish),
            "[Termi];[K\xE4\xE4nn\xF6s];[Sanaluokka]\r\ntalo;house;Substantiivi\r\n");
}

TEST(WriteCsvDictionary, QuotesEntryTextsHoldingTheSeparatorOrAQuote) {
  auto phrases = MakeDictionary(DictionaryKind::Phrases);
  Add(*phrases, "a;b", 0, "say \"hi\"");
  const std::string csv = CsvOf(*phrases);
  EXPECT_EQ(csv, "[Phrase];[Translation]\r\n\"a;b\";\"say \"\"hi\"\"\"\r\n");

  auto back = MakeDictionary(DictionaryKind::Normal);
  ASSERT_EQ(Read(*back, csv).result, 0);
  EXPECT_EQ(back->header.vocsubtype, DictionaryKind::Phrases);
  ASSERT_EQ(back->count(), 1);
  EXPECT_EQ(back->At(0).source, "a;b");
  EXPECT_EQ(back->At(0).target, "say \"hi\"");
}

// Every kind in both header languages, as CSV and as a workbook: what is read back writes
// the same table again.
TEST(CsvDictionary, RoundTripsEveryKindInBothHeaderLanguages) {
  for (const DictionaryKind kind : {DictionaryKind::Normal, DictionaryKind::Phrases,
                                    DictionaryKind::ContextRules, DictionaryKind::Disambiguation}) {
    for (const UiLanguage language : {UiLanguage::English, UiLanguage::Finnish}) {
      SCOPED_TRACE(static_cast<int>(kind) * 10 + static_cast<int>(language));
      auto sample = MakeSample(kind);
      if (kind == DictionaryKind::ContextRules) {
        for (int i = 0; i < sample->count(); ++i) {
          auto& rule = static_cast<UserLexicalRuleEntry&>(sample->At(i));
          rule.range = UserLexicalRuleEntry::LimitRange(rule.range);
        }
      }
      const std::string csv = CsvOf(*sample, language);
      auto back = MakeDictionary(DictionaryKind::Normal);
      const Import import = Read(*back, csv);
      ASSERT_EQ(import.result, 0);
      EXPECT_EQ(import.notes, 0u);
      EXPECT_EQ(back->header.vocsubtype, kind);
      EXPECT_EQ(back->count(), sample->count());
      EXPECT_EQ(CsvOf(*back, language), csv);
      // The other header language reads the same.
      auto other = MakeDictionary(DictionaryKind::Normal);
      ASSERT_EQ(Read(*other, CsvOf(*sample, language == UiLanguage::English ? UiLanguage::Finnish
                                                                            : UiLanguage::English))
                    .result,
                0);
      EXPECT_EQ(CsvOf(*other, language), csv);

      std::string workbook;
      ASSERT_EQ(WriteXlsxDictionary(*sample, workbook, language, {test::CurrentHome()}), 0);
      const fs::path path = test::CurrentHome() / "dictionary.xlsx";
      std::ofstream(path, std::ios::binary)
          .write(workbook.data(), static_cast<std::streamsize>(workbook.size()));
      auto fromWorkbook = MakeDictionary(DictionaryKind::Normal);
      std::uint32_t notes = 0;
      ASSERT_EQ(ReadXlsxDictionary(*fromWorkbook, path, 0, notes, test::kMaxSize, 32'000'000), 0);
      EXPECT_EQ(notes, 0u);
      EXPECT_EQ(CsvOf(*fromWorkbook, language), csv);
    }
  }
}

TEST(CsvDictionary, ReadsBackTheAttributesItWrites) {
  auto sample = MakeSample(DictionaryKind::ContextRules);
  auto back = MakeDictionary(DictionaryKind::Normal);
  ASSERT_EQ(Read(*back, CsvOf(*sample)).result, 0);
  for (int i = 0; i < back->count(); ++i) {
    const auto& rule = static_cast<const UserLexicalRuleEntry&>(back->At(i));
    const auto& original = static_cast<const UserLexicalRuleEntry&>(sample->At(i));
    EXPECT_EQ(rule.source, original.source);
    EXPECT_EQ(rule.ruletype, original.ruletype);
    EXPECT_EQ(rule.scat, original.scat);
    EXPECT_EQ(rule.contextwords, original.contextwords);
    EXPECT_EQ(rule.contextwordstr, original.contextwordstr);
    EXPECT_EQ(rule.tgtattr.Get(attr::kTgtGCase), original.tgtattr.Get(attr::kTgtGCase));
    if (rule.ruletype == rule_type::kContextWord) {
      EXPECT_EQ(rule.range, 100);  // 250 limited
    }
  }

  auto terms = MakeSample(DictionaryKind::Normal);
  auto termsBack = MakeDictionary(DictionaryKind::Normal);
  ASSERT_EQ(Read(*termsBack, CsvOf(*terms)).result, 0);
  const int run = termsBack->IndexOfSource("run", word_class::kVerb);
  ASSERT_GE(run, 0);
  EXPECT_EQ(termsBack->At(run).srcattr.Get(attr::kSubCat), 0);
  const int cards = termsBack->IndexOfSource("big house of cards", word_class::kNoun);
  ASSERT_GE(cards, 0);
  EXPECT_EQ(termsBack->At(cards).target, "iso korttitalo");
  EXPECT_EQ(termsBack->At(cards).tgtattr.Get(attr::kTgtAdjAttr), 1);
  EXPECT_EQ(termsBack->At(cards).tgtattr.Get(attr::kTgtTr), 1);
}

TEST(DetectCsvSeparator, FindsTheSeparatorOfTheFirstDecidingLine) {
  const std::tuple<std::string_view, char> cases[] = {
      {"", ';'},
      {"a,b,c\r\n", ','},
      {"a\tb\n", '\t'},
      {"a,b", ';'},                    // no line end: nothing decided
      {"a;b,c\nd,e\n", ','},           // a mixed line is passed over
      {"\"x;y\",z;w\nq\n", ','},       // the character after a closing quote decides
      {"\"a,b\"\tc\n", '\t'},          // the quoted comma is not counted
      {"a\"b\n\"c;d\",e,f\n", ';'},    // a quote inside a line keeps later ones from opening
      {"\"a,\"\"b\"\",c\";d\n", ';'},  // doubled quotes do not close the section
  };
  for (const auto& [text, separator] : cases) {
    EXPECT_EQ(DetectCsvSeparator(text), separator) << text;
  }
}

TEST(ReadCsvDictionary, ReadsATableWithoutHeaderAsNouns) {
  auto vocabulary = MakeDictionary(DictionaryKind::Phrases);
  ASSERT_EQ(Read(*vocabulary, "house;talo\r\ncar;auto\nab\nno separator here\n").result, 0);
  ASSERT_EQ(vocabulary->count(), 2);
  EXPECT_EQ(vocabulary->header.vocsubtype, DictionaryKind::Normal);
  EXPECT_EQ(vocabulary->At(0).source, "car");
  EXPECT_EQ(vocabulary->At(0).scat, word_class::kNoun);
  EXPECT_EQ(vocabulary->At(1).target, "talo");
}

// A quoted first cell may hold the separator, and a header is found after a byte-order mark
// and white space.
TEST(ReadCsvDictionary, ReadsQuotedCellsAndAMarkedUtf8File) {
  auto commas = MakeDictionary(DictionaryKind::Normal);
  ASSERT_EQ(Read(*commas,
                 "[Phrase],[Translation]\n"
                 "\"red, green, blue\",\"punainen, vihre\xE4\"\n")
                .result,
            0);
  ASSERT_EQ(commas->count(), 1);
  EXPECT_EQ(commas->At(0).source, "red, green, blue");
  EXPECT_EQ(commas->At(0).target, "punainen, vihre\xE4");

  const std::string text = CsvTextOfFileBytes(
      "\xEF\xBB\xBF \r\n[Termi];[K\xC3\xA4\xC3\xA4nn\xC3\xB6s]\r\n"
      "\xC3\xA4iti\xE2\x80\x99s;mother\xE2\x80\x99s\r\n");
  auto marked = MakeDictionary(DictionaryKind::Normal);
  ASSERT_EQ(Read(*marked, text).result, 0);
  ASSERT_EQ(marked->count(), 1);
  EXPECT_EQ(marked->At(0).source, "\xE4iti's");  // a source's apostrophe is normalised
  EXPECT_EQ(marked->At(0).target, "mother\x92s");
}

TEST(CsvTextOfFileBytes, ConvertsByTheMarkOrTheLookOfTheBytes) {
  const std::tuple<std::string, std::string> cases[] = {
      {"\xEF\xBB\xBF"
       "a\xC3\xA4",
       "a\xE4"},
      {std::string("\xFF\xFE"
                   "a\0\xE4\0\x14\x20",
                   8),
       "a\xE4\x97"},
      {std::string("\xFE\xFF\0a\x20\xAC", 6), "a\x80"},
      {"\xC3\xA4iti", "\xE4iti"},      // UTF-8 without a mark
      {"\xE4iti\x96", "\xE4iti\x96"},  // Windows-1252
  };
  for (const auto& [bytes, text] : cases)
    EXPECT_EQ(CsvTextOfFileBytes(bytes), text) << bytes;
}

TEST(ImportedTextToCp1252, ApproximatesWhatWindows1252Lacks) {
  const std::tuple<std::string_view, ImportedTextRole, std::string_view> cases[] = {
      {"a\xE2\x80\x8B"
       "b\xEF\xBB\xBF",
       ImportedTextRole::Other, "ab"},  // zero-width dropped
      {"x\xE2\x80\x91y", ImportedTextRole::Source, "x-y"},
      {"x\xE2\x80\x91y", ImportedTextRole::Other, "x&#8209;y"},
      {"\xC5\x82\xC5\x91\xE2\x80\x9C\xE2\x82\xAC\xE2\x84\xA2", ImportedTextRole::Other,
       "l\xF6\x93\x80\x99"},
      {"\xE2\x80\x83\xE4\xB8\xAD\xC2\x85", ImportedTextRole::Other, " \x20\x85"},  // U+0085 kept
      {"\xC5\x93\xC5\xA0", ImportedTextRole::Other, "\x9C\x8A"},
  };
  for (const auto& [utf8, role, bytes] : cases) {
    EXPECT_EQ(ImportedTextToCp1252(utf8, role), bytes) << utf8;
  }
}

TEST(ReadCsvDictionary, ChecksWordClassesAndTheImportMark) {
  auto vocabulary = MakeDictionary(DictionaryKind::Normal);
  const Import import = Read(*vocabulary,
                             "[Term];[Translation];[word class];[IMPORT];[Frequency]\n"
                             "he;h\xE4n;Pron;yes;3\n"
                             "cat;kissa;;X;1\n"
                             "dog;koira;Noun;no;2\n"
                             "run;juosta;verbi;Kyll\xC4;1\n",
                             kSkip);
  ASSERT_EQ(import.result, 0);
  EXPECT_EQ(import.notes, import_note::kWordClass);
  ASSERT_EQ(vocabulary->count(), 2);
  EXPECT_EQ(vocabulary->At(0).source, "cat");
  EXPECT_EQ(vocabulary->At(0).scat, word_class::kNoun);
  EXPECT_EQ(vocabulary->At(1).scat, word_class::kVerb);
  EXPECT_EQ(vocabulary->At(1).srcattr.Get(attr::kSubCat), 1);  // no subcategory column

  // Finnish source takes nouns only.
  auto finnish = MakeDictionary(DictionaryKind::Normal, language::kFinnish, language::kEnglish);
  const Import fromFinnish =
      Read(*finnish, "[Termi];[K\xE4\xE4nn\xF6s];[Sanaluokka]\ntalo;house;\njuosta;run;Verbi\n");
  EXPECT_EQ(fromFinnish.notes, import_note::kWordClass);
  EXPECT_EQ(finnish->count(), 1);
  EXPECT_EQ(Read(*finnish, "[Source Word];[Translation];[Type];[Context Words]\n").result,
            exchange_error::kInvalid);
}

TEST(ReadCsvDictionary, ReadsRulesWithTheirTypeAndRange) {
  const std::string header =
      "[Source Word];[Translation];[Tyyppi];[Kontekstisanat];[Range];[Word Class]\n";
  auto rules = MakeDictionary(DictionaryKind::Normal);
  ASSERT_EQ(Read(*rules, header + "bank;ranta;Kontekstisana;river;250;Noun\n"
                                  "bank;pankki;ContextWord;money;;Verb\n"
                                  "light;kevyt;Adj/Noun;bag;7;Noun\n")
                .result,
            0);
  ASSERT_EQ(rules->count(), 3);
  const auto& rule = [&](int i) -> const UserLexicalRuleEntry& {
    return static_cast<const UserLexicalRuleEntry&>(rules->At(i));
  };
  EXPECT_EQ(rule(0).range, 100);
  EXPECT_EQ(rule(1).range, -1);
  EXPECT_EQ(rule(1).scat, word_class::kVerb);  // a ContextWord rule keeps its word class
  EXPECT_EQ(rule(2).scat, word_class::kAdj);   // other types imply theirs
  EXPECT_EQ(rule(2).range, 0);

  const std::string unknownType = header + "bank;ranta;Unknown;river;;Noun\n";
  auto skipping = MakeDictionary(DictionaryKind::Normal);
  const Import skipped = Read(*skipping, unknownType, kSkip);
  EXPECT_EQ(skipped.result, 0);
  EXPECT_EQ(skipped.notes, import_note::kRuleType | import_note::kInvalidEntry);
  auto strict = MakeDictionary(DictionaryKind::Normal);
  EXPECT_EQ(Read(*strict, unknownType).result, exchange_error::kInvalid);

  // A rule table needs its type and context words columns.
  auto noType = MakeDictionary(DictionaryKind::Normal);
  EXPECT_EQ(
      Read(*noType, "[Source Word];[Translation];[Context Words];\nbank;ranta;river;\n").result,
      exchange_error::kInvalid);
}

TEST(ReadCsvDictionary, MergesOnlyIntoADictionaryOfTheSameKind) {
  const std::string csv = CsvOf(*MakeSample(DictionaryKind::Disambiguation));
  auto disambiguation = MakeSample(DictionaryKind::Disambiguation);
  const int before = disambiguation->count();
  EXPECT_EQ(Read(*disambiguation, csv, csv_read::kMerge).result, 0);
  EXPECT_EQ(disambiguation->count(), 2 * before);  // rules may share their source

  auto normal = MakeSample(DictionaryKind::Normal);
  const int terms = normal->count();
  EXPECT_EQ(Read(*normal, csv, csv_read::kMerge).result, exchange_error::kOtherKind);
  EXPECT_EQ(normal->count(), terms);
  EXPECT_EQ(normal->header.vocsubtype, DictionaryKind::Normal);
}

TEST(ReadCsvDictionary, StopsAtTheEntryLimitAndKeepsWhatItRead) {
  auto vocabulary = MakeDictionary(DictionaryKind::Normal);
  const Import import = Read(*vocabulary, "a1;b\na2;b\na3;b\n", 0, 0, 2);
  EXPECT_EQ(import.result, exchange_error::kTruncated);
  EXPECT_EQ(vocabulary->count(), 2);
}

TEST(ReadCsvDictionary, ReportsInvalidAndTooLongRows) {
  const std::string tooLong(400, 'a');
  const std::tuple<std::string, std::uint32_t> cases[] = {
      {tooLong + ";b\n", import_note::kTooLong | import_note::kInvalidEntry},
      {"a;" + tooLong + "\n", import_note::kTooLong | import_note::kInvalidEntry},
      {"ab;\n", import_note::kInvalidEntry},       // no translation
      {"a\x01z;b\n", import_note::kInvalidEntry},  // a byte the stream cannot carry
  };
  for (const auto& [text, notes] : cases) {
    auto skipping = MakeDictionary(DictionaryKind::Normal);
    const Import skipped = Read(*skipping, "ok;fine\n" + text, kSkip);
    EXPECT_EQ(skipped.result, 0);
    EXPECT_EQ(skipped.notes, notes) << text;
    EXPECT_EQ(skipping->count(), 1);
    auto strict = MakeDictionary(DictionaryKind::Normal);
    EXPECT_EQ(Read(*strict, "ok;fine\n" + text).result, exchange_error::kInvalid) << text;
  }
}

// The CSV fuzz target's seeds include the table of each sample dictionary, which must stay
// what the writer makes; VORLA_UPDATE_FUZZ_CORPUS=1 writes them again.
TEST(CsvFuzzCorpus, SampleSeedsAreTheWritersTables) {
  const fs::path corpus = VORLA_CSV_FUZZ_CORPUS;
  const bool update = std::getenv("VORLA_UPDATE_FUZZ_CORPUS") != nullptr;
  const std::pair<const char*, DictionaryKind> seeds[] = {
      {"normal.csv", DictionaryKind::Normal},
      {"phrases.csv", DictionaryKind::Phrases},
      {"context-rules.csv", DictionaryKind::ContextRules},
      {"disambiguation.csv", DictionaryKind::Disambiguation},
  };
  for (const auto& [file, kind] : seeds) {
    const std::string csv = CsvOf(*MakeSample(kind), UiLanguage::Finnish);
    if (update) {
      std::ofstream(corpus / file, std::ios::binary) << csv;
      continue;
    }
    std::ifstream in(corpus / file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), csv) << file;
  }
}

}  // namespace
}  // namespace vorla
