#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "RichDocumentPrinting.h"
#include "documents/rtf/DocumentTruncation.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"

namespace vorla {
namespace {

constexpr std::string_view kRtf =
    R"({\rtf1\ansi {\b Yksi}\tab kaksi\line nelj\'e4 \u1046?{\pict 00}\par\par  \u-10179?\u-8704?!})";

TEST(DocumentTruncation, KeepsTheFirstCharactersAsThePaneCountsThem) {
  const RichDocument document = RtfReader().Read(kRtf);
  const std::string whole = PaneText(document, StreamEncoding::Windows1252);
  ASSERT_EQ(whole, "Yksi\tkaksi\vnelj\xe4 ??\n\n ?!");
  for (std::size_t length = 0; length <= whole.size() + 1; ++length) {
    RichDocument truncated = document;
    TruncateDocument(truncated, length);
    EXPECT_EQ(PaneText(truncated, StreamEncoding::Windows1252), whole.substr(0, length)) << length;
  }
  RichDocument empty;
  TruncateDocument(empty, 0);
  EXPECT_EQ(empty, RichDocument{});
}

// A pane's limit applied while reading keeps what reading the whole and cutting it keeps,
// with the formats each paragraph has at its end.
TEST(DocumentTruncation, ReadingWithALimitKeepsWhatCuttingKeeps) {
  const std::string_view documents[] = {
      kRtf,
      R"({\rtf1 \pard a{\b b}\qc\par\pard\li20 c\tab{\pict 00}{\pict 01}\qr\par d\par})",
      R"({\rtf1 \trowd\pard\intbl x\cell\cell y\cell\row\pard\intbl{\pard\intbl z\par}\cell\row end})",
  };
  for (const std::string_view rtf : documents) {
    const RichDocument whole = RtfReader().Read(rtf);
    const std::size_t length = PaneText(whole, StreamEncoding::Utf8).size();
    for (std::size_t limit = 0; limit <= length + 1; ++limit) {
      RichDocument cut = whole;
      TruncateDocument(cut, limit);
      EXPECT_EQ(RtfReader({.maxCharacters = limit}).Read(rtf), cut) << limit << ": " << rtf;
    }
  }
}

}  // namespace
}  // namespace vorla
