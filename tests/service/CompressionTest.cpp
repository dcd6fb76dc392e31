#include <gtest/gtest.h>

#include <random>
#include <string>

#include "common/DataBuffer.h"
#include "common/StringBuffer.h"
#include "service/Compression.h"
#include "service/JobCompression.h"
#include "translation/TranslationFlags.h"

namespace vorla {
namespace {

std::string RandomBytes(std::size_t n) {
  std::mt19937 generator(42);
  std::string bytes(n, '\0');
  for (char& byte : bytes)
    byte = static_cast<char>(generator());
  return bytes;
}

std::string Text(std::size_t n) {
  std::string text;
  while (text.size() < n)
    text += "The quick brown fox jumps over the lazy dog. ";
  text.resize(n);
  return text;
}

std::string Packed(std::string_view bytes) {
  return CompressBytes(bytes).value();
}

TEST(InflateBuffer, ExpandsWholeStreamsOnly) {
  const std::string text = Text(3'000'000);  // far more than 4 times its packed size + 1024
  const std::string packed = Packed(text);
  ASSERT_LT(packed.size() * 4 + 1024, text.size());

  struct Case {
    const char* name;
    std::string input;
    std::int64_t maxLength;
    std::int32_t result;
  };
  const Case cases[] = {
      {"whole", packed, -1, kInflateOk},
      {"exactly the maximum", packed, static_cast<std::int64_t>(text.size()), kInflateOk},
      {"one byte over", packed, static_cast<std::int64_t>(text.size()) - 1, kInflateTooLong},
      {"truncated", packed.substr(0, packed.size() - 5), -1, kInflateDamaged},
      {"only the header", packed.substr(0, 2), -1, kInflateDamaged},
      {"garbage", RandomBytes(1000), -1, kInflateDamaged},
      {"empty", "", -1, kInflateDamaged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto out = MakeRef<DataBuffer>();
    EXPECT_EQ(InflateBuffer(c.input, c.maxLength, *out), c.result);
    if (c.result == kInflateOk) {
      EXPECT_TRUE(ViewOf(*out) == text);
      EXPECT_EQ(out->GetData()[out->GetLength()], '\0');
    }
  }
}

TEST(InflateBuffer, BombStopsAtTheLimitWithoutInflatingEverything) {
  const std::string packed = Packed(std::string(50'000'000, '\0'));
  ASSERT_LT(packed.size(), 100'000u);
  auto out = MakeRef<DataBuffer>();
  EXPECT_EQ(InflateBuffer(packed, 1'000'000, *out), kInflateTooLong);
  // The buffer grows by four at most, so it never holds much more than the limit.
  EXPECT_LE(out->GetCapacity(), 4 * 1'000'002);
}

TEST(InflateBuffer, MissingMaximumStillHasACeiling) {
  EXPECT_EQ(EffectiveMaximum(-1), kUnlimitedCeiling);
  EXPECT_EQ(EffectiveMaximum(std::int64_t{1} << 40), kUnlimitedCeiling);
  EXPECT_EQ(EffectiveMaximum(100), 100);
}

TEST(CompressSource, PacksOnlyWhatShrinksAndOnlyOnce) {
  struct Case {
    const char* name;
    std::string source;
    bool packed;
  };
  const Case cases[] = {
      {"text", Text(1500), true},
      {"random bytes", RandomBytes(1500), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TranslationJob job;
    job.SetSource(c.source);
    job.trflags = kTrFromClient | kTrCompress;
    ASSERT_EQ(CompressSource(job), 0);
    EXPECT_EQ(job.trflags & kTrCompress, c.packed ? kTrCompress : 0u);
    EXPECT_EQ(job.trflags & kTrCompressed, c.packed ? kTrCompressed : 0u);
    EXPECT_EQ(job.srclen, static_cast<int>(job.srctxt.size()));
    if (!c.packed) {
      EXPECT_EQ(job.srctxt, c.source);
      continue;
    }
    EXPECT_LT(job.srclen, 1500);
    auto out = MakeRef<DataBuffer>();
    ASSERT_EQ(InflateBuffer(job.Source(), -1, *out), kInflateOk);
    EXPECT_EQ(ViewOf(*out), c.source);
  }
}

TEST(CompressSource, KeepsAnEarlierError) {
  TranslationJob job;
  job.SetSource(Text(2000));
  job.trflags = kTrCompress;
  job.error = 16;
  EXPECT_EQ(CompressSource(job), 16);
  EXPECT_EQ(job.srclen, 2000);
}

TEST(ExpandResult, ReplacesTheResultBufferOrTheDetachedResult) {
  const std::string text = Text(100'000);
  for (const bool withBuffer : {true, false}) {
    SCOPED_TRACE(withBuffer);
    TranslationJob job;
    if (withBuffer) {
      job.resbuf = MakeRef<StringBuffer>();
      const std::string packed = Packed(text);
      job.resbuf->AppendString(packed.data(), static_cast<std::int32_t>(packed.size()));
    } else {
      job.rescopy = Packed(text);
    }
    ASSERT_EQ(ExpandResult(job, -1), 0);
    EXPECT_EQ(job.Result(), text);
    EXPECT_EQ(job.resunpacked, 100'000);
    if (withBuffer) {
      EXPECT_STREQ(job.resbuf->GetString(), text.c_str());
    }
  }
}

TEST(ExpandResult, RefusesMissingDamagedAndOverlongResults) {
  struct Case {
    const char* name;
    std::string result;
    std::int32_t maxLength;
    std::int32_t code;
  };
  const Case cases[] = {
      {"missing", "", -1, 8},
      {"damaged", "not a zlib stream", -1, 8},
      {"too long", Packed(Text(5000)), 4999, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TranslationJob job;
    job.rescopy = c.result;
    EXPECT_EQ(ExpandResult(job, c.maxLength), c.code);
    EXPECT_EQ(job.rescopy, c.result);
    EXPECT_EQ(job.resunpacked, 0);
  }
}

}  // namespace
}  // namespace vorla
