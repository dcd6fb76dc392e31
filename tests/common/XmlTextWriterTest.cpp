#include <gtest/gtest.h>

#include "common/XmlPullReader.h"
#include "common/XmlTextWriter.h"

namespace vorla {
namespace {

TEST(XmlTextWriter, WritesElementsAttributesAndEscapedText) {
  std::string out;
  XmlTextWriter writer(out);
  writer.Declaration("utf-8");
  writer.Raw("\r\n");
  writer.Start("tu");
  writer.Attribute("tuid", "1 \"&'<>");
  writer.Start("empty");
  writer.End();
  writer.Element("seg", "a&b <c> \"d\" 'e' \xC3\xA4");
  writer.Element("none", "");
  writer.End();
  EXPECT_EQ(out,
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
            "<tu tuid=\"1 &quot;&amp;&apos;&lt;&gt;\"><empty/>"
            "<seg>a&amp;b &lt;c&gt; &quot;d&quot; &apos;e&apos; \xC3\xA4</seg><none></none></tu>");
}

TEST(XmlTextWriter, CharactersXmlCannotCarryStayWellFormedAndReadBackAsText) {
  const struct {
    std::string given;
    std::string readBack;
  } cases[] = {
      {std::string("a\0b", 3), "a&#0;b"},
      {"\x01\x1F\t\r\n", "&#1;&#31;\t\n"},
      {"\xEF\xBF\xBE\xEF\xBF\xBF", "&#65534;&#65535;"},
      {"bad \xFF utf-8", "bad \xEF\xBF\xBD utf-8"},
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
  };
  for (const auto& c : cases) {
    std::string out;
    XmlTextWriter writer(out);
    writer.Start("a");
    writer.Attribute("v", c.given);
    writer.Text(c.given);
    writer.End();
    auto reader = OpenXmlBytes(out, {.keepWhiteSpace = true});
    ASSERT_EQ(reader->Next(), XmlNode::kStartElement) << out;
    ASSERT_EQ(reader->Next(), XmlNode::kText) << out;
    EXPECT_EQ(reader->Text(), c.readBack);
    EXPECT_EQ(reader->Next(), XmlNode::kEndElement) << out;
    EXPECT_EQ(reader->Next(), XmlNode::kEndOfDocument) << reader->ErrorMessage();
  }
}

}  // namespace
}  // namespace vorla
