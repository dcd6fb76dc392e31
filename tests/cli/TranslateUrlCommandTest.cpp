#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SimulatedService.h"
#include "TranslationCommands.h"

namespace vorla {
namespace {

using test::HasLine;
using test::ProgramRun;

struct WebService : test::SimulatedService {
  WebService() {
    sim::RegisterTranslationCommands(sim);
    const ProgramRun login = Run({"login", "--user", "demo", "--password-stdin"}, "demo\n");
    EXPECT_EQ(login.exitCode, 0) << login.err;
  }
};

TEST(TranslateUrlCommand, PrintsTheStoredPagesLinkWithProgressOnStandardError) {
  WebService service;
  const ProgramRun run = service.Run({"translate-url", "http:/example.com/news"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            service.sim.url() + "?cmd=redir&page=20&pid=4&uil=0&rid=simresult000001&f=3&s=0\n");
  EXPECT_TRUE(HasLine(run.err, "Translating web page... please wait")) << run.err;
  EXPECT_TRUE(HasLine(run.err,
                      "Translation done. A web browser window is opened to show the "
                      "translated web page."))
      << run.err;
}

TEST(TranslateUrlCommand, PrintsTheFileOfAnOnlineDocument) {
  WebService service;
  const ProgramRun run = service.Run({"--ui", "fi", "translate-url", "example.com/docs/memo.txt"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::filesystem::path written(run.out.substr(0, run.out.find('\n')));
  EXPECT_EQ(written.filename(), "memo käännös~186a1.txt");
  std::ifstream file(written);
  const std::string content(std::istreambuf_iterator<char>(file), {});
  EXPECT_NE(content.find("https://example.com/docs/memo.txt"), std::string::npos) << content;
}

TEST(TranslateUrlCommand, RefusedAddressesFailWithTheirCode) {
  WebService service;
  const std::pair<const char*, int> cases[] = {
      {"https://localhost/", 7},
      {"https://example.com/photo.png", 16},
  };
  for (const auto& [address, code] : cases) {
    const ProgramRun run = service.Run({"translate-url", address});
    EXPECT_EQ(run.exitCode, code) << address;
    EXPECT_TRUE(run.out.empty()) << address;
  }
  EXPECT_TRUE(HasLine(service.Run({"translate-url", "https://localhost/"}).err,
                      "Translation failed - the source document cannot be accessed or the given "
                      "address is invalid."));
}

}  // namespace
}  // namespace vorla
