#include <gtest/gtest.h>

#include "platform/ResponseHeaders.h"

namespace vorla {
namespace {

TEST(ResponseHeaders, KeepsOnlyTheLastAnswersBlock) {
  ResponseHeaders headers;
  EXPECT_FALSE(headers.AddLine("HTTP/1.1 302 Found\r\n"));
  EXPECT_FALSE(headers.AddLine("Location: /elsewhere\r\n"));
  EXPECT_TRUE(headers.AddLine("\r\n"));
  EXPECT_FALSE(headers.AddLine("HTTP/1.1 200 OK\r\n"));
  EXPECT_FALSE(headers.AddLine("Set-Cookie: a=1\r\n"));
  EXPECT_FALSE(headers.AddLine("set-cookie:   b=2  \r\n"));
  EXPECT_TRUE(headers.AddLine("\r\n"));

  EXPECT_EQ(headers.StatusCode(), 200);
  EXPECT_FALSE(headers.Find("Location"));
  EXPECT_EQ(headers.Find("SET-COOKIE"), "a=1");
  EXPECT_EQ(headers.Find("Set-Cookie", 1), "b=2");
  EXPECT_FALSE(headers.Find("Set-Cookie", 2));
}

TEST(ResponseHeaders, CharsetOfContentType) {
  struct Case {
    const char* contentType;
    const char* charset;
  };
  const Case cases[] = {
      {"text/html; charset=utf-8", "utf-8"},
      {"text/html;CHARSET=UTF-8; x=y", "UTF-8"},
      {"text/html; Charset=iso-8859-1", "iso-8859-1"},
      {"text/html", ""},
      {"text/plain; charset=", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CharsetOf(c.contentType), c.charset) << c.contentType;
}

}  // namespace
}  // namespace vorla
