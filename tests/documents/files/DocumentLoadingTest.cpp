#include <gtest/gtest.h>

#include <fstream>

#include "documents/files/DocumentFileReading.h"
#include "documents/files/DocumentLoading.h"
#include "documents/files/RecordingFileHost.h"
#include "support/TempHome.h"
#include "translation/DocumentFormat.h"

namespace vorla {
namespace {

using namespace std::string_literals;

std::filesystem::path WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

TEST(DocumentFileSize, BoundaryIsCheckedBeforeReading) {
  EXPECT_TRUE(DocumentSizeAccepted(511'999'999));
  EXPECT_FALSE(DocumentSizeAccepted(512'000'000));
}

TEST(DocumentFileSize, SparseFileOfTheLimitIsRefusedWithoutReading) {
  test::TempDir dir;
  const std::filesystem::path path = dir.path() / "huge.txt";
  WriteFile(path, "");
  std::filesystem::resize_file(path, 512'000'000);
  test::RecordingFileHost host;
  EXPECT_FALSE(LoadDocumentFile(path.string(), LoadMode::Translate, host, UiLanguage::English));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0],
            "Cannot open file \"" + path.string() + "\" because its size is too big.");
}

TEST(DocumentLoading, RefusalsByMode) {
  struct Case {
    std::string name;
    LoadMode mode;
    std::string message;  // "@" stands for the full path; empty when the file is loaded
  };
  const Case cases[] = {
      {"data.tmx", LoadMode::Translate,
       "File cannot be translated because its format (.tmx) is not supported."},
      {"data.verylong", LoadMode::Translate, "The file format of \"@\" is not supported."},
      {"dir.v2/notes", LoadMode::Translate, "The file format of \"@\" is not supported."},
      {"data.tmx", LoadMode::Open,
       "Cannot load the file because its format (.tmx) is not supported."},
      {"dir.v2/notes", LoadMode::Open, ""},
      {"link.lnk", LoadMode::Open, "Open file failed - invalid shortcut file!"},
      {"link.lnk", LoadMode::Translate, "Open file failed - invalid shortcut file!"},
      {"report.pdf", LoadMode::Translate, ""},
      {"report.pdf", LoadMode::Open, ""},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    const std::string path = WriteFile(dir.path() / c.name, "content").string();
    test::RecordingFileHost host;
    const std::optional<LoadedDocument> loaded =
        LoadDocumentFile(path, c.mode, host, UiLanguage::English);
    std::string expected = c.message;
    if (const std::size_t at = expected.find('@'); at != std::string::npos) {
      expected.replace(at, 1, path);
    }
    if (expected.empty()) {
      ASSERT_TRUE(loaded) << c.name;
      EXPECT_EQ(loaded->content, "content");
      EXPECT_TRUE(host.messages.empty()) << c.name;
    } else {
      EXPECT_FALSE(loaded) << c.name;
      EXPECT_EQ(host.messages, std::vector<std::string>{expected}) << c.name;
    }
  }
}

TEST(DocumentLoading, EmptyAndMissingFiles) {
  test::TempDir dir;
  const std::string empty = WriteFile(dir.path() / "empty.txt", "").string();
  const std::string missing = (dir.path() / "missing.txt").string();
  test::RecordingFileHost host;
  EXPECT_FALSE(LoadDocumentFile(empty, LoadMode::Open, host, UiLanguage::Finnish));
  EXPECT_FALSE(LoadDocumentFile(missing, LoadMode::Open, host, UiLanguage::English));
  EXPECT_EQ(host.messages,
            (std::vector<std::string>{"Valittu tiedosto on tyhjä.",
                                      "Cannot access file \"" + missing +
                                          "\". It may be in use by another application."}));
}

TEST(DocumentLoading, WhatOpenDoesByType) {
  EXPECT_EQ(PaneLoadOf(kFormatRtf, false), PaneLoad::Rtf);
  EXPECT_EQ(PaneLoadOf(kFormatDocx, true), PaneLoad::Word);
  EXPECT_EQ(PaneLoadOf(kFormatDoc, false), PaneLoad::OfferTranslation);
  EXPECT_EQ(PaneLoadOf(kFormatXml, false), PaneLoad::Text);
  EXPECT_EQ(PaneLoadOf(kFormatUnknown, false), PaneLoad::Text);
  EXPECT_EQ(PaneLoadOf(kFormatPdf, true), PaneLoad::OfferTranslation);
  EXPECT_EQ(OfferTranslationQuestion(kFormatPdf, UiLanguage::English),
            "PDF files cannot be displayed in the translation window. You can translate the "
            "file by choosing \"Action->Translate file\" from the top menu.\r\n\r\nDo you want "
            "to translate the file now?");
  EXPECT_TRUE(OfferTranslationQuestion(kFormatDocx, UiLanguage::Finnish)
                  .starts_with("DOCX-tiedostoja ei voida näyttää käännösikkunassa. Voit"));
}

TEST(DocumentLoading, TextEncodings) {
  struct Case {
    std::string bytes;
    std::string sent;
    int encoding;
    std::string shown;
    bool fromCodePage;
  };
  const Case cases[] = {
      {"\xEF\xBB\xBFK\xC3\xA4si", "K\xC3\xA4si", 1, "K\xC3\xA4si", false},
      {"\xFF\xFEK\0\xE4\0"s, "K\xC3\xA4", 1, "K\xC3\xA4", false},
      {"\xFE\xFF\0K\0\xE4"s, "K\xC3\xA4", 1, "K\xC3\xA4", false},
      // The client's own saved text: UTF-8 without a mark.
      {"K\xC3\xA4si\r\n", "K\xC3\xA4si\r\n", 1, "K\xC3\xA4si\r\n", false},
      {"K\xE4si", "K\xE4si", 0, "K\xC3\xA4si", true},
      {"plain", "plain", 0, "plain", true},
  };
  for (const Case& c : cases) {
    const TextFileSource source = TextFileSourceOf(c.bytes);
    EXPECT_EQ(source.bytes, c.sent) << testing::PrintToString(c.bytes);
    EXPECT_EQ(source.encoding, c.encoding) << testing::PrintToString(c.bytes);
    const PaneText pane = PaneTextOf(c.bytes);
    EXPECT_EQ(pane.utf8, c.shown) << testing::PrintToString(c.bytes);
    EXPECT_EQ(pane.fromCodePage, c.fromCodePage) << testing::PrintToString(c.bytes);
  }
}

TEST(DocumentLoading, SourceLengthStatus) {
  EXPECT_EQ(SourceLengthStatus(3, 42, UiLanguage::English), "Source text length: 42 characters");
  EXPECT_EQ(SourceLengthStatus(4, 7, UiLanguage::Finnish), "Lähtötekstin pituus: 7 merkkiä");
  EXPECT_EQ(SourceLengthStatus(1, 42, UiLanguage::English), "");
  EXPECT_EQ(SourceLengthStatus(3, 0, UiLanguage::English), "");
}

}  // namespace
}  // namespace vorla
