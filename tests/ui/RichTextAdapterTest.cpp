#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>

#include "PaneFixtures.h"
#include "documents/rtf/PlainText.h"
#include "ui/panes/RichTextExport.h"
#include "ui/panes/RichTextImport.h"
#include "ui/panes/TextPane.h"

namespace vorla {

namespace {

using test::Para;
using test::RunOf;

RichDocument RoundTrip(const RichDocument& document) {
  QTextDocument qt;
  QTextCursor cursor(&qt);
  InsertRichDocument(cursor, document);
  return RichDocumentFromRange(qt, 0, qt.characterCount() - 1);
}

CharacterFormat With(auto set) {
  CharacterFormat format;
  set(format);
  return format;
}

TEST(RichTextAdapter, EveryAttributeSurvivesTheWayThroughQt) {
  const EmbeddedObject picture{ObjectKind::Picture, test::PngPictureRtf()};
  const EmbeddedObject object{ObjectKind::Object, R"({\object\objemb{\*\objdata 0102}})"};
  const struct {
    const char* what;
    std::vector<Paragraph> paragraphs;
  } cases[] = {
      {"plain", {Para({RunOf("plain text")})}},
      {"font", {Para({RunOf("a", With([](auto& f) { f.fontFamily = "DejaVu Serif"; }))})}},
      {"size", {Para({RunOf("a", With([](auto& f) { f.fontSizeHalfPoints = 27; }))})}},
      {"bold", {Para({RunOf("a", With([](auto& f) { f.bold = true; }))})}},
      {"italic", {Para({RunOf("a", With([](auto& f) { f.italic = true; }))})}},
      {"underline", {Para({RunOf("a", With([](auto& f) { f.underline = true; }))})}},
      {"strike-out", {Para({RunOf("a", With([](auto& f) { f.strikeOut = true; }))})}},
      {"colour", {Para({RunOf("a", With([](auto& f) {
                                f.color = RgbColor{1, 2, 3};
                              }))})}},
      {"black is not automatic",
       {Para({RunOf("a", With([](auto& f) { f.color = RgbColor{}; })), RunOf("b")})}},
      {"superscript", {Para({RunOf("a", With([](auto& f) {
                                     f.verticalPosition = VerticalPosition::Superscript;
                                   }))})}},
      {"subscript", {Para({RunOf("a", With([](auto& f) {
                                   f.verticalPosition = VerticalPosition::Subscript;
                                 }))})}},
      {"link",
       {Para({RunOf("see "),
              RunOf("here", With([](auto& f) { f.linkTarget = "https://a.example/?q=1"; })),
              RunOf(".")})}},
      {"all at once", {Para({RunOf("x", With([](auto& f) {
                                     f = {"DejaVu Sans",
                                          19,
                                          true,
                                          true,
                                          true,
                                          true,
                                          RgbColor{200, 0, 9},
                                          VerticalPosition::Subscript,
                                          "mailto:a@b.example"};
                                   }))})}},
      {"tabs and line breaks", {Para({RunOf("a\tb\vc\t")})}},
      {"Finnish and beyond", {Para({RunOf("äöå ÄÖÅ € Ж 😀 x")})}},
      {"alignments",
       {Para({RunOf("r")}, {ParagraphAlignment::Right}),
        Para({RunOf("c")}, {ParagraphAlignment::Center}),
        Para({RunOf("j")}, {ParagraphAlignment::Justify})}},
      {"indents and spacing",
       {Para({RunOf("i")}, {ParagraphAlignment::Left, 720, 361, -367, 120, 7})}},
      {"empty paragraphs", {Para({}), Para({RunOf("middle")}), Para({})}},
      {"objects",
       {Para({RunOf("a"), picture, RunOf("b"), object}), Para({object, object, picture, picture})}},
  };
  for (const auto& c : cases) {
    const RichDocument document{c.paragraphs};
    EXPECT_EQ(RoundTrip(document), document) << c.what;
  }
}

TEST(RichTextAdapter, RangeCutsRunsAndKeepsParagraphFormats) {
  const RichDocument document{{
      Para({RunOf("ab"), RunOf("cd", With([](auto& f) { f.bold = true; }))},
           {ParagraphAlignment::Center}),
      Para({RunOf("ef")}, {ParagraphAlignment::Right}),
  }};
  QTextDocument qt;
  QTextCursor cursor(&qt);
  InsertRichDocument(cursor, document);
  EXPECT_EQ(RichDocumentFromRange(qt, 1, 3),
            (RichDocument{{Para({RunOf("b"), RunOf("c", With([](auto& f) { f.bold = true; }))},
                                {ParagraphAlignment::Center})}}));
  // A range that ends with a paragraph break holds the empty start of the next paragraph.
  EXPECT_EQ(RichDocumentFromRange(qt, 3, 5),
            (RichDocument{{Para({RunOf("d", With([](auto& f) { f.bold = true; }))},
                                {ParagraphAlignment::Center}),
                           Para({}, {ParagraphAlignment::Right})}}));
}

// Paragraphs, a tab, a line break, an object, Finnish and a character outside the BMP.
RichDocument MixedDocument() {
  return {{Para({RunOf("Yksi.")}),
           Para({RunOf("Kaksi\tkolme\vneljä 😀 viisi"),
                 EmbeddedObject{ObjectKind::Picture, test::PngPictureRtf()}, RunOf("kuusi")}),
           Para({}), Para({RunOf("😀😀.")})}};
}

TEST(RichTextAdapter, PanePositionsCountAsThePaneText) {
  TextPane pane;
  pane.SetRichDocument(MixedDocument());
  const std::string ansi = PaneText(MixedDocument(), StreamEncoding::Windows1252);
  const std::u32string characters =
      QString::fromStdString(PaneText(MixedDocument(), StreamEncoding::Utf8)).toStdU32String();
  const int length = pane.CharacterCount();
  ASSERT_EQ(length, static_cast<int>(ansi.size()));
  ASSERT_EQ(characters.size(), ansi.size());
  // Qt counts two units for each of the three characters outside the BMP.
  EXPECT_EQ(pane.document()->characterCount() - 1, length + 3);
  for (int position = 0; position < length; ++position) {
    EXPECT_EQ(pane.CharacterAt(position), characters[static_cast<std::size_t>(position)])
        << position;
  }
  // Every range selects exactly the pane text between its positions.
  for (int start = 0; start <= length; ++start) {
    for (int end = start; end <= length; ++end) {
      pane.SelectRange(start, end);
      ASSERT_EQ(pane.Selection(), (PaneSpan{start, end}));
      ASSERT_EQ(PaneText(pane.GetRichDocument(PaneRange::Selection), StreamEncoding::Windows1252),
                ansi.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)))
          << start << "-" << end;
    }
  }
}

}  // namespace
}  // namespace vorla
