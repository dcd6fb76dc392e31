#include <gtest/gtest.h>

#include "translation/WebAddress.h"

namespace vorla {
namespace {

constexpr std::string_view kServiceUrl = "https://service.vorla.example/tr";

struct Case {
  const char* text;
  WebAddressCheck check;
  const char* address = "";
  int format = 3;
  const char* fileName = "";
};

TEST(WebAddress, NormalisesOrRefuses) {
  using enum WebAddressCheck;
  const Case cases[] = {
      {"example.com", Accepted, "https://example.com"},
      {"http:/example.com", Accepted, "http://example.com"},
      {"https:\\example.com/a", Accepted, "https://example.com/a"},
      {"HTTPS:\\\\example.com", Accepted, "HTTPS://example.com"},
      {"http://localhostess.com/", Accepted, "http://localhostess.com/"},
      {"C:\\docs\\page.html", Local},
      {"file:///x", Local},
      {"FILE:///x", Local},
      {"http://localhost:8080/", Local},
      {"https://localhost", Local},
      {"HTTP://LOCALHOST/", Local},
      {"https://LocalHost\\index.html", Local},
      {"http://127.0.0.1/", Local},
      {"https://127.1.2.3:99/x", Local},
      {"https://intranet/page.html", Invalid},
      {"https://example", Invalid},
      {"ftp://example.com/", Invalid},
      {"https://report.pdf", Invalid},
      {"https://photo.jpg", Invalid},
      {"https://example.com/report.pdf", Accepted, "https://example.com/report.pdf", 5,
       "report.pdf"},
      {"https://example.com/v1.2/Slides.PPTX", Accepted, "https://example.com/v1.2/Slides.PPTX", 14,
       "Slides.PPTX"},
      {"https://example.com/v1.pdf/notes", Accepted, "https://example.com/v1.pdf/notes"},
      {"https://example.com/photo.JPG", UntranslatedType},
      {"https://example.com/a.tar.gz", UntranslatedType},
      {"https://example.com/a.gz", UntranslatedType},
      {"https://example.com/a.GZ", UntranslatedType},
      {"https://example.com/a.Gz", Accepted, "https://example.com/a.Gz"},
      {"https://example.com/memory.tmx", UntranslatedType},
      {"https://example.com/link.lnk", UntranslatedType},
      {"https://example.com/movie.avi5", Accepted, "https://example.com/movie.avi5"},
      {"https://example.com/index.php", Accepted, "https://example.com/index.php"},
      {"https://example.com/a.html?x=1#top", Accepted, "https://example.com/a.html?x=1#top", 3,
       "a.html"},
      {"https://example.com/a?x=\"1\"", Accepted, "https://example.com/a?x=\"1\""},
      {"https://example.com/a?x=C:\\y", Accepted, "https://example.com/a?x=C:\\y"},
      {"https://example.com/\"a\"", Invalid},
      {"https://service.vorla.example/tr?cmd=redir", ServiceItself},
      {"HTTPS://SERVICE.vorla.example/tr/page", ServiceItself},
      {"https://service.vorla.example/tr", ServiceItself},
      {"https://service.vorla.example/tr2", Accepted, "https://service.vorla.example/tr2"},
      {"", Invalid},
  };
  for (const Case& c : cases) {
    const WebAddress web = NormaliseWebAddress(c.text, kServiceUrl);
    EXPECT_EQ(web.check, c.check) << c.text;
    EXPECT_EQ(web.address, c.address) << c.text;
    EXPECT_EQ(web.format, c.format) << c.text;
    EXPECT_EQ(web.fileName, c.fileName) << c.text;
  }
}

TEST(WebAddress, LengthLimitsHaveNoFixedBuffer) {
  const std::string head = "https://example.com/";
  // With its scheme the address is one byte short of the limit, then at it.
  const std::string longest = head + std::string(1023 - head.size(), 'a');
  EXPECT_EQ(NormaliseWebAddress(longest, kServiceUrl).address, longest);
  EXPECT_EQ(NormaliseWebAddress(longest + "a", kServiceUrl).check, WebAddressCheck::Invalid);
  // Without a scheme, "https://" counts too.
  const std::string bare = "example.com/" + std::string(1023 - 8 - 12, 'b');
  EXPECT_EQ(NormaliseWebAddress(bare, kServiceUrl).address, "https://" + bare);
  EXPECT_EQ(NormaliseWebAddress(bare + "b", kServiceUrl).check, WebAddressCheck::Invalid);
  // A document name of 260 characters is too long to name the result after.
  const std::string name = std::string(256, 'n') + ".pdf";
  const WebAddress document = NormaliseWebAddress(head + name, kServiceUrl);
  EXPECT_EQ(document.format, 5);
  EXPECT_EQ(document.fileName, "");
}

TEST(WebAddress, SecureByItsScheme) {
  EXPECT_TRUE(IsSecureWebAddress("HTTPS://example.com"));
  EXPECT_FALSE(IsSecureWebAddress("http://example.com"));
}

}  // namespace
}  // namespace vorla
