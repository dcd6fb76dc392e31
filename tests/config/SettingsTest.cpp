#include <gtest/gtest.h>

#include "config/MemorySettingsStore.h"
#include "config/Settings.h"

namespace vorla {
namespace {

TEST(Settings, IntegerParse) {
  struct Case {
    const char* stored;
    int expected;
  };
  const Case cases[] = {
      {"12", 12},
      {"12pt", 12},
      {" -5", -5},
      {"\t+7x", 7},
      {"", 0},
      {"abc", 0},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", 99},  // overflow: the default
      {"-2147483649", 99},
      {"99999999999999999999", 99},
  };
  Settings settings(std::make_shared<MemorySettingsStore>());
  for (const Case& c : cases) {
    settings.WriteString("n", c.stored);
    EXPECT_EQ(settings.ReadInteger("n", 99), c.expected) << '"' << c.stored << '"';
  }
  EXPECT_EQ(settings.ReadInteger("missing", 42), 42);
}

TEST(Settings, BooleanParse) {
  struct Case {
    const char* stored;
    bool defaultValue, expected;
  };
  const Case cases[] = {
      {"true", false, true}, {"TRUE", false, true},  {"True", false, true},
      {"yes", true, false},  {"false", true, false}, {"1", true, false},
      {"", true, true},      {"", false, false},     {"truex", true, false},
  };
  Settings settings(std::make_shared<MemorySettingsStore>());
  for (const Case& c : cases) {
    settings.WriteString("b", c.stored);
    EXPECT_EQ(settings.ReadBoolean("b", c.defaultValue), c.expected) << '"' << c.stored << '"';
  }
  EXPECT_TRUE(settings.ReadBoolean("missing", true));
}

TEST(Settings, WritesBooleansAndIntegersAsText) {
  auto store = std::make_shared<MemorySettingsStore>();
  Settings settings(store);
  settings.WriteBoolean("off", false);
  settings.WriteBoolean("on", true);
  settings.WriteInteger("n", -42);
  EXPECT_EQ(store->ReadValue("off"), "false");
  EXPECT_EQ(store->ReadValue("on"), "true");
  EXPECT_EQ(store->ReadValue("n"), "-42");
  settings.DeleteValue("n");
  EXPECT_FALSE(settings.ReadString("n"));
}

}  // namespace
}  // namespace vorla
