#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "../SampleDictionaries.h"
#include "TestImportTarget.h"
#include "dictionaries/exchange/ImportNotes.h"
#include "dictionaries/exchange/TmxDictionary.h"
#include "support/FileBytes.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

const TmxCreator kCreator{"Vorla Tool", "3.1.2", UiLanguage::Finnish};

class TmxDictionaryTest : public ::testing::Test {
 protected:
  std::filesystem::path Write(const std::string& bytes, const std::string& name = "m.tmx") {
    const std::filesystem::path path = dir_.path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string Exported(const Vocabulary& vocabulary) {
    std::string out;
    EXPECT_EQ(WriteTmxDictionary(vocabulary, kCreator, out), 0);
    return out;
  }
  int Read(test::TestImportTarget& target, const std::filesystem::path& path, bool merge = false) {
    return ReadTmxDictionary(target, path, merge, notes_);
  }
  // source => target lines of what was read
  static std::string Entries(const Vocabulary& vocabulary) {
    std::string out;
    for (int i = 0; i < vocabulary.count(); ++i)
      out += vocabulary.At(i).source + " => " + vocabulary.At(i).target + "\n";
    return out;
  }
  int Run(const std::string& command) { return std::system(command.c_str()); }
  test::TempDir dir_;
  std::uint32_t notes_ = 0;
};

TEST_F(TmxDictionaryTest, WritesOneUnitPerEntry) {
  auto phrases = test::MakeSample(DictionaryKind::Phrases);
  EXPECT_EQ(
      Exported(*phrases),
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<tmx version=\"1.4\">\r\n"
      "<header creationtool=\"Vorla Tool\" creationtoolversion=\"3.1.2\" adminlang=\"fi\" "
      "srclang=\"en\" datatype=\"plaintext\" segtype=\"phrase\" "
      "o-tmf=\"Vorla Translation Memory\" o-encoding=\"iso-8859-1\">\r\n"
      "\t<note>Words of the sample</note>\r\n\t<prop type=\"x-TMName\">Sample</prop>\r\n"
      "</header>\r\n<body>\r\n"
      "\t<tu tuid=\"1\">\r\n\t<tuv xml:lang=\"en\">\r\n\t\t<seg>good morning</seg>\r\n"
      "\t</tuv>\r\n\t<tuv xml:lang=\"fi\">\r\n\t\t<seg>hyv\xC3\xA4\xC3\xA4 huomenta</seg>\r\n"
      "\t</tuv>\r\n\t</tu>\r\n"
      "\t<tu tuid=\"2\">\r\n\t<tuv xml:lang=\"en\">\r\n\t\t<seg>thank you</seg>\r\n"
      "\t</tuv>\r\n\t<tuv xml:lang=\"fi\">\r\n\t\t<seg>kiitos</seg>\r\n\t</tuv>\r\n\t</tu>\r\n"
      "</body>\r\n</tmx>\r\n");
  auto finnish = test::MakeDictionary(DictionaryKind::Phrases, 1, 0);
  EXPECT_NE(Exported(*finnish).find("segtype=\"sentence\""), std::string::npos);
  std::string out;
  EXPECT_EQ(WriteTmxDictionary(*test::MakeSample(DictionaryKind::ContextRules), kCreator, out), -1);
  EXPECT_EQ(WriteTmxDictionary(*test::MakeSample(DictionaryKind::Disambiguation), kCreator, out),
            -1);
}

TEST_F(TmxDictionaryTest, TermsAndPhrasesGoThroughTheFileAndBack) {
  for (DictionaryKind kind : {DictionaryKind::Normal, DictionaryKind::Phrases}) {
    auto sample = test::MakeSample(kind);
    sample->At(0).target += " &#8209; & <b>";
    const auto path = Write(Exported(*sample));
    EXPECT_EQ(Run("xmllint --noout '" + path.string() + "'"), 0);
    // translate-toolkit reads every unit with its source and target.
    const std::string script =
        "import sys\nfrom translate.storage import tmx\n"
        "store = tmx.tmxfile.parsefile(sys.argv[1])\n"
        "store.setsourcelanguage('en'); store.settargetlanguage('fi')\n"
        "for unit in store.units: print(unit.source + ' => ' + unit.target)\n";
    const auto listing = dir_.path() / "listing.txt";
    ASSERT_EQ(Run("/usr/bin/python3 -c \"" + script + "\" '" + path.string() + "' > '" +
                  listing.string() + "'"),
              0);
    test::TestImportTarget target;
    ASSERT_EQ(Read(target, path), 0);
    EXPECT_EQ(notes_, 0u);
    EXPECT_EQ(target.vocabulary.header.vocsubtype, DictionaryKind::Phrases);
    EXPECT_EQ(target.vocabulary.header.description, "Words of the sample");
    std::string expected;
    for (int i = 0; i < sample->count(); ++i)
      expected += sample->At(i).source + " => " + sample->At(i).target + "\n";
    EXPECT_EQ(Entries(target.vocabulary), expected);
    std::string listed = test::ReadFileBytes(listing);
    EXPECT_NE(listed.find("\xE2\x80\x91 & <b>"), std::string::npos) << listed;
  }
}

TEST_F(TmxDictionaryTest, ReadsWhatAnotherToolWrote) {
  const auto po = Write(
      "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
      "msgid \"Open file\"\nmsgstr \"Avaa tiedosto\"\n\nmsgid \"Save\"\nmsgstr \"Tallenna\"\n",
      "ui.po");
  const auto tmx = dir_.path() / "ui.tmx";
  ASSERT_EQ(Run("po2tmx -l fi '" + po.string() + "' '" + tmx.string() + "' > /dev/null 2>&1"), 0);
  ASSERT_NE(test::ReadFileBytes(tmx).find("<!DOCTYPE"), std::string::npos);
  test::TestImportTarget target;
  ASSERT_EQ(Read(target, tmx), 0);
  EXPECT_EQ(Entries(target.vocabulary), "Open file => Avaa tiedosto\nSave => Tallenna\n");
}

std::string Memory(std::string_view units, std::string_view header = "") {
  return "<?xml version=\"1.0\"?><tmx version=\"1.4\"><header srclang=\"en\">" +
         std::string(header) + "</header><body>" + std::string(units) + "</body></tmx>";
}

std::string Unit(std::string_view source, std::string_view target,
                 std::string_view tuAttributes = "", std::string_view sourceLang = "en",
                 std::string_view targetLang = "fi") {
  return "<tu" + std::string(tuAttributes) + "><tuv xml:lang=\"" + std::string(sourceLang) +
         "\"><seg>" + std::string(source) + "</seg></tuv><tuv xml:lang=\"" +
         std::string(targetLang) + "\"><seg>" + std::string(target) + "</seg></tuv></tu>";
}

TEST_F(TmxDictionaryTest, ReadsUnitFragments) {
  const std::string longRun(400, 'x');
  const struct {
    std::string document;
    std::string entries;
    std::uint32_t notes = 0;
  } cases[] = {
      {Memory(Unit("colour", "v\xC3\xA4ri", "", "EN-GB", "fi-FI")), "colour => v\xE4ri\n"},
      {Memory(Unit("colour", "v\xC3\xA4ri", "", "eng", "fin")), ""},
      {Memory("<tu><tuv xml:lang=\"en\"><seg>yes</seg></tuv><tuv xml:lang=\"fi\"><seg>kyll\xC3\xA4"
              "</seg></tuv><tuv xml:lang=\"sv\"><seg>ja</seg></tuv></tu>"),
       "yes => kyll\xE4\n"},
      {Memory(
           Unit("Press <ph>&lt;b&gt;</ph>OK", "Paina <bpt i=\"1\">{</bpt>OK<ept i=\"1\">}</ept>")),
       "Press OK => Paina OK\n"},
      {Memory(Unit("a <hi>marked</hi> word", "<hi>merkitty</hi> sana")),
       "a marked word => merkitty sana\n"},
      {Memory(Unit("only", "")), ""},
      {Memory(Unit(longRun, "pitk\xC3\xA4")), "", import_note::kTooLong},
      // Segments of datatype rtf.
      {Memory(Unit("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 caf\\'e9}", "kahvila \\u228 \\'e4",
                   " datatype=\"rtf\"")),
       "caf\xE9 => kahvila \xE4\xE4\n"},
      {Memory(Unit("{\\*\\generator x}plain\\par\r\ntext", "{\\info{\\title t}}teksti")
                  .insert(3, " datatype=\"RTF\"")),
       "plaintext => teksti\n"},
      {Memory(Unit("{\\b " + longRun + "}", "t", " datatype=\"rtf\"")), "", import_note::kTooLong},
  };
  for (const auto& c : cases) {
    test::TestImportTarget target;
    EXPECT_EQ(Read(target, Write(c.document)), 0) << c.document;
    EXPECT_EQ(Entries(target.vocabulary), c.entries) << c.document;
    EXPECT_EQ(notes_, c.notes) << c.document;
  }
}

TEST_F(TmxDictionaryTest, HeaderNoteAndDocumentDatatype) {
  test::TestImportTarget target;
  ASSERT_EQ(Read(target, Write("<tmx><header datatype=\"rtf\"><note>Muistio</note></header><body>" +
                               Unit("\\'e4iti", "mother") + "</body></tmx>")),
            0);
  EXPECT_EQ(target.vocabulary.header.description, "Muistio");
  EXPECT_EQ(target.modified, 1);
  EXPECT_EQ(Entries(target.vocabulary), "\xE4iti => mother\n");
}

TEST_F(TmxDictionaryTest, MergesOnlyIntoPhrasesAndStopsAtTheLimit) {
  const auto path = Write(Memory(Unit("a", "1") + Unit("b", "2") + Unit("c", "3")));
  for (DictionaryKind kind : {DictionaryKind::Normal, DictionaryKind::ContextRules}) {
    test::TestImportTarget target;
    target.vocabulary.header.vocsubtype = kind;
    EXPECT_EQ(Read(target, path, true), -22);
  }
  test::TestImportTarget phrases;
  phrases.vocabulary.header.vocsubtype = DictionaryKind::Phrases;
  ASSERT_TRUE(phrases.vocabulary.CreateEntry("a", 0, 0, false));
  EXPECT_EQ(Read(phrases, path, true), 0);
  EXPECT_EQ(Entries(phrases.vocabulary), "a => 1\nb => 2\nc => 3\n");
  test::TestImportTarget small(2);
  EXPECT_EQ(Read(small, path), -14);
  EXPECT_EQ(small.vocabulary.count(), 2);
}

TEST_F(TmxDictionaryTest, HostileFilesEndInCleanErrors) {
  const auto secret = Write("SECRET-CONTENT", "secret.txt");
  test::TestImportTarget target;
  EXPECT_EQ(Read(target, Write("<!DOCTYPE tmx [<!ENTITY e SYSTEM \"file://" + secret.string() +
                               "\">]>" + Memory(Unit("&e;", "t")))),
            -18);
  EXPECT_EQ(target.vocabulary.count(), 0);
  std::string laughs = "<!DOCTYPE tmx [<!ENTITY l0 \"lollollollol\">";
  for (int i = 1; i <= 10; ++i) {
    laughs += "<!ENTITY l" + std::to_string(i) + " \"";
    for (int j = 0; j < 10; ++j)
      laughs += "&l" + std::to_string(i - 1) + ";";
    laughs += "\">";
  }
  EXPECT_EQ(Read(target, Write(laughs + "]>" + Memory(Unit("&l10;", "t")))), -18);
  EXPECT_EQ(Read(target, Write(Memory(Unit("a", "b")).substr(0, 60))), -18);
  EXPECT_EQ(Read(target, dir_.path() / "missing.tmx"), -5);
}

}  // namespace
}  // namespace vorla
