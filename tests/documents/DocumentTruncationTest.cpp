#include <gtest/gtest.h>

#include <string>

#include "documents/rtf/DocumentTruncation.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"

namespace vorla {
namespace {

TEST(DocumentTruncation, KeepsTheFirstCharactersAsThePaneCountsThem) {
  const RichDocument document = RtfReader().Read(
      R"({\rtf1\ansi {\b Yksi}\tab kaksi\line nelj\'e4 \u1046?{\pict 00}\par\par  \u-10179?\u-8704?!})");
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

}  // namespace
}  // namespace vorla
