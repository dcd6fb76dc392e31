#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "RichDocumentPrinting.h"
#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfWriter.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

constexpr StreamEncoding kBothForms[] = {StreamEncoding::Windows1252, StreamEncoding::Utf8};

RichDocument OneParagraph(std::vector<InlineItem> items, ParagraphFormat format = {}) {
  return RichDocument{{Paragraph{format, std::move(items)}}};
}

RichDocument OneRun(CharacterFormat format, std::string text = "teksti") {
  return OneParagraph({TextRun{std::move(format), std::move(text)}});
}

TEST(RtfWriter, WhatIsWrittenReadsBackTheSame) {
  const CharacterFormat everything{.fontFamily = "Courier New",
                                   .fontSizeHalfPoints = 17,
                                   .bold = true,
                                   .italic = true,
                                   .underline = true,
                                   .strikeOut = true,
                                   .color = RgbColor{10, 20, 30},
                                   .verticalPosition = VerticalPosition::Subscript,
                                   .linkTarget = "https://example.com/"};
  const EmbeddedObject picture{ObjectKind::Picture, R"({\pict\pngblip\picw4 89504e47})"};
  const EmbeddedObject object{ObjectKind::Object, R"({\object\objemb{\*\objdata 01}})"};
  const struct {
    const char* name;
    RichDocument document;
  } cases[] = {
      {"font", OneRun({.fontFamily = "Äiti Sans"})},
      {"size", OneRun({.fontSizeHalfPoints = 31})},
      {"bold", OneRun({.bold = true})},
      {"italic", OneRun({.italic = true})},
      {"underline", OneRun({.underline = true})},
      {"strike-out", OneRun({.strikeOut = true})},
      {"colour", OneRun({.color = RgbColor{255, 128, 1}})},
      {"black is not automatic", OneRun({.color = RgbColor{0, 0, 0}})},
      {"superscript", OneRun({.verticalPosition = VerticalPosition::Superscript})},
      {"subscript", OneRun({.verticalPosition = VerticalPosition::Subscript})},
      {"link", OneRun({.linkTarget = R"(https://example.com/?a=1&b="2"\x)"})},
      {"everything at once", OneRun(everything)},
      {"right", OneParagraph({TextRun{{}, "r"}}, {ParagraphAlignment::Right})},
      {"centre", OneParagraph({TextRun{{}, "c"}}, {ParagraphAlignment::Center})},
      {"justified", OneParagraph({TextRun{{}, "j"}}, {ParagraphAlignment::Justify})},
      {"indents", OneParagraph({TextRun{{}, "i"}},
                               {.leftIndent = 720, .rightIndent = 360, .firstLineIndent = -360})},
      {"spacing", OneParagraph({TextRun{{}, "s"}}, {.spaceBefore = 120, .spaceAfter = 240})},
      {"text that RTF escapes", OneRun({}, "a\tb\vc {d} \\e\\")},
      {"characters beyond Windows-1252", OneRun({}, "Привет € ä \u2011 😀 Ελληνικά")},
      {"runs sharing a link",
       OneParagraph({TextRun{{.linkTarget = "x"}, "one "},
                     TextRun{{.bold = true, .linkTarget = "x"}, "two"}, TextRun{{}, " plain "},
                     TextRun{{.linkTarget = "y"}, "three"}})},
      {"empty paragraphs", RichDocument{{Paragraph{}, Paragraph{{ParagraphAlignment::Center}, {}},
                                         Paragraph{{}, {TextRun{{}, "a"}}}, Paragraph{}}}},
      {"picture and object",
       OneParagraph({TextRun{{}, "a"}, picture, TextRun{{}, "b"}, object, TextRun{{}, "c"}})},
  };
  for (const auto& c : cases) {
    for (const StreamEncoding encoding : kBothForms) {
      const std::string rtf = RtfWriter({.encoding = encoding}).Write(c.document);
      EXPECT_EQ(RtfReader().Read(rtf), c.document) << c.name << ": " << rtf;
    }
  }
}

TEST(RtfWriter, WithoutObjectsKeepsTheFormatting) {
  const CharacterFormat bold{.fontFamily = "Arial", .bold = true};
  const RichDocument document = OneParagraph(
      {TextRun{bold, "a"}, EmbeddedObject{ObjectKind::Picture, R"({\pict 01})"}, TextRun{{}, "b"},
       EmbeddedObject{ObjectKind::Object, R"({\object{\*\objdata 02}})"}},
      {ParagraphAlignment::Center});
  for (const StreamEncoding encoding : kBothForms) {
    const std::string rtf = RtfWriter({.encoding = encoding, .withObjects = false}).Write(document);
    EXPECT_EQ(rtf.find("\\pict"), std::string::npos) << rtf;
    EXPECT_EQ(rtf.find("\\object"), std::string::npos) << rtf;
    EXPECT_EQ(RtfReader().Read(rtf),
              OneParagraph({TextRun{bold, "a"}, TextRun{{}, "b"}}, {ParagraphAlignment::Center}));
  }
}

TEST(RtfWriter, EncodesCharactersForEachForm) {
  const RichDocument document = OneRun({.fontFamily = "Äiti"}, "ä€Ж😀");
  const std::string ansi = RtfWriter().Write(document);
  EXPECT_NE(ansi.find(R"(\ansi\ansicpg1252)"), std::string::npos) << ansi;
  EXPECT_NE(ansi.find(R"(\fcharset0 \'c4iti;)"), std::string::npos) << ansi;
  EXPECT_NE(ansi.find(R"(\'e4\'80\u1046\'3f\u-10179\'3f\u-8704\'3f)"), std::string::npos) << ansi;
  for (const char c : ansi)
    EXPECT_LT(static_cast<unsigned char>(c), 0x80) << ansi;

  const std::string utf8 = RtfWriter({.encoding = StreamEncoding::Utf8}).Write(document);
  EXPECT_NE(utf8.find(R"(\ansi\ansicpg65001)"), std::string::npos) << utf8;
  EXPECT_NE(utf8.find(" Äiti;"), std::string::npos) << utf8;
  EXPECT_NE(utf8.find(" ä€Ж😀}"), std::string::npos) << utf8;
}

// Runs pandoc on RTF and returns its plain text.
std::string PandocPlainText(const std::string& rtf) {
  const test::TempDir dir;
  const auto input = dir.path() / "input.rtf";
  std::ofstream(input, std::ios::binary) << rtf;
  const std::string command =
      std::string(VORLA_PANDOC) + " -f rtf -t plain --wrap=none " + input.string();
  std::unique_ptr<FILE, decltype(&pclose)> pipe(popen(command.c_str(), "r"), pclose);
  std::string output;
  char buffer[4096];
  while (pipe && !feof(pipe.get())) {
    output.append(buffer, fread(buffer, 1, sizeof buffer, pipe.get()));
  }
  return output;
}

TEST(RtfWriter, PandocReadsBothForms) {
  ASSERT_STRNE(VORLA_PANDOC, "") << "pandoc is missing: run scripts/setup";
  const RichDocument document{{
      Paragraph{{},
                {TextRun{{}, "Hyvää päivää – “lainaus” maksaa 5 € "},
                 TextRun{{.fontFamily = "Arial", .color = RgbColor{200, 0, 0}}, "tänään"},
                 TextRun{{}, "."}}},
      Paragraph{{ParagraphAlignment::Center}, {TextRun{{}, "Привет, мир! Ελληνικά ŠŽ"}}},
      Paragraph{{}, {TextRun{{}, "{aaltosulut} ja \\kenoviiva"}}},
  }};
  const std::string expected =
      "Hyvää päivää – “lainaus” maksaa 5 € tänään.\n\n"
      "Привет, мир! Ελληνικά ŠŽ\n\n"
      "{aaltosulut} ja \\kenoviiva\n";
  for (const StreamEncoding encoding : kBothForms) {
    const std::string rtf = RtfWriter({.encoding = encoding}).Write(document);
    EXPECT_EQ(PandocPlainText(rtf), expected) << rtf;
  }
}

}  // namespace
}  // namespace vorla
