#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "HeapHighWater.h"
#include "HostileRtf.h"
#include "RichDocumentPrinting.h"
#include "documents/rtf/FieldInstruction.h"
#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfTables.h"

namespace vorla {
namespace {

std::string Repeated(std::string_view text, std::size_t times) {
  std::string out;
  out.reserve(text.size() * times);
  for (std::size_t i = 0; i < times; ++i)
    out += text;
  return out;
}

std::vector<const TextRun*> Runs(const RichDocument& document) {
  std::vector<const TextRun*> runs;
  for (const Paragraph& paragraph : document.paragraphs) {
    for (const InlineItem& item : paragraph.items) {
      if (const auto* run = std::get_if<TextRun>(&item)) runs.push_back(run);
    }
  }
  return runs;
}

TEST(RtfReaderBounds, LongNamesAndLinksAreCutBetweenCharacters) {
  // "ä" is two bytes: 255 bytes hold 127 of them.
  const std::string rtf = bench::HostileRtf(Repeated("\\'e4", 3000), Repeated("\\u1046?", 3000), 2);
  const RichDocument document = RtfReader().Read(rtf);
  const std::vector<const TextRun*> runs = Runs(document);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0]->format.fontFamily.str(), Repeated("ä", 127));
  EXPECT_EQ(runs[0]->format.linkTarget.str(), Repeated("Ж", kMaxLinkTargetBytes / 2));
}

TEST(RtfReaderBounds, RunsShareOneNameAndOneLink) {
  const RichDocument document = RtfReader().Read(bench::HostileRtf());
  const std::vector<const TextRun*> runs = Runs(document);
  ASSERT_EQ(runs.size(), 20000u);
  for (const TextRun* run : runs) {
    ASSERT_EQ(run->format.fontFamily.str().size(), kMaxFontNameBytes);
    ASSERT_EQ(&run->format.fontFamily.str(), &runs[0]->format.fontFamily.str());
    ASSERT_EQ(&run->format.linkTarget.str(), &runs[0]->format.linkTarget.str());
  }
  EXPECT_EQ(runs[0]->format.linkTarget.str().size(), kMaxLinkTargetBytes);
}

TEST(RtfReaderBounds, TablesKeepTheirFirstEntries) {
  std::string rtf = "{\\rtf1{\\fonttbl";
  for (std::size_t i = 0; i <= kMaxFonts; ++i)
    rtf += "{\\f" + std::to_string(i) + " F" + std::to_string(i) + ";}";
  rtf += "}{\\colortbl;" + Repeated("\\red1\\green2\\blue3;", kMaxColors) + "}";
  const std::string last = std::to_string(kMaxFonts - 1);
  const std::string beyond = std::to_string(kMaxFonts);
  rtf += "{\\f" + last + "\\cf" + last + " kept}{\\f" + beyond + "\\cf" + beyond + " lost}}";
  const RichDocument document = RtfReader().Read(rtf);
  const TextRun* kept = FindRun(document, "kept");
  const TextRun* lost = FindRun(document, "lost");
  ASSERT_TRUE(kept && lost);
  EXPECT_EQ(kept->format.fontFamily, "F" + last);
  EXPECT_EQ(kept->format.color, (RgbColor{1, 2, 3}));
  EXPECT_TRUE(lost->format.fontFamily.empty());
  EXPECT_FALSE(lost->format.color);
}

// Reading needs at most 20 times the input and a little more for the reader's own needs,
// whatever the input repeats: long names, runs, paragraphs, table entries, fields, groups.
// Only input made of nothing but format switches or paragraph marks needs more: each run or
// paragraph is a fixed 50 to 90 bytes of the document, and the vector holding them doubles
// as it grows.
TEST(RtfReaderBounds, HeapWhileReadingIsBoundedByTheInput) {
  constexpr std::size_t kAllowance = 2 << 20;
  const std::string fontName(kMaxFontNameBytes, 'n');
  const std::string link = "HYPERLINK \"" + std::string(kMaxLinkTargetBytes, 'l') + "\"";
  struct Input {
    const char* name;
    std::string rtf;
    std::size_t factor = 20;
  };
  const Input inputs[] = {
      {"a long font name and link in every run", bench::HostileRtf()},
      {"runs of one character", "{\\rtf1 " + Repeated("{\\b a}a", 200000) + "}", 64},
      {"empty paragraphs", "{\\rtf1 " + Repeated("\\par", 200000) + "}", 64},
      {"table cells", "{\\rtf1 \\pard\\intbl" + Repeated("\\cell", 200000) + "\\row}"},
      {"fonts",
       "{\\rtf1{\\fonttbl" + Repeated("{\\f1 " + fontName + ";}\\f2\\f3\\f4", 20000) + "}}"},
      {"colours", "{\\rtf1{\\colortbl" + Repeated(";", 500000) + "}}"},
      {"results of a long link",
       "{\\rtf1{\\field{\\*\\fldinst " + link + "}" + Repeated("{\\fldrslt a}", 50000) + "}}"},
      {"empty fields", "{\\rtf1 " + Repeated("{\\field}", 100000) + "}"},
      {"deep groups", "{\\rtf1 " + Repeated(std::string(2000, '{') + "\\b a", 100) + "}"},
      {"pictures", "{\\rtf1 " + Repeated("{\\pict 0}", 100000) + "}"},
  };
  RtfReader().Read(inputs[0].rtf);  // the reader's word table is made once
  for (const Input& input : inputs) {
    test::ResetHeapHighWater();
    const std::size_t before = test::HeapInUse();
    const RichDocument document = RtfReader().Read(input.rtf);
    const std::size_t used = test::HeapHighWater() - before;
    EXPECT_LE(used, input.factor * input.rtf.size() + kAllowance)
        << input.name << ": " << used << " bytes for " << input.rtf.size();
  }
}

}  // namespace
}  // namespace vorla
