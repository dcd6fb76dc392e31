#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Opener.h"
#include "service/RedirectLinks.h"
#include "translation/StateFixture.h"

namespace vorla {
namespace {

constexpr std::string_view kUrl = "https://service.vorla.example/tr";

TEST(RedirectLinks, TheFiveForms) {
  EXPECT_EQ(RedirectLink(kUrl, kPageUserGuide, 4, 1),
            "https://service.vorla.example/tr?cmd=redir&page=4&pid=4&uil=1");
  EXPECT_EQ(UserRedirectLink(kUrl, kPageFeedback, 4, 0, 1001, 7),
            "https://service.vorla.example/tr?cmd=redir&page=11&pid=4&uil=0&uid=1049577&l=7");
  EXPECT_EQ(LoginRedirectLink(kUrl, kPagePassword, 1, 4, 7),
            "https://service.vorla.example/tr?cmd=redir&page=2&uil=1&pid=4&l=7");
  EXPECT_EQ(InfoRedirectLink(kUrl, kPageSpeech, 0, 4),
            "https://service.vorla.example/tr?cmd=redir&page=50&uil=0&pid=4");
  // The result id is escaped, so that it cannot add fields of its own.
  EXPECT_EQ(StoredResultLink(kUrl, 4, 0, "id 1&2=3", 3, true),
            "https://service.vorla.example/tr?cmd=redir&page=20&pid=4&uil=0"
            "&rid=id+1%262%3d3&f=3&s=1");
}

TEST(RedirectLinks, StoredResultNeedsAnIdOfEightTo127Characters) {
  for (const std::size_t length : {0u, 7u, 8u, 127u, 128u}) {
    SCOPED_TRACE(length);
    const bool linked = length >= 8 && length <= 127;
    EXPECT_EQ(StoredResultLink(kUrl, 4, 1, std::string(length, 'r'), 3, false).has_value(), linked);
  }
}

class RecordingOpener final : public Opener {
 public:
  void Open(std::string_view target) override { opened.emplace_back(target); }
  std::vector<std::string> opened;
};

TEST(RedirectLinks, OpenedOnTheBuiltInServiceWithTheSessionNumber) {
  test::StateFixture fixture({{"defuilan", "0"}});
  fixture.state->SetLoginValues(5, {0, 0});
  RecordingOpener opener;
  const RedirectLinks links(*fixture.state, opener);
  links.OpenRedirectLink(kPageUserGuide);
  links.OpenUserRedirectLink(kPageSupport);
  links.OpenLoginRedirectLink(kPageSupport);
  links.OpenInfoRedirectLink(kPageSpeech);
  EXPECT_EQ(opener.opened,
            (std::vector<std::string>{
                "https://service.vorla.example/tr?cmd=redir&page=4&pid=4&uil=0",
                "https://service.vorla.example/tr?cmd=redir&page=9&pid=4&uil=0&uid=1048581&l=1",
                "https://service.vorla.example/tr?cmd=redir&page=9&uil=0&pid=4&l=1",
                "https://service.vorla.example/tr?cmd=redir&page=50&uil=0&pid=4"}));
}

}  // namespace
}  // namespace vorla
