#include <gtest/gtest.h>

#include <fstream>
#include <string>

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

TEST(UserTable, LoadsOnePairALine) {
  const test::TempDir folder;
  const std::string good = (folder.path() / "users").string();
  std::ofstream(good) << "# test accounts\nanna secret\n\n  bert   pa55  \n";
  UserTable users;
  ASSERT_TRUE(users.Load(good));
  EXPECT_EQ(users.PasswordOf("anna"), "secret");
  EXPECT_EQ(users.PasswordOf("bert"), "pa55");
  EXPECT_FALSE(users.PasswordOf("carl"));

  const std::string bad = (folder.path() / "bad").string();
  std::ofstream(bad) << "anna\n";
  EXPECT_FALSE(UserTable().Load(bad));
  EXPECT_FALSE(UserTable().Load((folder.path() / "missing").string()));
}

}  // namespace
}  // namespace vorla::sim
