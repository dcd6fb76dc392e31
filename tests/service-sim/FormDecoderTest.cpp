#include <gtest/gtest.h>

#include <string>

#include "FormDecoder.h"

namespace vorla::sim {
namespace {

using namespace std::string_literals;

TEST(FormDecoder, DecodesFieldsInOrder) {
  const DecodedForm form = DecodeForm("cmd=tr&p=6&srctxt=a+b%26c%3dd%e4%0a&empty=&raw=\x01\xE4");
  ASSERT_TRUE(form.ok()) << form.error;
  const std::vector<FormField> expected = {
      {"cmd", "tr"}, {"p", "6"}, {"srctxt", "a b&c=d\xE4\n"}, {"empty", ""}, {"raw", "\x01\xE4"}};
  EXPECT_EQ(form.fields, expected);
}

TEST(FormDecoder, RejectsMalformedBodiesSayingWhy) {
  struct Case {
    std::string body;
    std::string error;
  };
  const Case cases[] = {
      {"", "empty body"},
      {"cmd=tr&", "empty field at byte 7"},
      {"&cmd=tr", "empty field at byte 0"},
      {"cmd=tr&&p=6", "empty field at byte 7"},
      {"cmd=tr&p", "field without '=' at byte 7"},
      {"=tr", "field without a name at byte 0"},
      {"cmd=a=b", "unescaped '=' in field 'cmd'"},
      {"cmd=a?b", "unescaped '?' in field 'cmd'"},
      {"cmd=a\0b"s, "unescaped zero byte in field 'cmd'"},
      {"cmd=tr&srctxt=a b", "unescaped blank in field 'srctxt'"},
      {"cmd=tr&a b=1", "unescaped blank in field 'a b'"},
      {"cmd=%e", "incomplete escape in field 'cmd'"},
      {"cmd=%", "incomplete escape in field 'cmd'"},
      {"cmd=%E4", "escape not made of two lower-case hexadecimal digits in field 'cmd'"},
      {"cmd=%ffffffe4", ""},  // well formed, though not what the client means
      {"cmd=%g1", "escape not made of two lower-case hexadecimal digits in field 'cmd'"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeForm(c.body).error, c.error) << c.body;
  }
}

}  // namespace
}  // namespace vorla::sim
