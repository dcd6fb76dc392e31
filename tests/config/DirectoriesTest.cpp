#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ConfigFixture.h"

namespace vorla {
namespace {

namespace fs = std::filesystem;

TEST(Directories, UnderVorlaHomeHaveNoMakerOrProductLevelsForApplicationData) {
  const fs::path home = test::CurrentHome();
  auto config = test::MakeHomeConfig();

  const Directories& dirs = config->Dirs();
  EXPECT_EQ(dirs.appData, home / "appdata/");
  EXPECT_EQ(dirs.userVocabularies, home / "appdata/Vocabularies/");
  EXPECT_EQ(dirs.temporary, home / "appdata/tmp/");
  EXPECT_EQ(dirs.documentsWork, home / "Documents/Vorla Tool/Temporary/");
  for (const fs::path& dir :
       {dirs.appData, dirs.userVocabularies, dirs.temporary, dirs.documentsWork}) {
    EXPECT_TRUE(fs::is_directory(dir)) << dir;
  }
  EXPECT_FALSE(fs::exists(home / "platform"));
}

TEST(Directories, WithoutVorlaHomeUseThePlatformFoldersWithMakerAndProduct) {
  const fs::path root = test::CurrentHome();
  struct Case {
    bool hasLocalAppData;
    fs::path expectedAppData;
  };
  const Case cases[] = {
      {true, root / "local/Vorla Systems/Vorla Tool/"},
      {false, root / "temp/Vorla Systems/Vorla Tool/"},  // no local application data
  };
  for (const Case& c : cases) {
    test::FixedFolders folders(root, c.hasLocalAppData);
    auto config = MakeRef<Config>(std::make_shared<MemorySettingsStore>(), folders, Environment{});
    const Directories& dirs = config->Dirs();
    EXPECT_EQ(dirs.appData, c.expectedAppData);
    EXPECT_EQ(dirs.temporary, c.expectedAppData / "tmp/");
    EXPECT_EQ(dirs.documentsWork, root / "docs/Vorla Tool/Temporary/");
    EXPECT_TRUE(fs::is_directory(dirs.temporary));
    EXPECT_TRUE(fs::is_directory(dirs.documentsWork));
  }
}

TEST(Directories, UserVocDirResolvesAgainstApplicationData) {
  const fs::path home = test::CurrentHome();
  const fs::path appData = home / "appdata";
  const std::string longName(5000, 'v');
  struct Case {
    std::string stored;  // Windows-1252, as in the store
    fs::path expected;
    bool created;
  };
  const Case cases[] = {
      {"", appData / "Vocabularies/", true},
      {"Sanastot", appData / "Sanastot/", true},
      {"omat/Sanastot", appData / "omat/Sanastot/", true},
      {"S\xE4\xE4nn\xF6t", appData / u8"Säännöt/", true},
      {(home / "elsewhere/dicts").string(), home / "elsewhere/dicts/", true},
      {(home / "trailing/").string(), home / "trailing/", true},
      // Longer than any name the file system takes: resolved in full, creation fails quietly.
      {longName, appData / longName / "", false},
  };
  for (const Case& c : cases) {
    auto store = std::make_shared<MemorySettingsStore>();
    if (!c.stored.empty()) store->WriteValue("UserVocDir", c.stored);
    auto config = test::MakeHomeConfig(store);
    EXPECT_EQ(config->Dirs().userVocabularies, c.expected) << c.stored.substr(0, 40);
    std::error_code error;
    EXPECT_EQ(fs::is_directory(c.expected, error), c.created) << c.stored.substr(0, 40);
    // The other directories do not depend on it.
    EXPECT_EQ(config->Dirs().temporary, appData / "tmp/");
  }
}

TEST(Directories, MakeDirectoryPathUsesTheDefaultLeafOnlyForAnEmptyPath) {
  auto config = test::MakeHomeConfig();
  const fs::path appData = config->Dirs().appData;
  EXPECT_EQ(config->MakeDirectoryPath("", "Leaf"), appData / "Leaf/");
  EXPECT_EQ(config->MakeDirectoryPath("x", "Leaf"), appData / "x/");
  EXPECT_EQ(config->MakeDirectoryPath("/abs/x", "Leaf"), fs::path("/abs/x/"));
}

}  // namespace
}  // namespace vorla
