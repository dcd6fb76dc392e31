#include <gtest/gtest.h>

#include "translation/DocumentFormat.h"

namespace vorla {
namespace {

TEST(DocumentFormat, FromFileNames) {
  const std::pair<const char*, int> cases[] = {
      {"page.HTM", 3},
      {"page.xhtml", 3},
      {"page.xht", 3},
      {"page.html", 3},
      {"shortcut.LNK", 17},
      {"archive.tar.gz", 0},  // "gz" is unknown
      {"report.DOCX", 13},
      {"README", 0},
      {"memory.tmx", 100},
      {"notes.txt", 1},
      {"sheet.Xlsx", 15},
      {"trailing.", 0},
      {"/home/user/v1.2/notes", 0},
      {"C:\\docs.old\\slides.PPT", 9},
      {"C:\\docs.old\\slides", 0},
  };
  for (const auto& [name, format] : cases) {
    EXPECT_EQ(FormatOfFileName(name), format) << name;
  }
}

TEST(DocumentFormat, ExtensionsBothWays) {
  for (int format = 1; format <= 15; ++format) {
    EXPECT_EQ(FormatOfExtension(ExtensionOfFormat(format)), format) << format;
  }
  EXPECT_EQ(ExtensionOfFormat(5), "pdf");
  EXPECT_EQ(ExtensionOfFormat(17), "lnk");
  EXPECT_EQ(ExtensionOfFormat(100), "tmx");
  for (const int unknown : {0, 16, 99, -1}) {
    EXPECT_EQ(ExtensionOfFormat(unknown), "") << unknown;
  }
  EXPECT_EQ(FormatOfExtension(""), 0);
  EXPECT_EQ(FormatOfExtension("docx "), 0);
}

}  // namespace
}  // namespace vorla
