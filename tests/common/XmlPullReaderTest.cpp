#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "common/XmlPullReader.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

// The reader's steps as one line each: "<name a=v>", "</name>", "'text'", "END" or "ERROR".
std::vector<std::string> Steps(XmlPullReader& reader) {
  std::vector<std::string> steps;
  for (;;) {
    switch (reader.Next()) {
      case XmlNode::kStartElement: {
        std::string step = "<" + std::string(reader.Name());
        for (const XmlAttribute& attribute : reader.Attributes())
          step += " " + attribute.name + "=" + attribute.value;
        steps.push_back(step + (reader.IsEmptyElement() ? "/>" : ">"));
        break;
      }
      case XmlNode::kEndElement:
        steps.push_back("</" + std::string(reader.Name()) + ">");
        break;
      case XmlNode::kText:
        steps.push_back("'" + std::string(reader.Text()) + "'");
        break;
      case XmlNode::kEndOfDocument:
        steps.push_back("END");
        return steps;
      case XmlNode::kError:
        steps.push_back("ERROR");
        return steps;
    }
  }
}

std::vector<std::string> StepsOf(std::string_view document, const XmlReaderOptions& options = {}) {
  auto reader = OpenXmlBytes(document, options);
  if (!reader) return {"NO READER"};
  return Steps(*reader);
}

using Expected = std::vector<std::string>;

TEST(XmlPullReader, ReportsElementsAttributesAndJoinedText) {
  EXPECT_EQ(StepsOf("<?xml version=\"1.0\"?>\n"
                    "<!DOCTYPE d [<!ENTITY co \"Vorla &amp; co\">]>\n"
                    "<d x:k=\"a&lt;b\" xmlns:x=\"urn:x\">one <![CDATA[<two>]]><!-- c -->&co;&#xE4;"
                    "<e/><f></f></d>"),
            (Expected{"<d xmlns:x=urn:x x:k=a<b>", "'one <two>Vorla & coä'", "<e/>", "</e>", "<f>",
                      "</f>", "</d>", "END"}));
  auto reader = OpenXmlBytes("<x:a xmlns:x=\"urn:x\" xml:lang=\"fi\"/>");
  ASSERT_EQ(reader->Next(), XmlNode::kStartElement);
  EXPECT_EQ(reader->Name(), "x:a");
  EXPECT_EQ(reader->LocalName(), "a");
  EXPECT_EQ(reader->Attribute("xml:lang"), "fi");
  EXPECT_EQ(reader->Attribute("lang"), std::nullopt);
}

TEST(XmlPullReader, TakesTheEncodingFromTheDocument) {
  const std::string utf8 = "<a>\xC3\xA4\xE2\x82\xAC</a>";  // ä€
  std::string utf16le = "\xFF\xFE", utf16be = "\xFE\xFF";
  for (char c : std::string("<a>"))
    utf16le += {c, '\0'}, utf16be += {'\0', c};
  utf16le += std::string("\xE4\0\xAC\x20", 4);
  utf16be += std::string("\0\xE4\x20\xAC", 4);
  for (char c : std::string("</a>"))
    utf16le += {c, '\0'}, utf16be += {'\0', c};
  const struct {
    std::string document;
    std::string text;
  } cases[] = {
      {utf8, "ä€"},
      {"\xEF\xBB\xBF" + utf8, "ä€"},
      {utf16le, "ä€"},
      {utf16be, "ä€"},
      {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\xE4\x80</a>", "ä€"},
      {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\xE4\xA4</a>", "ä¤"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StepsOf(c.document), (Expected{"<a>", "'" + c.text + "'", "</a>", "END"}))
        << c.document;
  }
}

TEST(XmlPullReader, DropsWhiteSpaceUnlessAskedToKeepIt) {
  const std::string document = "<tu>\r\n\t<seg> a  b </seg>\r\n\t<seg>  </seg></tu>";
  EXPECT_EQ(StepsOf(document),
            (Expected{"<tu>", "<seg>", "' a  b '", "</seg>", "<seg>", "</seg>", "</tu>", "END"}));
  EXPECT_EQ(StepsOf(document, {.keepWhiteSpace = true}),
            (Expected{"<tu>", "'\n\t'", "<seg>", "' a  b '", "</seg>", "'\n\t'", "<seg>", "'  '",
                      "</seg>", "</tu>", "END"}));
}

TEST(XmlPullReader, BoundsTextAndAttributesAtACharacterBoundary) {
  // "ää" is four bytes: a bound of three keeps one character.
  auto reader =
      OpenXmlBytes("<r><a v=\"\xC3\xA4\xC3\xA4\">\xC3\xA4<![CDATA[\xC3\xA4]]></a><b>ok</b></r>",
                   {.maxTextBytes = 3});
  ASSERT_EQ(reader->Next(), XmlNode::kStartElement);
  ASSERT_EQ(reader->Next(), XmlNode::kStartElement) << reader->ErrorMessage();
  EXPECT_EQ(reader->Attribute("v"), "\xC3\xA4");
  EXPECT_TRUE(reader->TextTruncated());
  ASSERT_EQ(reader->Next(), XmlNode::kText);
  EXPECT_EQ(reader->Text(), "\xC3\xA4");
  EXPECT_TRUE(reader->TextTruncated());
  EXPECT_EQ(reader->Next(), XmlNode::kEndElement);
  EXPECT_FALSE(reader->TextTruncated());
  EXPECT_EQ(Steps(*reader), (Expected{"<b>", "'ok'", "</b>", "</r>", "END"}));
}

TEST(XmlPullReader, NotWellFormedDocumentsEndInAnError) {
  for (const char* document :
       {"<a><b></a>", "<a>&undefined;</a>", "<a>", "", "<a/><b/>", "<a>\x01</a>",
        "<?xml version=\"1.0\" encoding=\"nonsense\"?><a/>"}) {
    auto reader = OpenXmlBytes(document);
    ASSERT_TRUE(reader);
    std::vector<std::string> steps = Steps(*reader);
    EXPECT_EQ(steps.back(), "ERROR") << document;
    EXPECT_FALSE(reader->ErrorMessage().empty()) << document;
    EXPECT_FALSE(reader->RefusedExternalEntity()) << document;
    EXPECT_EQ(reader->Next(), XmlNode::kError);
  }
  auto reader = OpenXmlBytes("<a>\n<b></a>");
  Steps(*reader);
  EXPECT_NE(reader->ErrorMessage().find("line 2"), std::string_view::npos)
      << reader->ErrorMessage();
}

class XmlPullReaderFiles : public ::testing::Test {
 protected:
  std::filesystem::path Write(const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = dir_.path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  test::TempDir dir_;
};

TEST_F(XmlPullReaderFiles, ReadsAFileAsItGoes) {
  const auto path = Write("d.xml", "<d>" + std::string(100000, 'x') + "<e>y</e></d>");
  auto reader = OpenXmlFile(path, {.maxTextBytes = 1 << 20});
  ASSERT_TRUE(reader);
  EXPECT_EQ(Steps(*reader), (Expected{"<d>", "'" + std::string(100000, 'x') + "'", "<e>", "'y'",
                                      "</e>", "</d>", "END"}));
  EXPECT_EQ(OpenXmlFile(dir_.path() / "missing.xml"), nullptr);
}

TEST_F(XmlPullReaderFiles, RefusesExternalEntitiesWithoutReadingThem) {
  const auto secret = Write("secret.txt", "SECRET-CONTENT");
  const std::string url = "file://" + secret.string();
  const auto entities = Write("entities.ent", "<!ENTITY inner SYSTEM \"" + url + "\">");
  const std::string documents[] = {
      "<!DOCTYPE d [<!ENTITY e SYSTEM \"" + url + "\">]><d>&e;</d>",
      "<!DOCTYPE d [<!ENTITY e SYSTEM \"" + secret.string() + "\">]><d>&e;</d>",
      "<!DOCTYPE d [<!ENTITY % p SYSTEM \"file://" + entities.string() + "\"> %p;]><d>&inner;</d>",
      "<!DOCTYPE d [<!ENTITY e SYSTEM \"http://127.0.0.1:9/x\">]><d>&e;</d>",
      "<!DOCTYPE d [<!ENTITY e SYSTEM \"" + url + "\"><!ENTITY w \"&e;\">]><d>&w;</d>",
  };
  for (const std::string& document : documents) {
    std::unique_ptr<XmlPullReader> readers[] = {OpenXmlBytes(document),
                                                OpenXmlFile(Write("hostile.xml", document))};
    for (auto& reader : readers) {
      ASSERT_TRUE(reader);
      std::vector<std::string> steps = Steps(*reader);
      EXPECT_EQ(steps.back(), "ERROR") << document;
      EXPECT_TRUE(reader->RefusedExternalEntity()) << document;
      for (const std::string& step : steps)
        EXPECT_EQ(step.find("SECRET"), std::string::npos) << document;
    }
  }
}

TEST_F(XmlPullReaderFiles, ADocumentTypeWithAnExternalSubsetParsesWithoutFetchingIt) {
  // Were the subset loaded, the refusal would end the read in an error, and its entity
  // would be defined.
  const auto dtd = Write("tmx14.dtd", "<!ENTITY fetched \"yes\">");
  for (const std::string& system : {std::string("tmx14.dtd"), "file://" + dtd.string()}) {
    EXPECT_EQ(StepsOf("<!DOCTYPE tmx SYSTEM \"" + system + "\"><tmx>t</tmx>"),
              (Expected{"<tmx>", "'t'", "</tmx>", "END"}));
    EXPECT_EQ(StepsOf("<!DOCTYPE tmx SYSTEM \"" + system + "\"><tmx>&fetched;</tmx>").back(),
              "ERROR");
  }
}

TEST(XmlPullReader, EntityExpansionStaysWithinTheParsersLimits) {
  std::string laughs = "<!DOCTYPE l [<!ENTITY l0 \"lollollollollollollollollollol\">";
  for (int i = 1; i <= 12; ++i) {
    laughs += "<!ENTITY l" + std::to_string(i) + " \"";
    for (int j = 0; j < 10; ++j)
      laughs += "&l" + std::to_string(i - 1) + ";";
    laughs += "\">";
  }
  laughs += "]><l>&l12;</l>";
  auto reader = OpenXmlBytes(laughs, {.maxTextBytes = std::size_t(1) << 30});
  std::vector<std::string> steps = Steps(*reader);
  EXPECT_EQ(steps.back(), "ERROR");
  EXPECT_FALSE(reader->RefusedExternalEntity());
}

}  // namespace
}  // namespace vorla
