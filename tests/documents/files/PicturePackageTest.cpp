#include <gtest/gtest.h>

#include <cstdint>

#include "documents/files/PicturePackage.h"
#include "documents/files/ResultLinks.h"

namespace vorla {
namespace {

std::string Number(std::uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i)
    bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

std::string Field(std::string_view text) {
  return Number(static_cast<std::uint32_t>(text.size())) + std::string(text);
}

std::string Picture(std::string_view name, std::string_view data) {
  return Field(name) + Field(data);
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
       Field("doc.html") + Number(2) + Picture("a.png", "AA") + Picture("b.png", "B"),
       {"a.png", "b.png"}},
      {"count 2001", Field("doc.html") + Number(2001) + Picture("a.png", "AA"), {}},
      {"count 2000 with one picture",
       Field("doc.html") + Number(2000) + Picture("a.png", "AA"),
       {"a.png"}},
      {"name length 64 stops",
       Field("d") + Number(2) + Picture("a.png", "A") + Picture(longName, "B"),
       {"a.png"}},
      {"name length 63", Field("d") + Number(1) + Picture(longestName, "B"), {longestName}},
      {"name length 0 is read",
       Field("d") + Number(2) + Picture("", "A") + Picture("b.png", "B"),
       {"", "b.png"}},
      {"data past the end",
       Field("d") + Number(2) + Picture("a.png", "A") + Field("b.png") + Number(100) + "short",
       {"a.png"}},
      {"name past the end", Field("d") + Number(1) + Number(40) + "abc", {}},
      {"document name past the end", Number(100) + "abcd", {}},
      {"picture of 4,000,001 bytes stops",
       Field("d") + Number(1) + Field("a.png") + Number(4'000'001),
       {}},
      {"part under 8 bytes", Number(0) + "abc", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NamesOf(ReadPicturePackage(c.bytes)), c.names) << c.label;
  }
  const std::string bytes = Field("doc.html") + Number(1) + Picture("a.png", "PNGDATA");
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
  const std::string package = Field("doc.html") + Number(0);
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
  EXPECT_FALSE(RewriteResultLinks(page, Field("other.html") + Number(0), "new.html"));
  EXPECT_FALSE(RewriteResultLinks(page, Field("") + Number(0), "new.html"));
  EXPECT_FALSE(RewriteResultLinks(page, Field(std::string(64, 'd')), "new.html"));
  EXPECT_FALSE(RewriteResultLinks(page, "abc", "new.html"));
  EXPECT_FALSE(RewriteResultLinks(page, Number(200) + "doc.html", "new.html"));
  // A hit at the very end of the page has no following character.
  EXPECT_EQ(RewriteResultLinks("<a href=\"doc.html", Field("doc.html"), "new.html"),
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
