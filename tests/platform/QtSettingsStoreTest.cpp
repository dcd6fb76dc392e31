#include <gtest/gtest.h>
#include <stdlib.h>

#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "config/Settings.h"
#include "platform/QtSettingsStore.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

namespace fs = std::filesystem;

Environment HomeEnvironment() {
  Environment environment;
  environment.home = test::CurrentHome();
  return environment;
}

fs::path SettingsFile() {
  return test::CurrentHome() / "settings.ini";
}

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

fs::perms Permissions(const fs::path& path) {
  return fs::status(path).permissions() & fs::perms::mask;
}

TEST(QtSettingsStore, LivesInSettingsIniUnderVorlaHome) {
  EXPECT_EQ(QtSettingsStore(HomeEnvironment()).Location(), SettingsFile().string());

  const fs::path config = test::CurrentHome() / "xdg-config";
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  EXPECT_EQ(QtSettingsStore(Environment{}).Location(),
            (config / "Vorla Systems/Vorla Tool.ini").string());
}

TEST(QtSettingsStore, ValuesRoundTripAsTheExactStringsWritten) {
  // Windows-1252 in and out; commas, quotes, a leading "@" and blanks at the ends would all
  // be taken for something else if they reached the file unescaped.
  const std::string values[] = {
      "",       "plain",       "a,b",        "a, b,",       ",",
      " lead",  "trail ",      "\"quoted\"", "@Variant(x)", "x;y",
      "a=b",    "#hash",       "two\nlines", "back\\slash", "S\xE4\xE4nn\xF6t",
      "\x80 5", "C:\\Users\\x"};
  {
    QtSettingsStore store(HomeEnvironment());
    for (std::size_t i = 0; i < std::size(values); ++i) {
      ASSERT_TRUE(store.WriteValue("v" + std::to_string(i), values[i]));
    }
  }
  QtSettingsStore reopened(HomeEnvironment());
  for (std::size_t i = 0; i < std::size(values); ++i) {
    EXPECT_EQ(reopened.ReadValue("v" + std::to_string(i)), values[i]) << i;
  }
  EXPECT_FALSE(reopened.ReadValue("missing"));
}

TEST(QtSettingsStore, FileHoldsUtf8TextAndPlainBooleans) {
  Settings settings(std::make_shared<QtSettingsStore>(HomeEnvironment()));
  settings.WriteString("name", "\xE4");
  settings.WriteString("price", "\x80");
  settings.WriteBoolean("off", false);
  settings.WriteBoolean("on", true);

  const std::string file = FileBytes(SettingsFile());
  EXPECT_NE(file.find("name=\xC3\xA4\n"), std::string::npos) << file;
  EXPECT_NE(file.find("price=\xE2\x82\xAC\n"), std::string::npos) << file;
  EXPECT_NE(file.find("off=false\n"), std::string::npos) << file;
  EXPECT_NE(file.find("on=true\n"), std::string::npos) << file;
  EXPECT_EQ(settings.ReadString("off"), "false");
}

TEST(QtSettingsStore, ValuesOfOtherTypesCountAsMissing) {
  fs::create_directories(test::CurrentHome());
  std::ofstream(SettingsFile()) << "[General]\n"
                                   "list=a,b\n"
                                   "bytes=@ByteArray(abc)\n"
                                   "size=@Size(1 2)\n"
                                   "text=abc\n";
  QtSettingsStore store(HomeEnvironment());
  EXPECT_FALSE(store.ReadValue("list"));
  EXPECT_FALSE(store.ReadValue("bytes"));
  EXPECT_FALSE(store.ReadValue("size"));
  EXPECT_EQ(store.ReadValue("text"), "abc");
}

TEST(QtSettingsStore, DeleteValueRemovesOnlyThatValue) {
  QtSettingsStore store(HomeEnvironment());
  store.WriteValue("keep", "1");
  store.WriteValue("drop", "2");
  EXPECT_TRUE(store.DeleteValue("drop"));
  EXPECT_TRUE(store.DeleteValue("never-written"));

  QtSettingsStore reopened(HomeEnvironment());
  EXPECT_FALSE(reopened.ReadValue("drop"));
  EXPECT_EQ(reopened.ReadValue("keep"), "1");
}

TEST(QtSettingsStore, FileIsReadableByItsOwnerOnlyAfterEveryWrite) {
  constexpr fs::perms kOwnerOnly = fs::perms::owner_read | fs::perms::owner_write;
  QtSettingsStore store(HomeEnvironment());
  ASSERT_TRUE(store.WriteValue("digest", "secret"));
  EXPECT_EQ(Permissions(SettingsFile()), kOwnerOnly);

  // A file left readable by an older program or by hand is narrowed by the next change.
  fs::permissions(SettingsFile(), fs::perms::owner_read | fs::perms::owner_write |
                                      fs::perms::group_read | fs::perms::others_read);
  ASSERT_TRUE(store.WriteValue("digest", "other"));
  EXPECT_EQ(Permissions(SettingsFile()), kOwnerOnly);

  fs::permissions(SettingsFile(), fs::perms::others_read, fs::perm_options::add);
  ASSERT_TRUE(store.DeleteValue("digest"));
  EXPECT_EQ(Permissions(SettingsFile()), kOwnerOnly);
}

TEST(QtSettingsStore, AFailedWriteReturnsFalse) {
  // The settings file's place is taken by a folder, so it can never be written.
  fs::create_directories(SettingsFile());
  QtSettingsStore store(HomeEnvironment());
  EXPECT_FALSE(store.WriteValue("name", "value"));
}

TEST(QtSettingsStore, ConcurrentWritersInThreadsAndAnotherProcessLoseNothing) {
  constexpr int kCount = 100;
  QProcess other;
  other.start(VORLA_SETTINGS_WRITER, {"process", QString::number(kCount)});
  ASSERT_TRUE(other.waitForStarted());

  QtSettingsStore shared(HomeEnvironment());
  auto write = [&](const std::string& prefix) {
    for (int i = 0; i < kCount; ++i) {
      shared.WriteValue(prefix + std::to_string(i), "value " + std::to_string(i));
    }
  };
  {
    std::jthread first(write, "first");
    std::jthread second(write, "second");
  }
  ASSERT_TRUE(other.waitForFinished(120'000));
  EXPECT_EQ(other.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(other.exitCode(), 0);

  QtSettingsStore reopened(HomeEnvironment());
  for (const std::string prefix : {"first", "second", "process"}) {
    for (int i = 0; i < kCount; ++i) {
      EXPECT_EQ(reopened.ReadValue(prefix + std::to_string(i)), "value " + std::to_string(i))
          << prefix << i;
    }
  }
}

}  // namespace
}  // namespace vorla
