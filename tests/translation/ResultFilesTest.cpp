#include <gtest/gtest.h>

#include <fstream>

#include "config/ConfigFixture.h"
#include "translation/DocumentFormat.h"
#include "translation/ResultFiles.h"

namespace vorla {
namespace {

class ResultFilesTest : public testing::Test {
 protected:
  ResultFilesTest() { config_->SetUiLanguage(UiLanguage::English); }

  std::string NameOf(const std::optional<ResultFile>& file) const {
    return file ? file->path.filename().string() : "-";
  }

  RefPtr<Config> config_ = test::MakeHomeConfig();
  ResultFiles files_{config_};
};

TEST_F(ResultFilesTest, NamedAfterTheSourceWithTheRunningNumber) {
  const std::optional<ResultFile> first = files_.Create("report.docx", kFormatDocx);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->path.parent_path(), config_->Dirs().documentsWork.parent_path());
  EXPECT_EQ(NameOf(first), "report translation~186a1.docx");
  EXPECT_EQ(config_->settings().ReadString("trfuid"), "1");
  config_->SetUiLanguage(UiLanguage::Finnish);
  EXPECT_EQ(NameOf(files_.Create({}, kFormatTxt)), "käännös~186a2.txt");
}

TEST_F(ResultFilesTest, AnExistingFileIsNeverReused) {
  std::ofstream(config_->Dirs().documentsWork / "report translation~186a1.docx") << "mine";
  const std::optional<ResultFile> file = files_.Create("report.docx", kFormatDocx);
  EXPECT_EQ(NameOf(file), "report translation~186a2.docx");
  std::ifstream kept(config_->Dirs().documentsWork / "report translation~186a1.docx");
  std::string content;
  kept >> content;
  EXPECT_EQ(content, "mine");
}

TEST_F(ResultFilesTest, NamesFromElsewhereAreReducedToSafeBaseNames) {
  EXPECT_EQ(NameOf(files_.Create("../../etc/passwd.txt", kFormatTxt)),
            "passwd translation~186a1.txt");
  EXPECT_EQ(NameOf(files_.Create("C:\\docs\\..\\\x01report.rtf", kFormatRtf)),
            "report translation~186a2.rtf");
  EXPECT_EQ(SafeBaseName("https://example.com/a/.hidden.html"), "hidden.html");
  EXPECT_EQ(SafeBaseName("dir/"), "");
}

TEST_F(ResultFilesTest, RefusedNames) {
  EXPECT_EQ(NameOf(files_.Create(std::string(240, 'a') + ".txt", kFormatTxt)), "-");
  EXPECT_TRUE(files_.Create(std::string(150, 'a') + ".txt", kFormatTxt));
  EXPECT_EQ(NameOf(files_.Create("report.lnk", kFormatLnk)), "-");
  EXPECT_EQ(NameOf(files_.Create("report", 0)), "-");
}

TEST_F(ResultFilesTest, CounterWrapsInsteadOfOverflowing) {
  config_->settings().WriteInteger("trfuid", 2147483647);
  EXPECT_EQ(NameOf(files_.Create("a.txt", kFormatTxt)), "a translation~186a0.txt");
  EXPECT_EQ(config_->settings().ReadString("trfuid"), "0");
}

}  // namespace
}  // namespace vorla
