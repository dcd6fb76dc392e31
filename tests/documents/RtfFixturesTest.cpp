#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "RichDocumentPrinting.h"
#include "documents/rtf/RtfReader.h"

namespace vorla {
namespace {

std::string ReadFixture(const std::string& name) {
  std::ifstream file(std::filesystem::path(VORLA_RTF_FIXTURES) / name, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

const std::string kFixtures[] = {"libreoffice-writer", "pandoc", "word", "wordpad"};

TEST(RtfFixtures, TextIsWhatTheWritingProgramsMeant) {
  for (const std::string& name : kFixtures) {
    const std::string rtf = ReadFixture(name + ".rtf");
    ASSERT_FALSE(rtf.empty()) << name;
    EXPECT_EQ(PaneTextOf(rtf), ReadFixture(name + ".txt")) << name;
  }
}

void ExpectPicture(const RichDocument& document, std::string_view data) {
  std::size_t pictures = 0;
  for (const Paragraph& paragraph : document.paragraphs) {
    for (const InlineItem& item : paragraph.items) {
      const auto* object = std::get_if<EmbeddedObject>(&item);
      if (!object) continue;
      ++pictures;
      EXPECT_EQ(object->kind, ObjectKind::Picture);
      EXPECT_TRUE(object->rtf.starts_with("{\\pict")) << object->rtf;
      EXPECT_TRUE(object->rtf.ends_with("}")) << object->rtf;
      EXPECT_NE(object->rtf.find(data), std::string::npos) << object->rtf;
    }
  }
  EXPECT_EQ(pictures, 1u);  // the alternative a writer offers beside it is not a second one
}

TEST(RtfFixtures, FormattingFromLibreOffice) {
  const RichDocument document = RtfReader().Read(ReadFixture("libreoffice-writer.rtf"));
  const auto run = [&](std::string_view text) {
    const std::optional<TextRun> found = FindRun(document, text);
    EXPECT_TRUE(found.has_value()) << text;
    return found ? found->format : CharacterFormat{};
  };
  EXPECT_EQ(run("Hyvää päivää, ").fontFamily, "DejaVu Serif");  // the default font, \deff3
  EXPECT_TRUE(run("lihavoitu").bold);
  EXPECT_TRUE(run("kursivoitu").italic);
  EXPECT_EQ(run("Punainen").color, (RgbColor{192, 0, 0}));
  EXPECT_EQ(run("sininen").color, (RgbColor{0, 0, 255}));
  EXPECT_EQ(run("esimerkkisivu").linkTarget, "https://example.com/sivu?a=1&b=2");
  EXPECT_TRUE(run("esimerkkisivu").underline);
  EXPECT_TRUE(run("vanha").strikeOut);
  EXPECT_EQ(run("O, pinta-ala x").verticalPosition, VerticalPosition::Baseline);
  EXPECT_EQ(document.paragraphs.at(6).format.alignment, ParagraphAlignment::Center);
  EXPECT_EQ(document.paragraphs.at(0).format.spaceAfter, 140);
  ExpectPicture(document, "\\pngblip");

  // H₂O and x²: the two "2" runs differ only in their position.
  std::vector<VerticalPosition> positions;
  for (const InlineItem& item : document.paragraphs.at(6).items) {
    const auto& text = std::get<TextRun>(item);
    if (text.text == "2") positions.push_back(text.format.verticalPosition);
  }
  EXPECT_EQ(positions, (std::vector{VerticalPosition::Subscript, VerticalPosition::Superscript}));
}

TEST(RtfFixtures, FormattingFromPandoc) {
  const RichDocument document = RtfReader().Read(ReadFixture("pandoc.rtf"));
  const std::optional<TextRun> bold = FindRun(document, "lihavoitu");
  const std::optional<TextRun> italic = FindRun(document, "kursivoitu");
  const std::optional<TextRun> link = FindRun(document, "esimerkkisivu");
  ASSERT_TRUE(bold && italic && link);
  EXPECT_TRUE(bold->format.bold);
  EXPECT_EQ(bold->format.fontFamily, "Helvetica");
  EXPECT_TRUE(italic->format.italic);
  EXPECT_EQ(link->format.linkTarget, "https://example.com/sivu?a=1&b=2");
  EXPECT_EQ(document.paragraphs.at(0).format.spaceAfter, 180);
  ExpectPicture(document, "89504e470d0a1a0a");
}

TEST(RtfFixtures, WrittenBackTheyReadTheSame) {
  for (const std::string& name : kFixtures) {
    const RichDocument document = RtfReader().Read(ReadFixture(name + ".rtf"));
    for (const StreamEncoding encoding : {StreamEncoding::Windows1252, StreamEncoding::Utf8}) {
      EXPECT_EQ(RtfReader().Read(RtfWriter({.encoding = encoding}).Write(document)), document)
          << name;
    }
  }
}

// The bullet lists of both: the symbol font's bullet, then the item indented with a hanging
// first line, in the spacing both programs give every paragraph.
TEST(RtfFixtures, FormattingFromWordAndWordPad) {
  for (const std::string name : {"word", "wordpad"}) {
    const RichDocument document = RtfReader().Read(ReadFixture(name + ".rtf"));
    ASSERT_GE(document.paragraphs.size(), 4u) << name;
    EXPECT_EQ(document.paragraphs[0].format.spaceAfter, 200) << name;
    EXPECT_TRUE(FindRun(document, "lihavoitu") && FindRun(document, "lihavoitu")->format.bold)
        << name;
    EXPECT_EQ(FindRun(document, "lihavoitu")->format.fontFamily, "Calibri") << name;
    for (const std::size_t item : {2, 3}) {
      const Paragraph& paragraph = document.paragraphs[item];
      EXPECT_EQ(paragraph.format.leftIndent, 720) << name << " " << item;
      EXPECT_EQ(paragraph.format.firstLineIndent, -360) << name << " " << item;
      const auto& bullet = std::get<TextRun>(paragraph.items.at(0));
      EXPECT_EQ(bullet.text, "\u2022\t") << name << " " << item;
      EXPECT_EQ(bullet.format.fontFamily, "Symbol") << name << " " << item;
    }
  }
  const RichDocument word = RtfReader().Read(ReadFixture("word.rtf"));
  ASSERT_TRUE(FindRun(word, "esimerkkisivu").has_value());
  EXPECT_EQ(FindRun(word, "esimerkkisivu")->format.linkTarget, "https://example.com/sivu?a=1&b=2");
}

}  // namespace
}  // namespace vorla
