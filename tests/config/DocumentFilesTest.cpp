#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "ConfigFixture.h"

namespace vorla {
namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& path) {
  fs::create_directories(path.parent_path());
  std::ofstream(path) << "x";
}

TEST(CleanDocumentsWorkFolder, DeletesOnlyDocumentTypeFilesDirectlyInTheFolder) {
  auto config = test::MakeHomeConfig();
  const fs::path work = config->Dirs().documentsWork;

  struct Case {
    const char* name;
    bool deleted;
  };
  const Case cases[] = {
      {"a.rtf", true},        {"a.csv", true},        {"a.doc", true},
      {"a.ppt", true},        {"a.xls", true},        {"a.docx", true},
      {"a.pptx", true},       {"a.xlsx", true},       {"a.odt", true},
      {"a.odp", true},        {"a.ods", true},        {"a.html", true},
      {"a.pdf", true},        {"a.png", true},        {"a.log", true},
      {"a.txt", true},        {"a.xml", true},        {"a.mp3", true},
      {"B.DOCX", true},       {"c.Pdf", true},        {".docx", true},
      {"two.dots.txt", true}, {"a.bak", false},       {"x.docx.bak", false},
      {"a.htm", false},       {"a.docxx", false},     {"docx", false},
      {"a.", false},          {"sub/in.docx", false}, {"sub.docx/in.txt", false},
  };
  for (const Case& c : cases)
    Touch(work / c.name);

  config->CleanDocumentsWorkFolder();

  for (const Case& c : cases)
    EXPECT_EQ(fs::exists(work / c.name), !c.deleted) << c.name;
  EXPECT_TRUE(fs::is_directory(work / "sub.docx"));
}

TEST(CleanDocumentsWorkFolder, AMissingFolderIsNoError) {
  auto config = test::MakeHomeConfig();
  fs::remove_all(config->Dirs().documentsWork);
  config->CleanDocumentsWorkFolder();
  EXPECT_FALSE(fs::exists(config->Dirs().documentsWork));
}

}  // namespace
}  // namespace vorla
