#include <gtest/gtest.h>

#include "translation/WebAddressHistory.h"

namespace vorla {
namespace {

using Entries = std::vector<std::string>;

TEST(WebAddressHistory, NewestFirstWithoutShortOrRepeatedEntries) {
  WebAddressHistory history;
  EXPECT_EQ(history.NewestFirst(), Entries{});
  EXPECT_TRUE(history.Remember("a.com"));
  EXPECT_FALSE(history.Remember("a.com"));
  EXPECT_TRUE(history.Remember("A.com"));
  EXPECT_FALSE(history.Remember("b.fi"));
  // Five characters, more bytes.
  EXPECT_TRUE(history.Remember("ä.com"));
  EXPECT_EQ(history.NewestFirst(), (Entries{"ä.com", "A.com", "a.com"}));
}

TEST(WebAddressHistory, TheTwentyFirstReplacesTheOldest) {
  WebAddressHistory history;
  Entries expected;
  for (int i = 1; i <= 23; ++i) {
    const std::string address = "site" + std::to_string(i) + ".com";
    ASSERT_TRUE(history.Remember(address));
    expected.insert(expected.begin(), address);
  }
  expected.resize(WebAddressHistory::kCapacity);
  EXPECT_EQ(history.NewestFirst(), expected);
  // The replaced ones may come back; a kept one is still refused.
  EXPECT_TRUE(history.Remember("site1.com"));
  EXPECT_FALSE(history.Remember("site5.com"));
  EXPECT_EQ(history.NewestFirst().front(), "site1.com");
  EXPECT_EQ(history.NewestFirst().back(), "site5.com");
}

}  // namespace
}  // namespace vorla
