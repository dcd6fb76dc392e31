// The simulator answers document jobs with real documents of the target format; each is read
// back with a program of its own (xmllint, python3's zipfile, openpyxl, pandoc, pdftotext).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "TranslationFixture.h"
#include "platform/ChildProcess.h"
#include "platform/SofficeConverter.h"
#include "support/TempHome.h"

namespace vorla::sim::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr std::uint32_t kPdfToHtml = 0x8000000;
constexpr std::string_view kTranslated = "Talo on pieni.";

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path WriteFile(std::string_view name, std::string_view bytes) {
  const fs::path path = vorla::test::CurrentHome() / name;
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
  return path;
}

std::string Fixture(std::string_view name) {
  return ReadFile(fs::path(VORLA_SIM_FIXTURES) / name);
}

// Runs a checking program that writes what it read to its last argument; nothing when it
// refuses the file.
std::optional<std::string> ReadWith(const fs::path& program, std::vector<std::string> arguments) {
  const fs::path out = vorla::test::CurrentHome() / "read-back.txt";
  arguments.push_back(out.string());
  if (!RunProgram(program, arguments, 120s).Succeeded()) return std::nullopt;
  return ReadFile(out);
}

std::optional<std::string> OfficeText(std::string_view name, std::string_view bytes) {
  return ReadWith("/usr/bin/python3",
                  {VORLA_SIM_SCRIPTS "/office_text.py", WriteFile(name, bytes).string()});
}

std::optional<std::string> PdfToText(std::string_view pdf) {
  return ReadWith("/usr/bin/pdftotext", {"-enc", "UTF-8", WriteFile("answer.pdf", pdf).string()});
}

bool XmllintAccepts(std::string_view bytes, bool html) {
  std::vector<std::string> arguments = {"--noout"};
  if (html) arguments.push_back("--html");
  arguments.push_back(WriteFile(html ? "answer.html" : "answer.xml", bytes).string());
  return RunProgram("/usr/bin/xmllint", arguments, 60s).Succeeded();
}

std::uint32_t LittleEndianAt(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

class DocumentAnswersTest : public TranslationCommandsTest {
 protected:
  TrReply TranslateDocument(int format, std::string source, std::optional<int> target = {}) {
    return Translate({.srcformat = format, .srctxt = std::move(source), .tgtformat = target});
  }
};

TEST_F(DocumentAnswersTest, MarkupAndCsvAreTranslatedInTheirTextAlone) {
  struct Case {
    int format;
    std::string source;
    std::string answer;
  };
  const Case cases[] = {
      {3,
       "<html><head><title>The house</title><style>p.house { color: red }</style>"
       "<script>var house = \"small\";</script></head>"
       "<body><p class=\"house\" title=\"The house\">The <b>house</b> is small.&nbsp;&amp; "
       "<!-- the house --></p></body></html>",
       "<html><head><title>Talo</title><style>p.house { color: red }</style>"
       "<script>var house = \"small\";</script></head>"
       "<body><p class=\"house\" title=\"The house\"><b>Talo</b> on pieni.&nbsp;&amp; "
       "<!-- the house --></p></body></html>"},
      {8,
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<notes lang=\"en\"><note id=\"house\">"
       "The house is small.</note><![CDATA[The house]]></notes>\n",
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<notes lang=\"en\"><note id=\"house\">"
       "Talo on pieni.</note><![CDATA[The house]]></notes>\n"},
      {6, "name;note\r\nhouse;\"The house is small, \"\"really\"\".\"\r\n42,night\n",
       "nimi;note?\r\ntalo;\"Talo on pieni, \"\"really?\"\".\"\r\n42,y\xC3\xB6\n"},
  };
  for (const Case& c : cases) {
    const TrReply reply = TranslateDocument(c.format, c.source);
    EXPECT_EQ(reply.status, 0);
    EXPECT_EQ(reply.payload, c.answer);
    if (c.format != 6) {
      EXPECT_TRUE(XmllintAccepts(reply.payload, c.format == 3)) << c.source;
    }
  }
}

TEST_F(DocumentAnswersTest, OfficePackagesComeBackAsPackagesWithTheirTextTranslated) {
  const std::string_view names[] = {"report.docx", "report.odt", "slides.pptx",
                                    "slides.odp",  "sheet.xlsx", "sheet.ods"};
  const int formats[] = {13, 7, 14, 10, 15, 12};
  for (std::size_t i = 0; i < std::size(names); ++i) {
    const TrReply reply = TranslateDocument(formats[i], Fixture(names[i]));
    ASSERT_EQ(reply.status, 0) << names[i];
    const std::optional<std::string> text = OfficeText(names[i], reply.payload);
    ASSERT_TRUE(text) << names[i] << " does not open";
    EXPECT_NE(text->find("Talo"), std::string::npos) << names[i] << ":\n" << *text;
    EXPECT_EQ(text->find("house"), std::string::npos) << names[i] << ":\n" << *text;
  }
  const std::optional<std::string> cells =
      OfficeText("sheet.xlsx", TranslateDocument(15, Fixture("sheet.xlsx")).payload);
  ASSERT_TRUE(cells);
  if (cells->find("cell ") != std::string::npos) {  // openpyxl is installed
    EXPECT_NE(cells->find("cell Talo on pieni."), std::string::npos) << *cells;
    EXPECT_NE(cells->find("cell 42"), std::string::npos) << *cells;
  }
}

TEST_F(DocumentAnswersTest, AWordDocumentOpensInPandocTranslated) {
  const TrReply reply = TranslateDocument(13, Fixture("report.docx"));
  const std::optional<std::string> markdown =
      ReadWith("/usr/bin/pandoc",
               {WriteFile("answer.docx", reply.payload).string(), "-t", "markdown", "-o"});
  ASSERT_TRUE(markdown);
  // The article is left out and hands its capital on to the bold word.
  EXPECT_NE(markdown->find("**Talo** on pieni."), std::string::npos) << *markdown;
}

TEST_F(DocumentAnswersTest, LegacyOfficeFilesComeBackInTheirOwnFormat) {
  SofficeConverter soffice({.profileFolder = vorla::test::CurrentHome() / "profile"});
  struct Case {
    std::string_view fixture;
    int format;
    SofficeFilter toLegacy;
    SofficeFilter back;
  };
  const Case cases[] = {
      {"report.docx",
       4,
       {"docx", "doc:MS Word 97", "doc"},
       {"doc", "docx:MS Word 2007 XML", "docx"}},
      {"sheet.xlsx",
       11,
       {"xlsx", "xls:MS Excel 97", "xls"},
       {"xls", "xlsx:Calc MS Excel 2007 XML", "xlsx"}},
      {"slides.pptx",
       9,
       {"pptx", "ppt:MS PowerPoint 97", "ppt"},
       {"ppt", "pptx:Impress MS PowerPoint 2007 XML", "pptx"}},
  };
  for (const Case& c : cases) {
    const std::optional<std::string> legacy = soffice.Convert(Fixture(c.fixture), c.toLegacy);
    ASSERT_TRUE(legacy) << c.fixture;
    const TrReply reply = TranslateDocument(c.format, *legacy);
    ASSERT_EQ(reply.status, 0) << c.fixture;
    EXPECT_TRUE(reply.payload.starts_with("\xD0\xCF\x11\xE0")) << "a compound file";
    const std::optional<std::string> ooxml = soffice.Convert(reply.payload, c.back);
    ASSERT_TRUE(ooxml) << c.fixture;
    const std::optional<std::string> text =
        OfficeText(c.back.toExtension == "docx" ? "a.docx" : "a.zip", *ooxml);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("Talo"), std::string::npos) << c.fixture << ":\n" << *text;
  }
}

TEST_F(DocumentAnswersTest, APdfComesBackAsAPdfOrRtfCarryingTheTranslation) {
  const TrReply pdf = TranslateDocument(5, Fixture("house.pdf"));
  ASSERT_EQ(pdf.status, 0);
  EXPECT_TRUE(pdf.payload.starts_with("%PDF-"));
  const std::optional<std::string> text = PdfToText(pdf.payload);
  ASSERT_TRUE(text) << "pdftotext refuses the answer";
  EXPECT_NE(text->find(kTranslated), std::string::npos) << *text;

  const TrReply rtf = TranslateDocument(5, Fixture("house.pdf"), 2);
  ASSERT_EQ(rtf.status, 0);
  const std::optional<std::string> plain = ReadWith(
      "/usr/bin/pandoc", {WriteFile("answer.rtf", rtf.payload).string(), "-t", "plain", "-o"});
  ASSERT_TRUE(plain);
  EXPECT_NE(plain->find(kTranslated), std::string::npos) << *plain;
}

TEST_F(DocumentAnswersTest, APdfIntoHtmlCarriesItsLinksAndAPackageOfPictures) {
  const std::string body = TrBody{.trflags = 0x2000000 | kPdfToHtml,
                                  .srcformat = 5,
                                  .srctxt = Fixture("house.pdf"),
                                  .tgtformat = 3}
                               .Text();
  const TrReply reply = ParseTr(Post(body).body, true);
  ASSERT_EQ(reply.status, 0);
  const std::string& page = reply.payload;
  EXPECT_TRUE(XmllintAccepts(page, true));
  EXPECT_NE(page.find(kTranslated), std::string::npos) << page;
  EXPECT_NE(page.find("<a href=\"document.html\">"), std::string::npos) << page;
  EXPECT_NE(page.find("\r\n<IMG width="), std::string::npos) << page;

  const std::string& package = *reply.secondPart;
  ASSERT_GE(package.size(), 8u);
  const std::uint32_t nameLength = LittleEndianAt(package, 0);
  ASSERT_EQ(package.substr(4, nameLength), "document.html");
  std::size_t at = 4 + nameLength;
  const std::uint32_t count = LittleEndianAt(package, at);
  EXPECT_EQ(count, 1u) << "one picture for the one page";
  at += 4;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t length = LittleEndianAt(package, at);
    const std::string name = package.substr(at + 4, length);
    at += 4 + length;
    EXPECT_NE(page.find("src=\"" + name + "\""), std::string::npos) << name;
    const std::uint32_t size = LittleEndianAt(package, at);
    const fs::path picture = WriteFile(name, package.substr(at + 4, size));
    at += 4 + size;
    EXPECT_TRUE(
        RunProgram("/usr/bin/python3", {VORLA_SIM_SCRIPTS "/png_check.py", picture.string()}, 60s)
            .Succeeded())
        << name;
  }
  EXPECT_EQ(at, package.size());
}

TEST_F(DocumentAnswersTest, APdfIntoHtmlWithoutImagesHasNoPictures) {
  for (const int formating : {1, 5}) {
    const TrReply reply = ParseTr(Post(TrBody{.trflags = 0x2000000 | kPdfToHtml,
                                              .srcformat = 5,
                                              .srctxt = Fixture("house.pdf"),
                                              .tgtformat = 3,
                                              .formating = formating}
                                           .Text())
                                      .body,
                                  true);
    ASSERT_EQ(reply.status, 0);
    EXPECT_EQ(reply.payload.find("<IMG"), std::string::npos);
    EXPECT_EQ(LittleEndianAt(*reply.secondPart, 4 + 13), 0u) << "no pictures";
  }
}

TEST_F(DocumentAnswersTest, ABrokenDocumentIsAnUnsupportedFormat) {
  for (const int format : {13, 7, 5}) {
    EXPECT_EQ(TranslateDocument(format, "PK\x03\x04 broken").status, 16) << format;
  }
}

}  // namespace
}  // namespace vorla::sim::test
