#include <gtest/gtest.h>

#include <cstdint>

#include "documents/files/PicturePackage.h"
#include "documents/files/ResultLinks.h"
#include "support/FileBytes.h"

namespace vorla {
namespace {

std::string Picture(std::string_view name, std::string_view data) {
  return test::LengthPrefixed(name) + test::LengthPrefixed(data);
}

std::vector<std::string> NamesOf(const PicturePackage& package) {
  std::vector<std::string> names;
  for (const PackagePicture& picture : package.pictures)
    names.emplace_back(picture.name);
  return names;
}

TEST(PicturePackage, Cases) {
  const std::string longName(64, 'n');
  const std::string longestName(63, 'n');
  struct Case {
    std::string label;
    std::string bytes;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"two pictures",
       test::LengthPrefixed("doc.html") + test::LittleEndian32(2) + Picture("a.png", "AA") +
           Picture("b.png", "B"),
       {"a.png", "b.png"}},
      {"count 2001",
       test::LengthPrefixed("doc.html") + test::LittleEndian32(2001) + Picture("a.png", "AA"),
       {}},
      {"count 2000 with one picture",
       test::LengthPrefixed("doc.html") + test::LittleEndian32(2000) + Picture("a.png", "AA"),
       {"a.png"}},
      {"name length 64 stops",
       test::LengthPrefixed("d") + test::LittleEndian32(2) + Picture("a.png", "A") +
           Picture(longName, "B"),
       {"a.png"}},
      {"name length 63",
       test::LengthPrefixed("d") + test::LittleEndian32(1) + Picture(longestName, "B"),
       {longestName}},
      {"name length 0 is read",
       test::LengthPrefixed("d") + test::LittleEndian32(2) + Picture("", "A") +
           Picture("b.png", "B"),
       {"", "b.png"}},
      {"data past the end",
       test::LengthPrefixed("d") + test::LittleEndian32(2) + Picture("a.png", "A") +
           test::LengthPrefixed("b.png") + test::LittleEndian32(100) + "short",
       {"a.png"}},
      {"name past the end",
       test::LengthPrefixed("d") + test::LittleEndian32(1) + test::LittleEndian32(40) + "abc",
       {}},
      {"document name past the end", test::LittleEndian32(100) + "abcd", {}},
      {"picture of 4,000,001 bytes stops",
       test::LengthPrefixed("d") + test::LittleEndian32(1) + test::LengthPrefixed("a.png") +
           test::LittleEndian32(4'000'001),
       {}},
      {"part under 8 bytes", test::LittleEndian32(0) + "abc", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NamesOf(ReadPicturePackage(c.bytes)), c.names) << c.label;
  }
  const std::string bytes =
      test::LengthPrefixed("doc.html") + test::LittleEndian32(1) + Picture("a.png", "PNGDATA");
  const PicturePackage package = ReadPicturePackage(bytes);
  EXPECT_EQ(package.documentName, "doc.html");
  ASSERT_EQ(package.pictures.size(), 1u);
  EXPECT_EQ(package.pictures[0].data, "PNGDATA");
}

TEST(PicturePackage, PlainNames) {
  const std::pair<std::string, bool> cases[] = {
      {"a.png", true},
      {"", false},
      {".", false},
      {"..", false},
      {"../x.png", false},
      {"a\\b.png", false},
      {std::string("a\0b", 3), false},
      {"a\nb.png", false},
      {"page.html", false},
      {"..png", true},
  };
  for (const auto& [name, plain] : cases) {
    EXPECT_EQ(IsPlainPictureName(name, "page.html"), plain) << testing::PrintToString(name);
  }
}

TEST(ResultLinks, RewritesLinksToTheDocumentOnly) {
  const std::string package = test::LengthPrefixed("doc.html") + test::LittleEndian32(0);
  const std::string page =
      "<a href=\"doc.html\">top</a> <a href=\"doc.html#p2\">two</a> "
      "<a href=\"doc.html5\">other</a> <a href=\"x.html\">x</a>";
  EXPECT_EQ(RewriteResultLinks(page, package, "My report #1.html"),
            "<a href=\"My%20report%20%231.html\">top</a> "
            "<a href=\"My%20report%20%231.html#p2\">two</a> "
            "<a href=\"doc.html5\">other</a> <a href=\"x.html\">x</a>");
}

TEST(ResultLinks, NothingWithoutADocumentNameOrALink) {
  const std::string page = "<a href=\"doc.html\">top</a>";
  EXPECT_FALSE(RewriteResultLinks(
      page, test::LengthPrefixed("other.html") + test::LittleEndian32(0), "new.html"));
  EXPECT_FALSE(
      RewriteResultLinks(page, test::LengthPrefixed("") + test::LittleEndian32(0), "new.html"));
  EXPECT_FALSE(RewriteResultLinks(page, test::LengthPrefixed(std::string(64, 'd')), "new.html"));
  EXPECT_FALSE(RewriteResultLinks(page, "abc", "new.html"));
  EXPECT_FALSE(RewriteResultLinks(page, test::LittleEndian32(200) + "doc.html", "new.html"));
  // A hit at the very end of the page has no following character.
  EXPECT_EQ(RewriteResultLinks("<a href=\"doc.html", test::LengthPrefixed("doc.html"), "new.html"),
            "<a href=\"doc.html");
}

TEST(ResultLinks, RemovesPictureTagsAfterLineBreaks) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\r\n<IMG width=10 src=\"x.png\">b", "a\r\nb"},
      {"a <IMG width=10>b", "a <IMG width=10>b"},
      {"a\r\n<IMG width=1>\r\n<IMG width=2>c", "a\r\n\r\nc"},
      {"a\r\n<IMG width=10 unclosed", "a\r\n<IMG width=10 unclosed"},
      {"a\r\n<IMG width=1>b\r\n<IMG width=2 open", "a\r\nb\r\n<IMG width=2 open"},
  };
  for (const auto& [page, kept] : cases) {
    EXPECT_EQ(RemovePictureTags(page), kept) << testing::PrintToString(page);
  }
}

}  // namespace
}  // namespace vorla
