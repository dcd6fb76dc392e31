#include <gtest/gtest.h>

#include <fstream>

#include "FaultsFile.h"
#include "TranslationCommands.h"
#include "TranslationFixture.h"
#include "support/TempHome.h"
#include "translation/ResultCodes.h"

namespace vorla {
namespace {

// The real client translating on the simulator's own `tr`, with the faults of a file.
class FaultsFromFileTest : public test::TranslationFixture, public testing::Test {
 protected:
  FaultsFromFileTest() { sim::RegisterTranslationCommands(sim_); }

  void UseFaultsFile(const std::string& text) {
    const std::string path = (test::CurrentHome() / "faults.ini").string();
    std::ofstream(path) << text;
    const sim::FaultsFile file = sim::ReadFaultsFile(path);
    ASSERT_TRUE(file.ok()) << file.error;
    sim::ApplyFaultsFile(file, sim_);
  }
};

TEST_F(FaultsFromFileTest, TheClientMeetsEachFault) {
  struct Case {
    const char* file;
    bool compressed;  // a source long enough to be sent and answered compressed
    int result;
    std::size_t requests;
  };
  const Case cases[] = {
      {"[tr]\ncorrupt_zlib = true\n", true, kResultResultDamaged, 1},
      {"[tr]\ncorrupt_zlib = true\n", false, 0, 1},  // nothing compressed to break
      {"[tr]\nlying_length = 1000\n", false, kResultConnectionError, 2},
      {"[tr]\nlying_length = 1000\ntimes = 1\n", false, 0, 2},
      {"[tr]\ndrop_before_headers = true\ntimes = 1\n", false, 0, 2},
      {"[tr]\ndrop_after = 0\n", false, kResultConnectionError, 2},
      {"[tr]\nhttp_500 = true\n", false, kResultConnectionError, 1},
      {"[tr]\nstatuses = 16, 19\nshortfall = 40\n", false, kResultFormatNotSupported, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    sim_.ClearRequests();
    UseFaultsFile(c.file);
    std::string source = "house. ";
    if (c.compressed) {
      for (int i = 0; i < 200; ++i)
        source += "house. ";
    }
    TranslationJob job = TextJob(source);
    if (c.compressed) job.trflags |= kTrCompress;
    EXPECT_EQ(client_.Translate(job, kRepeatOnce), c.result);
    EXPECT_EQ(Requests("tr").size(), c.requests);
    if (c.result == 0) {
      EXPECT_TRUE(job.Result().starts_with("talo.")) << job.Result();
    }
    sim_.SetFaults("tr", {});
  }
  // The second status queued by the last file is still to come.
  TranslationJob job = TextJob("house");
  EXPECT_EQ(client_.Translate(job, kRepeatOnce), kResultBalanceInsufficient);
  EXPECT_EQ(job.shortfall, 40);
  TranslationJob again = TextJob("house");
  EXPECT_EQ(client_.Translate(again, kRepeatOnce), 0);
}

}  // namespace
}  // namespace vorla
