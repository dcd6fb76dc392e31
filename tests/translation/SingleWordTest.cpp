#include <gtest/gtest.h>

#include <string>

#include "translation/SingleWord.h"

namespace vorla {
namespace {

TEST(SingleWord, WindowsTextCases) {
  const std::pair<std::string, bool> cases[] = {
      {"word", true},
      {"\xC4iti", true},  // Äiti
      {"e-mail", true},
      {"don't", true},
      {" \t\r\nword\xA0 \n", true},
      {"", false},
      {" \t\xA0\r\n", false},
      {"two words", false},
      {"tab\there", false},
      {"line\nbreak", false},
      {"a\rb", false},
      {"no-break\xA0space", false},
      {"end.", false},
      {"a,b", false},
      {"wow!", false},
      {"a:b", false},
      {"a;b", false},
      {"why?", false},
      {"a|b", false},
      {"wait\x85", false},   // ellipsis
      {"\x95item", false},   // bullet
      {"\xABquote", false},  // guillemets
      {"quote\xBB", false},
      {"a\xB7"
       "b",
       false},  // middle dot
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(IsSingleWord(text), expected) << '"' << text << '"';
  }
}

TEST(SingleWord, LengthIsCountedBeforeTrimming) {
  EXPECT_TRUE(IsSingleWord(std::string(99, 'a')));
  EXPECT_FALSE(IsSingleWord(std::string(100, 'a')));
  EXPECT_TRUE(IsSingleWord("  " + std::string(97, 'a')));
  EXPECT_FALSE(IsSingleWord(std::string(98, 'a') + "  "));
}

}  // namespace
}  // namespace vorla
