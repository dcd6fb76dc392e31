#include <gtest/gtest.h>

#include "translation/RequestLength.h"
#include "translation/TranslationFlags.h"
#include "translation/TranslationJob.h"

namespace vorla {
namespace {

TEST(RequestLength, LongOrShort) {
  struct Case {
    const char* name;
    int bytes;
    int format;
    int source;
    int target;
    bool automatic;
    bool longRequest;
  };
  const Case cases[] = {
      {"short text", 1'000, kFormatTxt, 0, 1, false, false},
      {"25,000 bytes English to Finnish", 25'000, kFormatTxt, 0, 1, false, false},
      {"25,000 bytes with automatic direction", 25'000, kFormatTxt, 0, 1, true, false},
      {"25,000-byte .docx", 25'000, kFormatDocx, 0, 1, false, true},
      {"19,999-byte .docx", 19'999, kFormatDocx, 0, 1, false, false},
      {"small .doc", 10, kFormatDoc, 0, 1, false, true},
      {"small .ppt", 10, kFormatPpt, 0, 1, false, true},
      {"small .xls", 10, kFormatXls, 0, 1, false, true},
      {"further languages", 10, kFormatTxt, 112, 110, false, true},
      {"400,000 bytes of automatic RTF", 400'000, kFormatRtf, 0, 1, true, true},
      {"400,000 bytes Finnish to English", 400'000, kFormatTxt, 1, 0, false, true},
      {"400,000 bytes fixed English to Finnish", 400'000, kFormatTxt, 0, 1, false, false},
      {"1,499,999 bytes fixed English to Finnish", 1'499'999, kFormatTxt, 0, 1, false, false},
      {"1,500,000 bytes fixed English to Finnish", 1'500'000, kFormatTxt, 0, 1, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TranslationJob job;
    job.SetSource(std::string(static_cast<std::size_t>(c.bytes), 'a'));
    job.srcformat = c.format;
    job.srclan = c.source;
    job.tgtlan = c.target;
    if (c.automatic) job.trflags |= kTrAutoDirection;
    EXPECT_EQ(IsLongRequest(job), c.longRequest);
    MarkRequestLength(job);
    EXPECT_EQ(job.trflagsext, c.longRequest ? kTrExtLongRequest : kTrExtOrdinaryRequest);
  }
}

TEST(RequestLength, AnAddressWithoutTextIsLong) {
  TranslationJob job;
  job.srcurl = "https://example.com/";
  EXPECT_TRUE(IsLongRequest(job));
  job.srcurl.clear();
  EXPECT_FALSE(IsLongRequest(job));
}

}  // namespace
}  // namespace vorla
