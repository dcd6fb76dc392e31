#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "../SampleDictionaries.h"
#include "TestImportTarget.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/RuleTypes.h"
#include "dictionaries/UserLexicalRuleEntry.h"
#include "dictionaries/exchange/ImportNotes.h"
#include "dictionaries/exchange/XmlDictionary.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

constexpr DictionaryKind kKinds[] = {DictionaryKind::Normal, DictionaryKind::Phrases,
                                     DictionaryKind::ContextRules, DictionaryKind::Disambiguation};

class XmlDictionaryTest : public ::testing::Test {
 protected:
  std::filesystem::path Write(const std::string& bytes, const std::string& name = "d.xml") {
    const std::filesystem::path path = dir_.path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string Exported(const Vocabulary& vocabulary) {
    std::string out;
    WriteXmlDictionary(vocabulary, out);
    return out;
  }
  bool XmllintAccepts(const std::filesystem::path& path) {
    return std::system(("xmllint --noout '" + path.string() + "'").c_str()) == 0;
  }
  int Read(test::TestImportTarget& target, const std::string& document,
           XmlReadOptions options = {}) {
    return ReadXmlDictionary(target, Write(document), options, notes_);
  }
  test::TempDir dir_;
  std::uint32_t notes_ = 0;
};

TEST_F(XmlDictionaryTest, WritesTheDocumentLineByLine) {
  auto vocabulary = test::MakeDictionary(DictionaryKind::Normal);
  vocabulary->header.description = "A & B";
  VocabularyEntry& run = *vocabulary->CreateEntry("run", word_class::kVerb, 0, false).entry;
  run.target = "juosta kovaa";
  run.srcattr.Set(attr::kSubCat, 0);
  run.tgtattr.Set(attr::kTgtAdjAttr, 1);
  run.tgtattr.Set(attr::kTgtTr, 1);
  EXPECT_EQ(Exported(*vocabulary),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<dictionary>\r\n<header>\r\n"
            "\t<name>Sample</name>\r\n\t<description>A &amp; B</description>\r\n"
            "\t<sourcelan>en</sourcelan>\r\n\t<targetlan>fi</targetlan>\r\n"
            "\t<type>Normal</type>\r\n</header>\r\n<content>\r\n\t<entry>\r\n"
            "\t\t<source>run</source>\r\n\t\t<target>juosta# kovaa</target>\r\n"
            "\t\t<scat>Verb</scat>\r\n\t\t<subcat>Intrans</subcat>\r\n"
            "\t\t<tgtadjattr>1</tgtadjattr>\r\n\t</entry>\r\n</content>\r\n</dictionary>\r\n");
}

TEST_F(XmlDictionaryTest, TextsAreDecodedBeforeTheyAreEscaped) {
  const struct {
    std::string text;  // Windows-1252 with references
    std::string written;
  } cases[] = {
      {"a&b<c>\"'", "a&amp;b&lt;c&gt;&quot;&apos;"},
      {"\xE4\x80", "\xC3\xA4\xE2\x82\xAC"},
      {"non&#8209;breaking",
       "non\xE2\x80\x91"
       "breaking"},
      {"&#1;&#0;&#65535;", "&amp;#1;&amp;#0;&amp;#65535;"},
      {"&#70000;&#99999;&#123456;", "  &amp;#123456;"},
      {"&#12;x &#;", "&amp;#12;x &amp;#;"},
      {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
  };
  for (const auto& c : cases) {
    auto vocabulary = test::MakeDictionary(DictionaryKind::Phrases);
    vocabulary->header.description = c.text;
    const std::string document = Exported(*vocabulary);
    EXPECT_NE(document.find("<description>" + c.written + "</description>"), std::string::npos)
        << document;
    EXPECT_TRUE(XmllintAccepts(Write(document))) << c.text;
    // What is written reads back as the same dictionary text.
    test::TestImportTarget target;
    ASSERT_EQ(Read(target, document), 0);
    if (c.text.find("&#70000;") == std::string::npos) {
      EXPECT_EQ(target.vocabulary.header.description, c.text);
    }
  }
}

// The fields an exchange carries of each entry, as one comparable text.
std::string Carried(const Vocabulary& vocabulary) {
  std::string out;
  for (int i = 0; i < vocabulary.count(); ++i) {
    const VocabularyEntry& e = vocabulary.At(i);
    out += e.source + "|" + e.target + "|" + std::to_string(e.scat) + "|" +
           (e.ruletype ? std::to_string(e.ruletype) : "") + "|";
    for (const AttributeList* list : {&e.srcattr, &e.tgtattr}) {
      for (const AttributePair& pair : list->pairs())
        out += std::to_string(pair.code) + "=" + std::to_string(pair.value) + ",";
      out += "|";
    }
    if (e.entryclass == EntryClass::LexicalRule || e.entryclass == EntryClass::DisambRule) {
      const auto& rule = static_cast<const UserLexicalRuleEntry&>(e);
      out += rule.contextwords.stored + "|" + rule.contextwordstr.stored + "|" +
             std::to_string(rule.range);
    }
    out += "\n";
  }
  return out;
}

TEST_F(XmlDictionaryTest, EveryKindGoesThroughTheFileAndBack) {
  for (DictionaryKind kind : kKinds) {
    auto sample = test::MakeSample(kind);
    const std::string first = Exported(*sample);
    EXPECT_TRUE(XmllintAccepts(Write(first))) << first;
    test::TestImportTarget target;
    ASSERT_EQ(Read(target, first), 0) << first;
    EXPECT_EQ(notes_, 0u);
    const Vocabulary& read = target.vocabulary;
    EXPECT_EQ(read.header.name, "Sample");
    EXPECT_EQ(read.header.description, sample->header.description);
    EXPECT_EQ(read.header.vocsubtype, kind);
    ASSERT_EQ(read.count(), sample->count());
    for (int i = 0; i < read.count(); ++i) {
      EXPECT_EQ(read.At(i).source, sample->At(i).source);
      EXPECT_EQ(read.At(i).target, sample->At(i).target);
      EXPECT_EQ(read.At(i).scat, sample->At(i).scat) << read.At(i).source;
    }
    // What was read once is carried unchanged from then on.
    test::TestImportTarget again;
    ASSERT_EQ(Read(again, Exported(read)), 0);
    EXPECT_EQ(Carried(again.vocabulary), Carried(read));
  }
}

std::string Document(std::string_view type, std::string_view entries,
                     std::string_view header = "<name>N</name>") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><dictionary><header>" + std::string(header) +
         "<sourcelan>en</sourcelan><targetlan>fi</targetlan><type>" + std::string(type) +
         "</type></header><content>" + std::string(entries) + "</content></dictionary>";
}

TEST_F(XmlDictionaryTest, ReadsEntriesAsTheirKindsTake) {
  const struct {
    std::string type;
    std::string entries;
    std::string carried;  // Carried() of what was read
    std::uint32_t notes = 0;
  } cases[] = {
      // A verb's SubCat 0 comes back; an unknown semact is Inact, an unknown semspat none.
      {"Normal",
       "<entry><source>run</source><target>juosta</target><scat>Verb</scat>"
       "<subcat>Intrans</subcat></entry>"
       "<entry><SOURCE>dog</SOURCE><Target>koira</Target><semact>Nonsense</semact>"
       "<semspat>Nonsense</semspat></entry>",
       "dog|koira|8||38=0,|57=1,|\nrun|juosta|13||42=0,|57=1,|\n"},
      // Value names are exact: "noun" is no word class, so a Normal entry is a noun.
      {"Normal", "<entry><source>cat</source><target>kissa</target><scat>noun</scat></entry>",
       "cat|kissa|8|||57=1,|\n"},
      // The '#' after the first word of two becomes TgtAdjAttr 1.
      {"Normal",
       "<entry><source>red</source><target>punainen# talo</target><scat>Adj</scat></entry>",
       "red|punainen talo|2|||58=1,57=1,|\n"},
      {"Normal", "<entry><source>non&#x2011;stop</source><target>tauo&#x2011;ton</target></entry>",
       "non-stop|tauo&#8209;ton|8|||57=1,|\n"},
      // A Normal entry without a target is passed over without a note.
      {"Normal", "<entry><source>lonely</source></entry>", ""},
      {"Disambiguation",
       "<entry><ruletype>Noun/LeftNoun</ruletype><source>bank</source>"
       "<contextwords>river</contextwords></entry>",
       "bank||8|167|||river||0\n"},
      {"ContextRules",
       "<entry><ruletype>ContextWord</ruletype><source>bank</source><target>pankki</target>"
       "<contextwords>money</contextwords><range>250</range></entry>",
       "bank|pankki|8|154|||money||100\n"},
      {"ContextRules",
       "<entry><ruletype>Verbi/Objekti</ruletype><source>run</source><target>johtaa</target>"
       "<contextwords>company</contextwords></entry>",
       "run|johtaa|13|150|42=1,||company||0\n"},
      {"ContextRules",
       "<entry><ruletype>Nonsense</ruletype><source>x</source><target>y</target></entry>", "",
       import_note::kRuleType},
      {"ContextRules",
       "<entry><ruletype>Noun/AdjAttr</ruletype><source>light</source><target>valo</target>"
       "</entry>",
       "light|valo|8|152|||||0\n", import_note::kNoContextWords},
      // Too long: a term over its limit, a phrase of 400 bytes; both skipped with the note.
      {"Normal", "<entry><source>" + std::string(250, 'a') + "</source><target>t</target></entry>",
       "", import_note::kTooLong},
      {"Phrases", "<entry><source>" + std::string(400, 'a') + "</source><target>t</target></entry>",
       "", import_note::kTooLong},
      // A byte the stream cannot carry skips the entry with a note, not the whole import.
      {"Phrases",
       "<entry><source>bad\xC3\xBF</source><target>t</target></entry>"
       "<entry><source>good</source><target>t</target></entry>",
       "good|t|0||||\n", import_note::kInvalidEntry},
      // Text after an element's end goes nowhere; unknown elements keep theirs away too.
      {"Phrases", "<entry><source>a</source>stray<target>b</target><x>more</x></entry>",
       "a|b|0||||\n"},
      // A value name of more than 255 characters counts as empty; an entry text does not.
      {"Normal",
       "<entry><source>house</source><target>talo</target><scat>" + std::string(300, 'V') +
           "</scat></entry>",
       "house|talo|8|||57=1,|\n"},
  };
  for (const auto& c : cases) {
    test::TestImportTarget target;
    EXPECT_EQ(Read(target, Document(c.type, c.entries)), 0) << c.entries;
    EXPECT_EQ(Carried(target.vocabulary), c.carried) << c.entries;
    EXPECT_EQ(notes_, c.notes) << c.entries;
  }
}

TEST_F(XmlDictionaryTest, HeaderRules) {
  {
    test::TestImportTarget target;
    ASSERT_EQ(Read(target, Document("Phrases", "",
                                    "<name>First</name><name>Second</name>"
                                    "<description>" +
                                        std::string(600, 'd') + "</description>")),
              0);
    EXPECT_EQ(target.vocabulary.header.name, "First");
    EXPECT_EQ(target.vocabulary.header.description, std::string(511, 'd'));
    EXPECT_EQ(target.vocabulary.header.vocsubtype, DictionaryKind::Phrases);
    EXPECT_EQ(notes_, import_note::kDescriptionCut);
  }
  {
    test::TestImportTarget target;
    ASSERT_EQ(Read(target, Document("Normal", "", "<name>Kept</name>"), {.keepName = true}), 0);
    EXPECT_EQ(target.vocabulary.header.name, "Before");
  }
  const struct {
    std::string document;
    int result;
  } failures[] = {
      {Document("Normal", "", "<description>no name</description>"), -1},
      {Document("Normal", "", "<name>" + std::string(300, 'n') + "</name>"), -1},
      {Document("Normal", "", "<name>%bad</name>"), -3},
      {Document("Normal",
                "<entry><source>a</source><target>b</target></entry><type>Phrases</type>"),
       -17},
      {Document("Normal",
                "<entry><source>a</source><target>b</target></entry>"
                "<header><sourcelan>fi</sourcelan></header>"),
       -17},
      {Document("Normal", "<entry><source>a*b*</source><target>b</target></entry>"), -1},
      {Document("Normal", "<entry>"), -17},
  };
  for (const auto& c : failures) {
    test::TestImportTarget target;
    EXPECT_EQ(Read(target, c.document), c.result) << c.document;
  }
}

TEST_F(XmlDictionaryTest, MergingNeedsTheSameKindAndTheLimitTruncates) {
  test::TestImportTarget phrases;
  phrases.vocabulary.header.vocsubtype = DictionaryKind::Phrases;
  EXPECT_EQ(Read(phrases, Document("Normal", ""), {.merge = true}), -22);
  const std::string three = Document("Phrases",
                                     "<entry><source>a</source><target>1</target></entry>"
                                     "<entry><source>b</source><target>2</target></entry>"
                                     "<entry><source>c</source><target>3</target></entry>");
  EXPECT_EQ(Read(phrases, three, {.merge = true}), 0);
  EXPECT_EQ(phrases.vocabulary.count(), 3);
  test::TestImportTarget small(2);
  EXPECT_EQ(Read(small, three), -14);
  EXPECT_EQ(small.vocabulary.count(), 2);
}

TEST_F(XmlDictionaryTest, HostileFilesEndInCleanErrors) {
  const auto secret = Write("SECRET-CONTENT", "secret.txt");
  test::TestImportTarget target;
  EXPECT_EQ(Read(target, "<!DOCTYPE d [<!ENTITY e SYSTEM \"file://" + secret.string() + "\">]>" +
                             Document("Phrases",
                                      "<entry><source>&e;</source><target>t</target>"
                                      "</entry>")),
            -17);
  EXPECT_EQ(target.vocabulary.count(), 0);
  std::string laughs = "<!DOCTYPE d [<!ENTITY l0 \"lollollollol\">";
  for (int i = 1; i <= 10; ++i) {
    laughs += "<!ENTITY l" + std::to_string(i) + " \"";
    for (int j = 0; j < 10; ++j)
      laughs += "&l" + std::to_string(i - 1) + ";";
    laughs += "\">";
  }
  laughs += "]>" + Document("Phrases", "<entry><source>&l10;</source><target>t</target></entry>");
  EXPECT_EQ(Read(target, laughs), -17);
  EXPECT_EQ(ReadXmlDictionary(target, dir_.path() / "missing.xml", {}, notes_), -5);
}

}  // namespace
}  // namespace vorla
