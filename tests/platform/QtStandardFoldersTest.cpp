#include <gtest/gtest.h>
#include <stdlib.h>

#include "platform/QtStandardFolders.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

namespace fs = std::filesystem;

TEST(QtStandardFolders, FollowTheUsersDataDocumentsAndTemporaryFolders) {
  const fs::path root = test::CurrentHome();
  fs::create_directories(root / "data");
  fs::create_directories(root / "tmp");
  setenv("HOME", root.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);  // no user-dirs.dirs
  setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
  setenv("TMPDIR", (root / "tmp").c_str(), 1);

  const QtStandardFolders folders;
  EXPECT_EQ(folders.LocalAppData(), root / "data");
  EXPECT_EQ(folders.Documents(), root / "Documents");
  EXPECT_EQ(folders.Temp(), root / "tmp");
}

}  // namespace
}  // namespace vorla
