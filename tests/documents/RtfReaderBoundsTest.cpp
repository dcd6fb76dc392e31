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

std::vector<TextRun> Runs(const RichDocument& document) {
  std::vector<TextRun> runs;
  for (const Paragraph& paragraph : document.paragraphs) {
    for (const InlineItem& item : paragraph.items) {
      if (const auto* run = std::get_if<TextRun>(&item)) runs.push_back(*run);
    }
  }
  return runs;
}

// One-character runs, each in a font size of its own: a format table entry for every run.
std::string RunsInDistinctSizes(int runs) {
  std::string rtf = "{\\rtf1 ";
  for (int size = 0; size < runs; ++size)
    rtf += "{\\fs" + std::to_string(size) + " a}";
  return rtf + "}";
}

TEST(RtfReaderBounds, LongNamesAndLinksAreCutBetweenCharacters) {
  // "ä" is two bytes: 255 bytes hold 127 of them.
  const std::string rtf = bench::HostileRtf(Repeated("\\'e4", 3000), Repeated("\\u1046?", 3000), 2);
  const RichDocument document = RtfReader().Read(rtf);
  const std::vector<TextRun> runs = Runs(document);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].format.fontFamily.str(), Repeated("ä", 127));
  EXPECT_EQ(runs[0].format.linkTarget.str(), Repeated("Ж", kMaxLinkTargetBytes / 2));
}

TEST(RtfReaderBounds, RunsShareOneNameAndOneLink) {
  const RichDocument document = RtfReader().Read(bench::HostileRtf());
  const std::vector<TextRun> runs = Runs(document);
  ASSERT_EQ(runs.size(), 20000u);
  for (const TextRun& run : runs) {
    ASSERT_EQ(run.format.fontFamily.str().size(), kMaxFontNameBytes);
    ASSERT_EQ(&run.format.fontFamily.str(), &runs[0].format.fontFamily.str());
    ASSERT_EQ(&run.format.linkTarget.str(), &runs[0].format.linkTarget.str());
  }
  EXPECT_EQ(runs[0].format.linkTarget.str().size(), kMaxLinkTargetBytes);
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
  const std::optional<TextRun> kept = FindRun(document, "kept");
  const std::optional<TextRun> lost = FindRun(document, "lost");
  ASSERT_TRUE(kept && lost);
  EXPECT_EQ(kept->format.fontFamily, "F" + last);
  EXPECT_EQ(kept->format.color, (RgbColor{1, 2, 3}));
  EXPECT_TRUE(lost->format.fontFamily.empty());
  EXPECT_FALSE(lost->format.color);
}

// Reading needs at most 20 times the input and a little more for the reader's own needs,
// whatever the input repeats: long names, runs, paragraphs, table entries, fields, groups,
// pictures. Inputs of nothing but tiny pieces are the hardest: every run, paragraph, picture
// or field costs the document a few bytes beyond its own, and the buffers double as they grow.
TEST(RtfReaderBounds, HeapWhileReadingIsBoundedByTheInput) {
  constexpr std::size_t kFactor = 20;
  constexpr std::size_t kAllowance = 2 << 20;
  const std::string fontName(kMaxFontNameBytes, 'n');
  const std::string link = "HYPERLINK \"" + std::string(kMaxLinkTargetBytes, 'l') + "\"";
  struct Input {
    const char* name;
    std::string rtf;
  };
  const Input inputs[] = {
      {"a long font name and link in every run", bench::HostileRtf()},
      {"runs of one character", bench::RepeatedPieceRtf(bench::kOneCharacterRuns, 1400000)},
      {"empty paragraphs", bench::RepeatedPieceRtf(bench::kEmptyParagraphs, 800000)},
      {"table cells", "{\\rtf1 \\pard\\intbl" + Repeated("\\cell", 200000) + "\\row}"},
      {"fonts",
       "{\\rtf1{\\fonttbl" + Repeated("{\\f1 " + fontName + ";}\\f2\\f3\\f4", 20000) + "}}"},
      {"colours", "{\\rtf1{\\colortbl" + Repeated(";", 500000) + "}}"},
      {"results of a long link",
       "{\\rtf1{\\field{\\*\\fldinst " + link + "}" + Repeated("{\\fldrslt a}", 50000) + "}}"},
      {"bare fields", bench::RepeatedPieceRtf(bench::kBareFields, 800000)},
      {"deep groups", "{\\rtf1 " + Repeated(std::string(2000, '{') + "\\b a", 100) + "}"},
      {"empty pictures", bench::RepeatedPieceRtf(bench::kEmptyPictures, 900000)},
      {"a distinct format in every run", RunsInDistinctSizes(100000)},
  };
  RtfReader().Read(inputs[0].rtf);  // the reader's word table is made once
  for (const Input& input : inputs) {
    test::ResetHeapHighWater();
    const std::size_t before = test::HeapInUse();
    const RichDocument document = RtfReader().Read(input.rtf);
    const std::size_t used = test::HeapHighWater() - before;
    EXPECT_LE(used, kFactor * input.rtf.size() + kAllowance)
        << input.name << ": " << used << " bytes for " << input.rtf.size();
  }
}

}  // namespace
}  // namespace vorla
