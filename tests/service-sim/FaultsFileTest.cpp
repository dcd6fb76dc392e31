#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "FaultsFile.h"
#include "support/TempHome.h"

namespace vorla::sim {
namespace {

using std::chrono::milliseconds;

TEST(FaultsFile, ReadsTheKnobsOfEachCommand) {
  const FaultsFile file = ParseFaultsFile(
      "\xEF\xBB\xBF; the client's failure paths\r\n"
      "[tr]\r\n"
      "drop_after = 10   # then the connection goes\r\n"
      "stall_before=250\n"
      "stall_at = 3\n"
      "stall_for = 40\n"
      "trickle_bytes = 2\n"
      "trickle_every = 5\n"
      "lying_length = 4294967295\n"
      "corrupt_zlib = true\n"
      "times = 2\n"
      "statuses = 15, 19,-3\n"
      "shortfall = 40\n"
      "\n"
      "[chkrauth]\n"
      "drop_before_headers = true\n"
      "http_500 = true\n"
      "no_set_cookie = true\n"
      "[getaccountinfo]\n"
      "expire_session = true\n");
  ASSERT_TRUE(file.ok()) << file.error;
  ASSERT_EQ(file.commands.size(), 3u);

  const CommandFaults& tr = file.commands.at("tr");
  EXPECT_EQ(tr.faults.closeAfter, 10u);
  EXPECT_EQ(tr.faults.stallBefore, milliseconds(250));
  EXPECT_EQ(tr.faults.stallAt, 3u);
  EXPECT_EQ(tr.faults.stallInside, milliseconds(40));
  EXPECT_EQ(tr.faults.trickleBytes, 2u);
  EXPECT_EQ(tr.faults.trickleInterval, milliseconds(5));
  EXPECT_EQ(tr.faults.lyingLength, 4'294'967'295u);
  EXPECT_TRUE(tr.faults.corruptZlib);
  EXPECT_FALSE(tr.faults.dropBeforeHeaders);
  EXPECT_EQ(tr.faults.times, 2);
  ASSERT_EQ(tr.statuses.size(), 3u);
  EXPECT_EQ(tr.statuses[0].status, 15);
  EXPECT_EQ(tr.statuses[0].shortfall, 0);
  EXPECT_EQ(tr.statuses[1].status, 19);
  EXPECT_EQ(tr.statuses[1].shortfall, 40);
  EXPECT_EQ(tr.statuses[2].status, -3);

  const CommandFaults& login = file.commands.at("chkrauth");
  EXPECT_TRUE(login.faults.dropBeforeHeaders);
  EXPECT_TRUE(login.faults.serverError);
  EXPECT_TRUE(login.faults.noSetCookie);
  EXPECT_EQ(login.faults.closeAfter, std::nullopt);
  EXPECT_EQ(login.faults.times, -1);

  EXPECT_TRUE(file.commands.at("getaccountinfo").faults.expireSession);
  EXPECT_TRUE(file.commands.at("getaccountinfo").statuses.empty());
  EXPECT_TRUE(ParseFaultsFile("").ok());
  EXPECT_TRUE(ParseFaultsFile("# nothing yet\n").ok());
}

TEST(FaultsFile, RefusesMistakesSayingWhere) {
  struct Case {
    std::string text;
    std::string error;
  };
  const Case cases[] = {
      {"times = 1\n", "line 1: knob 'times' before the first [command]"},
      {"[tr]\nstal_before = 10\n", "line 2: stal_before: unknown knob"},
      {"[tr]\ndrop_after\n", "line 2: 'drop_after' is neither [command] nor knob = value"},
      {"[tr\n", "line 1: '[tr' does not name a command the simulator answers"},
      {"[]\n", "line 1: '[]' does not name a command the simulator answers"},
      {"[Tr]\n", "line 1: '[Tr]' does not name a command the simulator answers"},
      {"[tr]\n[gettrprice]\n[tr]\n", "line 3: [tr] given twice"},
      {"[tr]\ntimes = 1\ntimes = 2\n", "line 3: knob 'times' given twice in [tr]"},
      {"[tr]\ndrop_after = ten\n", "line 2: drop_after: 'ten' is not a whole number of bytes"},
      {"[tr]\ndrop_after = -1\n", "line 2: drop_after: '-1' is not a whole number of bytes"},
      {"[tr]\ndrop_after = 10k\n", "line 2: drop_after: '10k' is not a whole number of bytes"},
      {"[tr]\nlying_length = 4294967296\n",
       "line 2: lying_length: '4294967296' is not a whole number of bytes"},
      {"[tr]\nstall_before =\n", "line 2: stall_before: '' is not a whole number of milliseconds"},
      {"[tr]\nhttp_500 = yes\n", "line 2: http_500: 'yes' is neither true nor false"},
      {"[tr]\ntimes = 0\n", "line 2: times: '0' is neither -1 nor a number above 0"},
      {"[tr]\nstatuses = 15,,19\n",
       "line 2: statuses: '15,,19' is not a list of statuses other than 0"},
      {"[tr]\nstatuses = 0\n", "line 2: statuses: '0' is not a list of statuses other than 0"},
      {"[trr]\n", "line 1: '[trr]' does not name a command the simulator answers"},
      {"[tr]\n[getacountinfo]\n",
       "line 2: '[getacountinfo]' does not name a command the simulator answers"},
      {"[chkrauth]\nstatuses = 8\n", "line 2: statuses: [chkrauth] cannot show it"},
      {"[getlexinfo]\nshortfall = 8\n", "line 2: shortfall: [getlexinfo] cannot show it"},
      {"[chkrauth]\ncorrupt_zlib = true\n", "line 2: corrupt_zlib: [chkrauth] cannot show it"},
      {"[gettrprice]\nlying_length = 3\n", "line 2: lying_length: [gettrprice] cannot show it"},
      {"[tr]\nno_set_cookie = true\n", "line 2: no_set_cookie: [tr] cannot show it"},
      {"[chkrauth]\nexpire_session = true\n", "line 2: expire_session: [chkrauth] cannot show it"},
      {"[tr]\nstall_at = 5\n[gettrprice]\n", "line 1: [tr] has stall_at without stall_for"},
      {"[tr]\ntrickle_every = 5\n", "line 1: [tr] has trickle_every without trickle_bytes"},
      {"\n\n[tr]\nshortfall = 5\n", "line 3: [tr] has shortfall without statuses"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseFaultsFile(c.text).error, c.error) << c.text;
  }
}

// What the program printed and its exit status.
std::pair<int, std::string> RunSimulator(const std::string& arguments) {
  const std::string command = std::string(VORLA_SERVICE_SIM) + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {-1, {}};
  std::string output;
  char chunk[256];
  while (const std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) {
    output.append(chunk, n);
  }
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(FaultsFile, ProgramRefusesABadFileBeforeItServes) {
  const std::string path = (test::CurrentHome() / "faults.ini").string();
  std::ofstream(path) << "[tr]\ndrop_after = 10\ntimes = never\n";
  EXPECT_EQ(RunSimulator("--port 0 --faults " + path),
            std::make_pair(1, "vorla-service-sim: " + path +
                                  ": line 3: times: 'never' is neither -1 nor a number above 0\n"));
  const std::string missing = (test::CurrentHome() / "missing.ini").string();
  EXPECT_EQ(RunSimulator("--port 0 --faults " + missing),
            std::make_pair(1, "vorla-service-sim: " + missing + ": cannot be read\n"));
}

}  // namespace
}  // namespace vorla::sim
