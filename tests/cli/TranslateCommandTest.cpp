#include <gtest/gtest.h>

#include <QProcessEnvironment>
#include <algorithm>
#include <string>

#include "SimulatedService.h"
#include "TranslationCommands.h"
#include "support/TestCommands.h"

namespace vorla {
namespace {

using test::HasLine;
using test::ProgramRun;

// A service whose `tr` answers the source in brackets, and the price of 12 words for 12.5
// tokens on an account of type 1 with the given balance (in thousandths).
struct TranslatingService : test::SimulatedService {
  explicit TranslatingService(int balance = 100'000) {
    sim.Register("tr", [](const sim::SimRequest& request, sim::SimContext&) {
      sim::SimAnswer answer;
      answer.body = test::TranslationAnswer("[" + *request.Field("srctxt") + "]",
                                            std::stoi(*request.Field("srclan")),
                                            std::stoi(*request.Field("tgtlan")));
      return answer;
    });
    sim.Register("gettrprice", [balance](const sim::SimRequest&, sim::SimContext&) {
      sim::SimAnswer answer;
      answer.body = sim::Int32s({0, 12, 12'500, 0, 1, balance});
      return answer;
    });
    sim::SimAccount payer = sim::DemoAccount();
    payer.name = "payer";
    payer.accountType = 1;
    payer.priceExempt = 0;
    sim.context().accounts.Add(payer);
  }

  // Logs in once; later commands log in silently with the stored digest.
  void LogIn(const char* user) const {
    const ProgramRun login = Run({"login", "--user", user, "--password-stdin"}, "demo\n");
    ASSERT_EQ(login.exitCode, 0) << login.err;
  }

  std::vector<sim::SimRequest> Requests(std::string_view command) const {
    std::vector<sim::SimRequest> found;
    for (const sim::SimRequest& request : sim.Requests()) {
      if (*request.Field("cmd") == command) found.push_back(request);
    }
    return found;
  }
};

TEST(TranslateCommand, TranslatesTheArgumentOrTheStandardInput) {
  TranslatingService service;
  service.LogIn("demo");
  const ProgramRun argument =
      service.Run({"translate", "--from", "en", "--to", "fi", "Hyvää päivää"});
  ASSERT_EQ(argument.exitCode, 0) << argument.err;
  EXPECT_EQ(argument.out, "[Hyvää päivää]\n");
  EXPECT_TRUE(HasLine(argument.err, "Translation completed")) << argument.err;

  const ProgramRun input = service.Run({"translate", "-"}, "First line\nSecond line\n");
  ASSERT_EQ(input.exitCode, 0) << input.err;
  EXPECT_EQ(input.out, "[First line\nSecond line\n]\n");

  const auto requests = service.Requests("tr");
  ASSERT_EQ(requests.size(), 2u);
  // Windows-1252 for the local pairs, as the pane streams text, without the alignment.
  EXPECT_EQ(*requests[0].Field("srctxt"), "Hyv\xE4\xE4 p\xE4iv\xE4\xE4");
  EXPECT_EQ(*requests[0].Field("srcformat"), "1");
  EXPECT_EQ(*requests[0].Field("trflags"), "33554688");  // 0x2000000 and no "?" marks
  EXPECT_EQ(*requests[1].Field("srctxt"), "First line\r\nSecond line\r\n");
  // The pair chosen is remembered.
  EXPECT_TRUE(HasLine(service.Run({"pair"}).out, "Language Pair: English -> Finnish"));
}

TEST(TranslateCommand, RtfAndFurtherLanguages) {
  TranslatingService service;
  service.AddFurtherLanguageAccount();
  service.LogIn("further");

  const ProgramRun rtf = service.Run({"translate", "--rtf", "--auto", "{\\rtf1 Hello there}"});
  ASSERT_EQ(rtf.exitCode, 0) << rtf.err;
  EXPECT_TRUE(rtf.out.starts_with("[{\\rtf1")) << rtf.out;
  const ProgramRun german =
      service.Run({"translate", "--from", "223", "--to", "219", "Grüße aus Köln"});
  ASSERT_EQ(german.exitCode, 0) << german.err;

  const auto requests = service.Requests("tr");
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(*requests[0].Field("srcformat"), "2");
  EXPECT_NE(requests[0].Field("srctxt")->find("Hello there"), std::string::npos);
  // UTF-8 for the further languages.
  EXPECT_EQ(*requests[1].Field("srctxt"), "Grüße aus Köln");
  EXPECT_EQ(*requests[1].Field("srclan"), "223");
}

TEST(TranslateCommand, FailureMessageAndItsCode) {
  TranslatingService service;
  service.LogIn("demo");
  sim::Faults busy;
  busy.rawAnswer = sim::Int32s({12, 0, 0, 0});
  service.sim.SetFaults("tr", busy);
  const ProgramRun run = service.Run({"translate", "text"});
  EXPECT_EQ(run.exitCode, 12);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(HasLine(run.err,
                      "Translation failed - the translation server is temporarily busy, try "
                      "again later."))
      << run.err;
  EXPECT_EQ(service.Run({"--ui", "fi", "translate", ""}).exitCode, 0);  // nothing to translate
}

TEST(TranslateCommand, TranslationInfoQuestionWithoutATerminal) {
  struct Case {
    const char* name;
    int balance;
    bool yes;
    int exitCode;
  };
  const Case cases[] = {
      {"no answer cancels", 100'000, false, 21},
      {"--yes translates", 100'000, true, 0},
      {"--yes cannot pay what the balance does not cover", 10'000, true, 19},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TranslatingService service(c.balance);
    service.LogIn("payer");
    QStringList arguments{"translate", "Some text."};
    if (c.yes) arguments << "--yes";
    const ProgramRun run = service.Run(arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_EQ(service.Requests("tr").size(), c.exitCode == 0 ? 1u : 0u);
    EXPECT_EQ(service.Requests("gettrprice").size(), 1u);
  }
}

TEST(TranslateCommand, PriceOfAText) {
  TranslatingService service;
  service.LogIn("payer");
  const ProgramRun run = service.Run({"price", "Some text."});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "Source text length: 12 words\nTranslation price: 12.5 tokens\n"
            "Translation account balance: 100 tokens\n");
  const ProgramRun finnish = service.Run({"--ui", "fi", "price", "-"}, "Some text.");
  EXPECT_TRUE(HasLine(finnish.out, "Käännöksen hinta: 12.5 polettia")) << finnish.out;
  EXPECT_EQ(*service.Requests("gettrprice").at(0).Field("srctxt"), "Some text.");
}

TEST(TranslateCommand, ThroughTheSimulatedService) {
  test::SimulatedService service;
  sim::RegisterTranslationCommands(service.sim);
  for (sim::SimAccount& account : sim::PriceTestAccounts())
    service.sim.context().accounts.Add(std::move(account));
  ASSERT_EQ(service.Run({"login", "--user", "demo", "--password-stdin"}, "demo\n").exitCode, 0);
  const ProgramRun finnish =
      service.Run({"translate", "--from", "en", "--to", "fi", "The house is big."});
  ASSERT_EQ(finnish.exitCode, 0) << finnish.err;
  EXPECT_EQ(finnish.out, "Talo on iso.\n");
  const ProgramRun english = service.Run({"translate", "--from", "fi", "--to", "en"}, finnish.out);
  ASSERT_EQ(english.exitCode, 0) << english.err;
  EXPECT_EQ(english.out, "House is big.\n");
  // One word is looked up in the dictionary and shown as the entry.
  const ProgramRun entry = service.Run({"translate", "--from", "en", "--to", "fi", "house"});
  ASSERT_EQ(entry.exitCode, 0) << entry.err;
  EXPECT_EQ(entry.out.find("#DICT;"), std::string::npos) << entry.out;
  EXPECT_NE(entry.out.find("talo"), std::string::npos) << entry.out;

  ASSERT_EQ(service.Run({"login", "--user", "price1", "--password-stdin"}, "price\n").exitCode, 0);
  const ProgramRun price = service.Run({"price", "The house is big."});
  ASSERT_EQ(price.exitCode, 0) << price.err;
  EXPECT_EQ(price.out,
            "Source text length: 4 words\nTranslation price: 0.5 tokens\n"
            "Translation account balance: 25 tokens\n");
  const ProgramRun paid =
      service.Run({"translate", "--yes", "--from", "en", "--to", "fi", "The house is big."});
  ASSERT_EQ(paid.exitCode, 0) << paid.err;
  EXPECT_EQ(paid.out, "Talo on iso.\n");
}

TEST(LinkCommand, PrintsTheAddress) {
  const ProgramRun run = test::RunVorla({"--ui", "en", "link", "guide"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "https://service.vorla.example/tr?cmd=redir&page=4&pid=4&uil=0\n");
}

}  // namespace
}  // namespace vorla
