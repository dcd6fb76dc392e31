#include <gtest/gtest.h>

#include "common/StringBuffer.h"
#include "translation/TranslationJob.h"

namespace vorla {
namespace {

void ExpectInitialised(const TranslationJob& job) {
  EXPECT_TRUE(job.srctxt.empty());
  EXPECT_EQ(job.srclen, 0);
  EXPECT_EQ(job.sentype, 10);
  EXPECT_EQ(job.srcformat, 1);
  EXPECT_EQ(job.srclan, 0);
  EXPECT_EQ(job.enc, 2);
  EXPECT_TRUE(job.srcurl.empty());
  EXPECT_EQ(job.srcurllen, 0);
  EXPECT_EQ(job.srcwords, 0);
  EXPECT_TRUE(job.rescopy.empty());
  EXPECT_EQ(job.resunpacked, 0);
  EXPECT_EQ(job.tgtformat, 1);
  EXPECT_EQ(job.tgtlan, 1);
  EXPECT_EQ(job.tgtenc, 2);
  EXPECT_FALSE(job.resbuf);
  EXPECT_FALSE(job.auxbuf);
  EXPECT_EQ(job.pid, 0);
  EXPECT_EQ(job.actcount, (std::array<int, 2>{0, 0}));
  EXPECT_TRUE(job.frmurls.empty());
  EXPECT_EQ(job.frmurlscount, 0);
  EXPECT_EQ(job.formating, 0);
  EXPECT_EQ(job.trflags, 0u);
  EXPECT_EQ(job.trflagsext, 0u);
  EXPECT_EQ(job.actsent, -1);
  EXPECT_EQ(job.shortfall, 0);
  EXPECT_EQ(job.relogin, 1);
  EXPECT_EQ(job.obsvalue, 0);
  EXPECT_EQ(job.error, 0);
  EXPECT_EQ(job.zoom, 0);
  EXPECT_TRUE(job.Source().empty());
  EXPECT_TRUE(job.Result().empty());
}

TEST(TranslationJob, StartsInitialised) {
  ExpectInitialised(TranslationJob{});
}

TEST(TranslationJob, InitialiseResetsAllButTheActiveDictionaries) {
  TranslationJob job;
  job.SetSource("text");
  job.srcformat = 5;
  job.srclan = 215;
  job.enc = 1;
  job.srcurl = "https://example.org/";
  job.srcurllen = 20;
  job.srcwords = 3;
  job.rescopy = "result";
  job.resunpacked = 6;
  job.tgtformat = 3;
  job.tgtlan = 219;
  job.tgtenc = 1;
  job.resbuf = MakeRef<StringBuffer>();
  job.auxbuf = MakeRef<StringBuffer>();
  job.pid = 4;
  job.actcount = {2, 1};
  job.actfields[0][0] = 17;
  job.frmurls = "frames";
  job.frmurlscount = 1;
  job.formating = 5;
  job.trflags = 0x2000000;
  job.trflagsext = 0x400;
  job.actsent = 2;
  job.shortfall = 100;
  job.relogin = 0;
  job.obsvalue = 7;
  job.error = 15;
  job.zoom = 2;

  job.Initialise();

  ExpectInitialised(job);
  EXPECT_EQ(job.actfields[0][0], 17);
}

TEST(TranslationJob, SourceNeverReadsPastItsBytes) {
  TranslationJob job;
  ASSERT_TRUE(job.SetSource("hello"));
  EXPECT_EQ(job.srclen, 5);
  EXPECT_EQ(job.Source(), "hello");

  job.srclen = -1;  // batch translation before the file is read
  EXPECT_TRUE(job.Source().empty());
  job.srclen = 3;
  EXPECT_EQ(job.Source(), "hel");
  job.srclen = 1000;
  EXPECT_EQ(job.Source(), "hello");
}

TEST(TranslationJob, ResultComesFromTheBufferWhileItIsHeld) {
  TranslationJob job;
  job.rescopy = "detached";
  EXPECT_EQ(job.Result(), "detached");

  auto buffer = MakeRef<StringBuffer>();
  buffer->AppendText("from the service");
  job.resbuf = buffer;
  EXPECT_EQ(job.Result(), "from the service");
}

}  // namespace
}  // namespace vorla
