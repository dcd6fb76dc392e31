#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "common/DataBuffer.h"
#include "common/RefPtr.h"
#include "common/StringBuffer.h"
#include "common/StringList.h"

namespace vorla {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

std::unique_ptr<char[]> Bytes(std::string_view text) {
  auto bytes = std::make_unique<char[]>(text.size());
  std::memcpy(bytes.get(), text.data(), text.size());
  return bytes;
}

TEST(DataBuffer, ReadCopiesOnlyWhatRemains) {
  DataBuffer buffer;
  ASSERT_EQ(buffer.Append("abcdef", 6), 6);
  char out[16] = {};
  EXPECT_EQ(buffer.Read(out, 4), 4);
  EXPECT_EQ(std::string(out, 4), "abcd");
  EXPECT_EQ(buffer.Read(out, 100), 2);
  EXPECT_EQ(std::string(out, 2), "ef");
  EXPECT_TRUE(buffer.AtEnd());
  EXPECT_EQ(buffer.Read(out, 10), 0);
  EXPECT_EQ(buffer.Read(out, -1), 0);
}

TEST(DataBuffer, GrowsByFourTimesOrToNeededPlusOne) {
  struct Case {
    std::int32_t capacity, held, appended, grownCapacity;
  };
  const Case cases[] = {
      {0, 0, 5, 6},     // an empty buffer grows to exactly what it needs + 1
      {10, 9, 1, 40},   // filling the last byte quadruples
      {10, 5, 4, 10},   // still room for the terminator: no growth
      {10, 9, 50, 60},  // needed + 1 beats four times
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.capacity * 1000 + c.appended);
    DataBuffer buffer;
    if (c.capacity > 0) {
      ASSERT_EQ(buffer.Reserve(c.capacity - 1), 1);
    }
    ASSERT_EQ(buffer.GetCapacity(), c.capacity);
    const std::string held(static_cast<std::size_t>(c.held), 'h');
    ASSERT_EQ(buffer.Append(held.data(), c.held), c.held);
    const std::string appended(static_cast<std::size_t>(c.appended), 'a');
    EXPECT_EQ(buffer.Append(appended.data(), c.appended), c.appended);
    EXPECT_EQ(buffer.GetCapacity(), c.grownCapacity);
    EXPECT_EQ(ViewOf(buffer), held + appended);
    EXPECT_EQ(buffer.GetData()[buffer.GetLength()], '\0');
  }
}

TEST(DataBuffer, SizesThatCannotBeHeldAreRefused) {
  DataBuffer buffer;
  ASSERT_EQ(buffer.Append("abc", 3), 3);
  EXPECT_EQ(buffer.Reserve(-1), -1);
  EXPECT_EQ(buffer.Reserve(kMax), -1);
  EXPECT_EQ(buffer.Append("x", 0), 0);
  EXPECT_EQ(buffer.Append("x", kMax - 1), -1);
  EXPECT_FALSE(buffer.Resize(-5));
  EXPECT_FALSE(buffer.Resize(kMax));
  EXPECT_FALSE(buffer.SetLength(-1));
  EXPECT_FALSE(buffer.SetLength(buffer.GetCapacity() + 1));
  EXPECT_FALSE(buffer.Attach(nullptr, -1));
  EXPECT_EQ(ViewOf(buffer), "abc");
}

TEST(DataBuffer, AttachTakesOrAllocatesBytes) {
  DataBuffer buffer;
  ASSERT_TRUE(buffer.Attach(nullptr, 100));
  EXPECT_EQ(buffer.GetLength(), 100);
  EXPECT_NE(buffer.GetData(), nullptr);
  ASSERT_TRUE(buffer.Attach(Bytes("hello"), 5));
  EXPECT_EQ(ViewOf(buffer), "hello");
  EXPECT_EQ(buffer.GetPosition(), 0);
  // An attached block is exactly full: the next append grows it.
  EXPECT_EQ(buffer.Append("!", 1), 1);
  EXPECT_EQ(ViewOf(buffer), "hello!");
}

TEST(DataBuffer, BorrowedBytesAreNeverFreedAndTheFlagEndsWithThem) {
  char external[8] = "outside";
  const auto borrowed = [&](DataBuffer& buffer) {
    ASSERT_TRUE(buffer.Attach(std::unique_ptr<char[]>(external), 7));
    buffer.SetBorrowed(true);
  };
  {
    DataBuffer buffer;
    borrowed(buffer);
    buffer.Clear();  // must not free the external bytes
    EXPECT_FALSE(buffer.IsBorrowed());
    EXPECT_EQ(buffer.GetData(), nullptr);
  }
  {
    DataBuffer buffer;
    borrowed(buffer);
    ASSERT_EQ(buffer.Append("!", 1), 1);  // growth copies and leaves the old bytes alone
    EXPECT_FALSE(buffer.IsBorrowed());
    EXPECT_EQ(ViewOf(buffer), "outside!");
  }
  {
    DataBuffer buffer;
    borrowed(buffer);
    ASSERT_TRUE(buffer.Attach(Bytes("own"), 3));
    EXPECT_FALSE(buffer.IsBorrowed());
  }
  RefPtr<DataBuffer> counted = MakeRef<DataBuffer>();
  borrowed(*counted);
  counted.reset();  // Release to zero keeps the borrowed data
  EXPECT_STREQ(external, "outside");
}

TEST(DataBuffer, CopyOutIsIndependentAndTerminated) {
  DataBuffer buffer;
  ASSERT_EQ(buffer.Append("abc", 3), 3);
  std::int32_t length = -1;
  auto copy = buffer.CopyOut(&length);
  buffer.Clear();
  EXPECT_EQ(length, 3);
  EXPECT_STREQ(copy.get(), "abc");
  auto empty = buffer.CopyOut(nullptr);
  EXPECT_STREQ(empty.get(), "");
}

TEST(StringBuffer, KeepsItsTerminatorThroughEveryChange) {
  StringBuffer buffer(4);
  EXPECT_STREQ(buffer.GetString(), "");
  EXPECT_EQ(buffer.GetCapacity(), 5);
  EXPECT_EQ(buffer.AppendString("hello world", 5), 5);
  EXPECT_STREQ(buffer.GetString(), "hello");
  EXPECT_EQ(buffer.AppendText(" there"), 6);
  EXPECT_STREQ(buffer.GetString(), "hello there");
  ASSERT_TRUE(buffer.Resize(4));
  EXPECT_STREQ(buffer.GetString(), "hell");
  ASSERT_TRUE(buffer.SetLength(2));
  EXPECT_STREQ(buffer.GetString(), "he");
  // The last byte of the room belongs to the terminator.
  EXPECT_FALSE(buffer.SetLength(buffer.GetCapacity()));
  EXPECT_TRUE(buffer.SetLength(buffer.GetCapacity() - 1));
  ASSERT_TRUE(buffer.Attach(Bytes("attached"), 8));
  EXPECT_STREQ(buffer.GetString(), "attached");
  EXPECT_EQ(buffer.GetLength(), 8);
}

TEST(StringBuffer, AppendStringCounts) {
  StringBuffer buffer;
  EXPECT_EQ(buffer.AppendString("", 0), 0);
  EXPECT_EQ(buffer.AppendString(nullptr, 3), 0);
  EXPECT_EQ(buffer.GetData(), nullptr);
  EXPECT_EQ(buffer.AppendString("whole", 0), 5);
  EXPECT_EQ(buffer.AppendString("whole", -7), 5);
  EXPECT_STREQ(buffer.GetString(), "wholewhole");
}

TEST(StringBuffer, AnInitialSizeThatCannotBeHeldGives1024Bytes) {
  EXPECT_EQ(StringBuffer(kMax).GetCapacity(), 1024);
  EXPECT_EQ(StringBuffer(-3).GetCapacity(), 1024);
}

TEST(StringList, OwnsCopiesOfItsStrings) {
  StringList list;
  std::string text = "first";
  EXPECT_EQ(list.Add(text.c_str(), 0), 1);
  text = "changed";
  EXPECT_STREQ(list.Get(0), "first");
  EXPECT_EQ(list.Add("second-and-more", 6), 2);
  EXPECT_STREQ(list.Get(1), "second");
  EXPECT_EQ(list.Add(nullptr, 0), 2);
  // A count beyond the text stops at its terminator.
  EXPECT_EQ(list.Add("ab", 50), 3);
  EXPECT_STREQ(list.Get(2), "ab");
}

TEST(StringList, IndexedOperationsAtTheirEdges) {
  StringList list;
  list.Add("a", 0);
  list.Add("b", 0);
  struct Case {
    const char* what;
    std::int32_t result, expected;
  };
  const Case cases[] = {
      {"Get(-1) is null", list.Get(-1) == nullptr, 1},
      {"Get(count) is null", list.Get(2) == nullptr, 1},
      {"Insert below 0", list.Insert(-1, "x", 0), -1},
      {"Insert beyond count", list.Insert(3, "x", 0), -1},
      {"Insert null", list.Insert(0, nullptr, 0), -1},
      {"Replace beyond count", list.Replace(3, "x", 0), -1},
      {"Replace null", list.Replace(0, nullptr, 0), -1},
      {"Find missing", list.Find("zz"), -1},
      {"Find null", list.Find(nullptr), -1},
      {"Remove missing", list.Remove("zz"), -1},
      {"ReplaceText missing", list.ReplaceText("zz", "y", 0), -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.result, c.expected) << c.what;
  EXPECT_EQ(list.GetCount(), 2);

  EXPECT_EQ(list.Insert(2, "c", 0), 2);  // index equal to count appends
  EXPECT_EQ(list.Insert(0, "z", 0), 0);
  EXPECT_EQ(list.Replace(1, "A", 0), 1);
  EXPECT_EQ(list.Replace(4, "d", 0), 4);
  EXPECT_EQ(list.ReplaceText("b", "B", 0), 2);
  EXPECT_EQ(list.Remove("z"), 0);
  const char* expected[] = {"A", "B", "c", "d"};
  ASSERT_EQ(list.GetCount(), 4);
  for (int i = 0; i < 4; ++i)
    EXPECT_STREQ(list.Get(i), expected[i]);
  EXPECT_EQ(list.Find("c"), 2);
}

}  // namespace
}  // namespace vorla
