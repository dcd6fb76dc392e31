#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "AccountCommands.h"
#include "ServiceSimulator.h"
#include "platform/CHttpConn.h"
#include "support/TempHome.h"
#include "support/TestCommands.h"

namespace vorla::sim {
namespace {

// The status and text of the simulator's answer to a body.
std::pair<std::int32_t, std::string> Post(const ServiceSimulator& simulator,
                                          const std::string& body) {
  RefPtr<IHttpConn> conn = CreateHttpConn("Vorla Tool", {}, 0, 0, true, {});
  EXPECT_EQ(conn->SendRequest(simulator.url(), true, body.data(),
                              static_cast<std::int32_t>(body.size()), 10'000, false),
            http::kOk);
  std::int32_t status = 0;
  conn->QueryStatusCode(status);
  std::string text(1000, '\0');
  text.resize(static_cast<std::size_t>(std::max(conn->Read(text.data(), 1000), 0)));
  return {status, text};
}

class ServiceSimulatorTest : public testing::Test {
 protected:
  ServiceSimulatorTest() { test::RegisterTestCommands(simulator_); }

  ServiceSimulator simulator_{{}};
};

TEST_F(ServiceSimulatorTest, RefusesWhatIsNotAWellFormedCommand) {
  struct Case {
    std::string body;
    std::string answer;
  };
  const Case cases[] = {
      {"cmd=echo&x=%E4",
       "malformed form body: escape not made of two lower-case hexadecimal "
       "digits in field 'x'"},
      {"p=6&cmd=echo", "the first field is not cmd"},
      {"cmd=nosuch", "unknown command: nosuch"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Post(simulator_, c.body), std::make_pair(400, c.answer)) << c.body;
  }
}

TEST_F(ServiceSimulatorTest, LogsEveryRequestWithHeadersBodyAndFields) {
  Post(simulator_, "cmd=echo&a=1&b=x+y");
  Post(simulator_, "cmd=nosuch");
  const std::vector<SimRequest> log = simulator_.Requests();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].method, "POST");
  EXPECT_EQ(log[0].path, "/tr");
  EXPECT_EQ(log[0].body, "cmd=echo&a=1&b=x+y");
  EXPECT_EQ(log[0].fields, (std::vector<FormField>{{"cmd", "echo"}, {"a", "1"}, {"b", "x y"}}));
  EXPECT_EQ(log[0].Header("content-length"), "18");
  EXPECT_EQ(log[1].body, "cmd=nosuch");
}

TEST_F(ServiceSimulatorTest, FaultsLastForTheirNumberOfRequests) {
  Faults faults;
  faults.rawAnswer = "scripted";
  faults.times = 2;
  simulator_.SetFaults("echo", faults);
  EXPECT_EQ(Post(simulator_, "cmd=echo").second, "scripted");
  EXPECT_EQ(Post(simulator_, "cmd=echo").second, "scripted");
  EXPECT_EQ(Post(simulator_, "cmd=echo").second, "cmd=echo");
}

TEST_F(ServiceSimulatorTest, ExpiringTheSessionForgetsEveryLogin) {
  SimContext& context = simulator_.context();
  const std::string cookie = context.sessions.Open("anna");
  SimRequest request;
  request.headers = {{"Cookie", cookie}};
  EXPECT_EQ(context.sessions.UserOf(request), "anna");

  Faults faults;
  faults.expireSession = true;
  simulator_.SetFaults("echo", faults);
  Post(simulator_, "cmd=echo");
  EXPECT_FALSE(context.sessions.UserOf(request));
}

TEST(AccountTable, LoadsOneAccountALine) {
  const test::TempDir folder;
  const std::string good = (folder.path() / "users").string();
  std::ofstream(good) << "# test accounts\nanna " << PasswordDigest("secret")
                      << " type=4 quota=900 pairs=5 first=Anna last=Aho company=Oy_Ab\n\n"
                      << "  bert   " << PasswordDigest("pa55") << "  \n";
  AccountTable accounts;
  ASSERT_TRUE(accounts.Load(good));
  const auto anna = accounts.Find("anna");
  ASSERT_TRUE(anna);
  EXPECT_EQ(anna->digest, "5ebe2294ecd0e0f08eab7690d2a6ee69");
  EXPECT_EQ(anna->accountType, 4);
  EXPECT_EQ(anna->quota, 900);
  EXPECT_EQ(anna->pairBits, 5);
  EXPECT_EQ(anna->company, "Oy Ab");
  const auto bert = accounts.Find("bert");
  ASSERT_TRUE(bert);
  EXPECT_EQ(bert->pairBits, 3);
  EXPECT_NE(bert->userId, anna->userId);
  EXPECT_FALSE(accounts.Find("carl"));

  for (const char* line :
       {"anna\n", "anna short\n", "anna 5ebe2294ecd0e0f08eab7690d2a6ee69 type=x\n",
        "anna 5ebe2294ecd0e0f08eab7690d2a6ee69 colour=red\n"}) {
    const std::string bad = (folder.path() / "bad").string();
    std::ofstream(bad) << line;
    EXPECT_FALSE(AccountTable().Load(bad)) << line;
  }
  EXPECT_FALSE(AccountTable().Load((folder.path() / "missing").string()));
}

TEST(SessionTable, ReadsTheFirstPairOfTheCookieHeader) {
  SessionTable sessions;
  const std::string plain = sessions.Open("anna");
  const std::string secure = sessions.Open("bert", true);
  EXPECT_EQ(plain.find("Secure"), std::string::npos);
  EXPECT_NE(secure.find("; Secure"), std::string::npos);
  EXPECT_NE(plain.substr(0, plain.find(';')), secure.substr(0, secure.find(';')));
  struct Case {
    std::string header;
    std::optional<std::string> user;
  };
  const Case cases[] = {
      {plain, "anna"},  // sent back with its attributes
      {secure, "bert"},
      {"other=1; " + plain, std::nullopt},
      {"sid=unknown", std::nullopt},
  };
  for (const Case& c : cases) {
    SimRequest request;
    request.headers = {{"Cookie", c.header}};
    EXPECT_EQ(sessions.UserOf(request), c.user) << c.header;
  }
}

class AccountCommandsTest : public testing::Test {
 protected:
  AccountCommandsTest() {
    RegisterAccountCommands(simulator_);
    simulator_.context().accounts.Add(DemoAccount());
    for (const int status : {5, 8, 12}) {
      SimAccount refused;
      refused.name = "refused" + std::to_string(status);
      refused.digest = PasswordDigest("secret");
      refused.status = status;
      simulator_.context().accounts.Add(refused);
    }
  }

  ServiceSimulator simulator_{{}};
};

// A `chkrauth` body as the client writes it.
std::string LoginBody(const std::string& user, const std::string& digest,
                      const std::string& version = "3.1.2", const std::string& tail = {}) {
  return "cmd=chkrauth&p=12&type=1&pid=4&ver=" + version +
         "&uil=1&plt=0&osmav=0&osmiv=0&ost=0&dspm=0&login=" + user + "&pwd=" + digest + tail;
}

TEST_F(AccountCommandsTest, LoginStatuses) {
  const std::string secret = PasswordDigest("secret");
  const std::string block(16, '\0');
  struct Case {
    std::string user;
    std::string answer;
  };
  const Case cases[] = {
      {"nobody", Int32s({2}) + block},     {"demo", Int32s({3}) + block},
      {"refused5", Int32s({5}) + block},   {"refused8", Int32s({8})},
      {"refused12", Int32s({12}) + block},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Post(simulator_, LoginBody(c.user, secret)).second, c.answer) << c.user;
  }
  simulator_.context().minimumVersion = "3.1.3";
  const std::string demo = PasswordDigest("demo");
  // An old client is refused unless it logs in only to check for its update.
  EXPECT_EQ(Post(simulator_, LoginBody("demo", demo, "3.1.2")).second, Int32s({15}) + block);
  EXPECT_EQ(Post(simulator_, LoginBody("demo", demo, "3.1.2", "&vchkt=1")).second.substr(0, 4),
            Int32s({0}));
  EXPECT_EQ(Post(simulator_, LoginBody("demo", demo, "3.1.3")).second.substr(0, 4), Int32s({0}));
  simulator_.context().minimumVersion.clear();
  EXPECT_EQ(Post(simulator_, LoginBody("demo", demo)).second.size(), 4u + 76u);
}

TEST_F(AccountCommandsTest, RefusesBreachesOfTheProtocolWithTheReason) {
  const std::string demo = PasswordDigest("demo");
  const std::string withoutPassword =
      "cmd=chkrauth&p=12&type=1&pid=4&ver=3.1.2&uil=1&plt=0&osmav=0&osmiv=0&ost=0&dspm=0"
      "&login=demo";
  struct Case {
    std::string body;
    std::string answer;
  };
  const Case cases[] = {
      {withoutPassword, "malformed chkrauth request: field 'pwd' missing"},
      {withoutPassword + "&vchkt=1&pwd=" + demo,
       "malformed chkrauth request: field 'pwd' repeated or out of order"},
      {"cmd=chkrauth&p=11&type=1&pid=4&ver=3.1.2&uil=1&plt=0&osmav=0&osmiv=0&ost=0&dspm=0"
       "&login=demo&pwd=" +
           demo,
       "malformed chkrauth request: p is not 12"},
      {"cmd=chkrauth&p=12&type=1&pid=4&ver=3.1.2&uil=1&plt=0&osmav=0&osmiv=0&ost=0&login=demo"
       "&pwd=" +
           demo,
       "malformed chkrauth request: field 'dspm' missing"},
      {LoginBody("demo", demo, "3.1.2", "&vchkt=2"),
       "malformed chkrauth request: vchkt is sent only as 1"},
      {LoginBody("de mo", demo), "malformed form body: unescaped blank in field 'login'"},
      {"cmd=getaccountinfo&p=2", "malformed getaccountinfo request: field 'pid' missing"},
      {"cmd=getaccountinfo&p=3&pid=4", "malformed getaccountinfo request: p is not 2"},
      {"cmd=updateaccountinfo&p=2&pid=4",
       "malformed updateaccountinfo request: field 'passwd' missing"},
      {"cmd=updateaccountinfo&p=2&pid=4&passwd=new pass",
       "malformed form body: unescaped blank in field 'passwd'"},
      {"cmd=getlexinfo&p=7&lanpairs=3&voctype=2&nvoctype=3&pid=4",
       "malformed getlexinfo request: field 'uid' missing"},
      {"cmd=getlexinfo&p=7&lanpairs=3&voctype=2&nvoctype=3&pid=4&uid=1&x=1",
       "malformed getlexinfo request: unknown field 'x'"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Post(simulator_, c.body), std::make_pair(400, c.answer)) << c.body;
  }
}

TEST_F(AccountCommandsTest, ALyingLengthReplacesTheAnnouncedOneOnly) {
  Faults faults;
  faults.lyingLength = 4096;
  simulator_.SetFaults("getaccountinfo", faults);
  EXPECT_EQ(Post(simulator_, "cmd=getaccountinfo&p=2&pid=4").second, Int32s({15, 4096}));
  // A refusal announces no length.
  EXPECT_EQ(Post(simulator_, "cmd=getaccountinfo&p=2"),
            std::make_pair(400, std::string("malformed getaccountinfo request: field 'pid' "
                                            "missing")));
}

TEST_F(AccountCommandsTest, WithoutASessionAccountCommandsAnswerFifteenAndListsMinusTwelve) {
  struct Case {
    const char* body;
    std::int32_t status;
  };
  const Case cases[] = {{"cmd=getaccountinfo&p=2&pid=4", 15},
                        {"cmd=updateaccountinfo&p=2&pid=4&passwd=abcdef", 15},
                        {"cmd=getlexinfo&p=7&lanpairs=3&voctype=2&nvoctype=3&pid=4&uid=1", -12}};
  for (const Case& c : cases) {
    EXPECT_EQ(Post(simulator_, c.body).second, Int32s({c.status, 0})) << c.body;
  }
}

}  // namespace
}  // namespace vorla::sim
