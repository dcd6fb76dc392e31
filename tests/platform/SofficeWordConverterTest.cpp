#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/Utf8.h"
#include "documents/files/PaneSaving.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfWriter.h"
#include "platform/ChildProcess.h"
#include "platform/SofficeWordConverter.h"
#include "support/RecordingFileCommandHost.h"
#include "support/TempHome.h"
#include "translation/DocumentFormat.h"

namespace vorla {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// The document as pandoc reads it, in Markdown: an independent reader of .docx.
std::string PandocMarkdown(std::string_view docx) {
  const fs::path folder = test::CurrentHome();
  WriteFile(folder / "check.docx", docx);
  const ProgramOutcome outcome = RunProgram(
      "/usr/bin/pandoc",
      {(folder / "check.docx").string(), "-t", "markdown", "-o", (folder / "check.md").string()},
      60s);
  EXPECT_TRUE(outcome.Succeeded());
  return ReadFile(folder / "check.md");
}

std::string Utf16LittleEndianToUtf8(std::string_view bytes) {
  std::u16string units;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                          static_cast<unsigned char>(bytes[i + 1]) << 8));
  }
  return Utf16ToUtf8(units);
}

bool HasBoldRun(const RichDocument& document, std::string_view text) {
  for (const Paragraph& paragraph : document.paragraphs) {
    for (const InlineItem& item : paragraph.items) {
      const auto* run = std::get_if<TextRun>(&item);
      if (run && run->format.bold && run->text.find(text) != std::string::npos) return true;
    }
  }
  return false;
}

// One converter, and so one profile, for the whole program; its tests run one at a time.
SofficeWordConverter& Converter() {
  static SofficeWordConverter converter({.profileFolder = VORLA_CONVERTER_PROFILE});
  return converter;
}

class SofficeWordConverterTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Converter().IsAvailable()) << "scripts/setup installs soffice";
  }

  const std::string report_ = ReadFile(fs::path(VORLA_PLATFORM_FIXTURES) / "report.docx");
};

TEST_F(SofficeWordConverterTest, ADocxGoesToThePaneAndBackWithItsTextAndFormatting) {
  const std::optional<std::string> rtf =
      Converter().ConvertFromWord(report_, kFormatDocx, WordResult::kRtf);
  ASSERT_TRUE(rtf);
  RichDocument pane = RtfReader().Read(*rtf);
  const std::string text = PaneText(pane, StreamEncoding::Utf8);
  EXPECT_NE(text.find("Quarterly report"), std::string::npos) << text;
  EXPECT_NE(text.find("Second paragraph."), std::string::npos) << text;
  EXPECT_TRUE(HasBoldRun(pane, "house"));

  pane.paragraphs.StartParagraph();
  pane.paragraphs.AppendText({}, "Lis\xC3\xA4tty rivi.");
  const std::optional<std::string> docx =
      Converter().ConvertToWord(RtfWriter().Write(pane), kFormatDocx);
  ASSERT_TRUE(docx);
  const std::string markdown = PandocMarkdown(*docx);
  EXPECT_NE(markdown.find("Quarterly report"), std::string::npos) << markdown;
  EXPECT_NE(markdown.find("**house**"), std::string::npos) << markdown;
  EXPECT_NE(markdown.find("Lis\xC3\xA4tty rivi."), std::string::npos) << markdown;
}

TEST_F(SofficeWordConverterTest, PlainTextComesAsUtf16WithoutAMark) {
  const std::optional<std::string> text =
      Converter().ConvertFromWord(report_, kFormatDocx, WordResult::kUtf16Text);
  ASSERT_TRUE(text);
  ASSERT_GE(text->size(), 2u);
  EXPECT_FALSE(text->starts_with("\xFF\xFE"));
  const std::string utf8 = Utf16LittleEndianToUtf8(*text);
  EXPECT_TRUE(utf8.starts_with("Quarterly report")) << utf8;
  EXPECT_NE(utf8.find("The house is small."), std::string::npos) << utf8;
}

TEST_F(SofficeWordConverterTest, AWord97DocumentIsWrittenAndReadBack) {
  const std::optional<std::string> doc =
      Converter().ConvertToWord("{\\rtf1\\ansi Old {\\b format} here.\\par}", kFormatDoc);
  ASSERT_TRUE(doc);
  EXPECT_TRUE(doc->starts_with("\xD0\xCF\x11\xE0")) << "a compound file";
  const std::optional<std::string> rtf =
      Converter().ConvertFromWord(*doc, kFormatDoc, WordResult::kRtf);
  ASSERT_TRUE(rtf);
  const RichDocument pane = RtfReader().Read(*rtf);
  EXPECT_NE(PaneText(pane, StreamEncoding::Utf8).find("Old format here."), std::string::npos);
  EXPECT_TRUE(HasBoldRun(pane, "format"));
}

TEST_F(SofficeWordConverterTest, OtherFormatsAndBrokenDocumentsGiveNothing) {
  EXPECT_FALSE(Converter().ConvertFromWord(report_, kFormatPdf, WordResult::kRtf));
  EXPECT_FALSE(Converter().ConvertToWord("{\\rtf1 x}", kFormatRtf));
  EXPECT_FALSE(Converter().ConvertFromWord("PK\x03\x04 not a zip", kFormatDocx, WordResult::kRtf));
}

// A pane whose Word documents the converter makes, as the main window's are.
class ConvertingPane final : public SavedPane {
 public:
  explicit ConvertingPane(RichDocument document) : document_(std::move(document)) {}
  std::string PlainRtf() override { return RtfWriter().Write(document_); }
  std::string PlainText() override { return PaneText(document_, StreamEncoding::Utf8); }
  std::optional<std::string> ConvertToWord(std::string_view rtf, int format) override {
    return Converter().ConvertToWord(rtf, format);
  }

 private:
  RichDocument document_;
};

TEST_F(SofficeWordConverterTest, APaneSavedAsWordIsADocxThatPandocReads) {
  const fs::path folder = test::CurrentHome() / "saved";
  fs::create_directories(folder);
  ConvertingPane pane(
      RtfReader().Read("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Calibri;}}Saved {\\b pane} text.\\par "
                       "Toinen kappale \\'e4\\'f6.\\par}"));
  test::RecordingHost host;
  // The save dialog's third filter is "Word document" when Word can save.
  EXPECT_EQ(SavePaneToFile((folder / "summary").string(), 3, {true, true}, pane, host,
                           UiLanguage::English),
            SaveOutcome::Saved);
  EXPECT_TRUE(host.messages.empty());
  const std::string docx = ReadFile(folder / "summary.docx");
  ASSERT_TRUE(docx.starts_with("PK")) << "a zip package";
  const std::string markdown = PandocMarkdown(docx);
  EXPECT_NE(markdown.find("Saved **pane** text."), std::string::npos) << markdown;
  EXPECT_NE(markdown.find("Toinen kappale \xC3\xA4\xC3\xB6."), std::string::npos) << markdown;
}

TEST(SofficeWordConverter, WithoutTheProgramWordIsNotAvailableAndNothingConverts) {
  SofficeWordConverter missing(
      {.profileFolder = test::CurrentHome() / "profile", .program = "vorla-no-such-converter"});
  EXPECT_FALSE(missing.IsAvailable());
  EXPECT_FALSE(missing.ConvertToWord("{\\rtf1 x}", kFormatDocx));
}

}  // namespace
}  // namespace vorla
