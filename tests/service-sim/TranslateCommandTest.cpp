#include <gtest/gtest.h>

#include "SimRequest.h"
#include "TranslationFixture.h"
#include "TranslationRequest.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"

namespace vorla::sim::test {
namespace {

constexpr std::uint32_t kEveryFlow = 0x2000000;
constexpr std::uint32_t kNoUnknownMarks = 0x100;
constexpr std::uint32_t kAutomatic = 0x200;
constexpr std::uint32_t kCompressed = 0x400 | 0x800;
constexpr std::uint32_t kLookup = 0x200000;
constexpr std::uint32_t kAlignment = 0x40000000;

std::string LittleEndians(std::initializer_list<std::int32_t> values) {
  std::string out;
  for (const std::int32_t value : values) {
    for (int shift = 0; shift < 32; shift += 8)
      out.push_back(static_cast<char>(static_cast<std::uint32_t>(value) >> shift));
  }
  return out;
}

// The block after the header of a result-id answer.
std::string ResultIdBlock(char contentFlag, char targetFormat) {
  return {contentFlag, targetFormat, '\0', '\0', '\0', '\0'};
}

using TranslateCommandTest = TranslationCommandsTest;

TEST_F(TranslateCommandTest, TranslatesEverydayEnglishIntoFinnishInWindows1252) {
  const TrReply reply = Translate(
      {.srctxt = "The weather is good today. I go to work on Monday and my friend comes with "
                 "me. We have a small house near the city. Do you want to eat with us?"});
  EXPECT_EQ(reply.status, 0);
  EXPECT_EQ(reply.source, 0);
  EXPECT_EQ(reply.target, 1);
  EXPECT_EQ(reply.payload,
            Latin1(u"Sää on hyvä tänään. Minä mennä työ päällä maanantai ja minun ystävä tulee "
                   u"kanssa minua. Me omistaa pieni talo lähellä kaupunki. Tehdä te haluta syödä "
                   u"kanssa meitä?"));
}

TEST_F(TranslateCommandTest, AnswersInTheEncodingAndPairAskedFor) {
  const std::string price3 = SessionOf("price3");
  const std::string price4 = SessionOf("price4");
  struct Case {
    TrBody body;
    std::string cookie;
    std::string translation;  // the exact bytes
  };
  const Case cases[] = {
      {{.srclan = 0, .tgtlan = 2, .srctxt = "The dog sleeps at night."},
       demo_,
       "Hund sleeps? vid natt."},
      {{.enc = 1, .srctxt = "Night and day\r\nHello"}, demo_, "Yö ja päivä\r\nHei"},
      {{.trflags = kEveryFlow | kNoUnknownMarks,
        .srclan = 1,
        .tgtlan = 0,
        .srctxt = Latin1(u"Yö, xyz.")},
       demo_,
       "Night, xyz."},
      {{.enc = 1, .srclan = 108, .tgtlan = 110, .srctxt = "A cold night."}, price3, "Kylmä yö."},
      {{.enc = 1, .srclan = 108, .tgtlan = 130, .srctxt = "A cold night."},
       price3,
       "[ru] A cold night."},
      {{.enc = 1, .srclan = 248, .tgtlan = 219, .srctxt = "Добрый вечер"},
       price4,
       "[fi] Добрый вечер"},
  };
  for (const Case& c : cases) {
    const TrReply reply = ParseTr(Post(c.body.Text(), c.cookie).body);
    EXPECT_EQ(reply.payload, c.translation) << c.body.srctxt;
    EXPECT_EQ(std::make_pair(reply.source, reply.target),
              std::make_pair(c.body.srclan, c.body.tgtlan));
  }

  const std::u16string utf16 = u"Yö.";
  const std::string utf16Bytes(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2);
  const std::u16string night = u"Night.";
  EXPECT_EQ(Translate({.enc = 32, .srclan = 1, .tgtlan = 0, .srctxt = utf16Bytes}).payload,
            std::string(reinterpret_cast<const char*>(night.data()), night.size() * 2));
}

TEST_F(TranslateCommandTest, PicksAndReportsTheDirectionWhenAskedTo) {
  struct Case {
    std::string text;
    int srclan;
    int tgtlan;
    std::pair<std::int32_t, std::int32_t> reported;
    std::string translation;
  };
  const Case cases[] = {
      {"Talo on iso ja kaunis.", 0, 1, {1, 0}, "House is big and beautiful."},
      {"The house is big.", 1, 0, {0, 1}, "Talo on iso."},
      {"xyzzy", 1, 0, {1, 0}, "xyzzy?"},  // no known word: the pair asked for
      {"xyzzy", 0, 2, {0, 1}, "xyzzy?"},
  };
  for (const Case& c : cases) {
    const TrReply reply = Translate({.trflags = kEveryFlow | kAutomatic,
                                     .srclan = c.srclan,
                                     .tgtlan = c.tgtlan,
                                     .srctxt = c.text});
    EXPECT_EQ(std::make_pair(reply.source, reply.target), c.reported) << c.text;
    EXPECT_EQ(reply.payload, c.translation) << c.text;
  }
}

TEST_F(TranslateCommandTest, TranslatesTheTextRunsOfRtfAndKeepsTheirFormatting) {
  const TrBody body{.trflags = kEveryFlow | kAlignment,
                    .srcformat = 2,
                    .srctxt =
                        R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\f0\fs20 )"
                        R"(The {\b house} is big.\par I see a {\i dog}.})"};
  const TrReply reply = ParseTr(Post(body.Text()).body, true);
  ASSERT_EQ(reply.status, 0);
  ASSERT_TRUE(reply.payload.starts_with("{\\rtf1"));
  const RichDocument document = RtfReader().Read(reply.payload);
  EXPECT_EQ(PaneText(document, StreamEncoding::Utf8), "Talo on iso.\nMinä nähdä koira.");
  bool boldHouse = false;
  bool italicDog = false;
  for (const Paragraph& paragraph : document.paragraphs) {
    for (const InlineItem& item : paragraph.items) {
      const auto* run = std::get_if<TextRun>(&item);
      boldHouse = boldHouse || (run && run->text == "Talo" && run->format.bold);
      italicDog = italicDog || (run && run->text == "koira" && run->format.italic);
      if (run) {
        EXPECT_EQ(run->format.fontFamily, "Arial");
      }
    }
  }
  EXPECT_TRUE(boldHouse);
  EXPECT_TRUE(italicDog);
  // The panes' positions, one character for the paragraph break.
  EXPECT_EQ(reply.secondPart, LittleEndians({2, 0, 17, 0, 12, 18, 30, 13, 30}));
}

TEST_F(TranslateCommandTest, AlignsTheSentencesOfPlainText) {
  const TrReply reply = ParseTr(
      Post(TrBody{.trflags = kEveryFlow | kAlignment, .srctxt = "I am here. You go home."}.Text())
          .body,
      true);
  EXPECT_EQ(reply.payload, Latin1(u"Minä olen täällä. Te mennä koti."));
  EXPECT_EQ(reply.secondPart, LittleEndians({2, 0, 10, 0, 17, 11, 23, 18, 32}));

  // CR LF is one character of the pane, and left-out articles move the translation.
  const std::string source = "The dog is here!\r\nA cat? The end";
  const TrReply lines =
      ParseTr(Post(TrBody{.trflags = kEveryFlow | kAlignment, .srctxt = source}.Text()).body, true);
  ASSERT_TRUE(lines.secondPart);
  const std::string& table = *lines.secondPart;
  ASSERT_EQ(table.size(), 4u + 16u * 3u);
  ASSERT_EQ(LittleEndianAt(table, 0), 3);
  const std::string sourcePane = "The dog is here!\nA cat? The end";
  const std::string targetPane = Latin1(u"Koira on täällä!\nKissa? Loppu");
  ASSERT_EQ(lines.payload, Latin1(u"Koira on täällä!\r\nKissa? Loppu"));
  const std::pair<std::string, std::string> expected[] = {
      {"The dog is here!", Latin1(u"Koira on täällä!")},
      {"A cat?", "Kissa?"},
      {"The end", "Loppu"},
  };
  for (std::size_t i = 0; i < 3; ++i) {
    const auto at = [&table, i](std::size_t field) {
      return static_cast<std::size_t>(LittleEndianAt(table, 4 + 16 * i + 4 * field));
    };
    EXPECT_EQ(sourcePane.substr(at(0), at(1) - at(0)), expected[i].first);
    EXPECT_EQ(targetPane.substr(at(2), at(3) - at(2)), expected[i].second);
  }
}

TEST_F(TranslateCommandTest, InflatesACompressedSourceAndCompressesTheAnswer) {
  const std::string source = "The house is big. " + std::string(2000, ' ') + "Yes.";
  const TrReply reply = Translate(
      {.trflags = kEveryFlow | kCompressed, .trflagsext = 0x400, .srctxt = Compressed(source)});
  ASSERT_EQ(reply.status, 0);
  EXPECT_EQ(Uncompressed(reply.payload),
            "Talo on iso. " + std::string(2000, ' ') + Latin1(u"Kyllä."));
  // The request log gives the source as the service read it.
  const TranslationRequest logged = DecodeTranslationRequest(simulator_.Requests().back());
  EXPECT_EQ(logged.source, source);
  EXPECT_EQ(logged.flags, kEveryFlow | kCompressed);
  EXPECT_EQ(logged.extendedFlags, 0x400u);

  const std::string truncated = Compressed(source).substr(0, 20);
  for (const std::string& broken :
       {std::string("not a zlib stream"), truncated, Compressed(source) + "tail"}) {
    EXPECT_EQ(Post(TrBody{.trflags = kEveryFlow | kCompressed, .srctxt = broken}.Text()).body,
              Int32s({5, 0, 1, 0}));
  }
}

TEST_F(TranslateCommandTest, LooksUpOneWordInTheDictionary) {
  struct Case {
    std::uint32_t flags;
    std::string word;
    std::pair<std::int32_t, std::int32_t> reported;
    std::string answer;
  };
  const Case cases[] = {
      {kLookup, "work", {0, 1}, Latin1(u"#DICT;\n1. työ (Noun)\n2. työskennellä (Verb)\n")},
      {kLookup, " went\r\n", {0, 1}, "#DICT;\n1. meni (Verb,Past)\n"},
      {kLookup | kAutomatic, "talot", {1, 0}, "#DICT;\n1. houses (Noun,PL)\n"},
      {kLookup, "xyzzy", {0, 1}, "xyzzy?"},  // not in the list: translated as text
  };
  for (const Case& c : cases) {
    const TrReply reply = Translate({.trflags = kEveryFlow | c.flags, .srctxt = c.word});
    EXPECT_EQ(reply.payload, c.answer) << c.word;
    EXPECT_EQ(std::make_pair(reply.source, reply.target), c.reported) << c.word;
  }
}

TEST_F(TranslateCommandTest, AnswersAWebPageWithAResultId) {
  const std::string webPage =
      "cmd=tr&p=6&pid=4&ver=3.1.2&rt=3&trflags=33554432&trflagsext=2048&sentype=10&srcformat=3"
      "&srclan=0&tgtformat=3&tgtlan=1&formating=0&srcurl=" +
      FormValue("https://example.com/");
  const std::string block = ResultIdBlock(0, 3);
  EXPECT_EQ(Post(webPage).body, Int32s({0, 0, 1, 15}) + block + "simresult000001");
  EXPECT_EQ(Post(webPage).body, Int32s({0, 0, 1, 15}) + block + "simresult000002");

  simulator_.context().translation.SetResultIds({.id = "1234567"});
  EXPECT_EQ(Post(webPage).body, Int32s({0, 0, 1, 7}) + block + "1234567");

  simulator_.context().translation.SetResultIds({.document = true});
  const std::string document =
      "<html><head><title>[fi] https://example.com/</title></head><body><p>[fi] "
      "https://example.com/</p></body></html>\r\n";
  EXPECT_EQ(Post(webPage).body, Int32s({0, 0, 1, static_cast<std::int32_t>(document.size())}) +
                                    ResultIdBlock(1, 3) + document);

  // An online document is answered in normal mode.
  const std::string onlineDocument =
      "cmd=tr&p=6&pid=4&ver=3.1.2&trflags=33554432&trflagsext=1024&sentype=10&srcformat=5"
      "&srclan=0&tgtformat=5&tgtlan=1&formating=0&srcurl=" +
      FormValue("https://example.com/a.pdf");
  // A PDF that shows the address (DocumentAnswersTest reads such documents back).
  const std::string pdf = ParseTr(Post(onlineDocument).body).payload;
  EXPECT_TRUE(pdf.starts_with("%PDF-"));
  EXPECT_NE(pdf.find("([fi] https://example.com/a.pdf) Tj"), std::string::npos) << pdf;

  // Result-id mode even where the request did not ask for it.
  simulator_.context().translation.SetResultIds({.always = true});
  EXPECT_EQ(Post(TrBody{.srctxt = "Yes."}.Text()).body,
            Int32s({0, 0, 1, 15}) + ResultIdBlock(0, 1) + "simresult000003");
}

}  // namespace
}  // namespace vorla::sim::test
