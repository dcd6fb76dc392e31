#include <gtest/gtest.h>

#include <fstream>

#include "common/FileWriting.h"
#include "support/FileBytes.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

TEST(FileWriting, ReplacesAFileWholeAndLeavesNoTemporaryFile) {
  test::TempDir dir;
  const std::filesystem::path path = dir.path() / "saved.txt";
  ASSERT_TRUE(WriteFileReplacing(path, "first version, longer"));
  ASSERT_TRUE(WriteFileReplacing(path, "second"));
  EXPECT_EQ(test::ReadFileBytes(path), "second");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(FileWriting, FailureLeavesTheFormerFileAsItWas) {
  test::TempDir dir;
  const std::filesystem::path missingFolder = dir.path() / "missing" / "saved.txt";
  EXPECT_FALSE(WriteFileReplacing(missingFolder, "bytes"));
  // A folder cannot be replaced by a file: the former content stays.
  const std::filesystem::path folder = dir.path() / "folder";
  std::filesystem::create_directory(folder);
  std::ofstream(folder / "inside") << "kept";
  EXPECT_FALSE(WriteFileReplacing(folder, "bytes"));
  EXPECT_EQ(test::ReadFileBytes(folder / "inside"), "kept");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(FileWriting, NameOfTheLongestLengthIsWritten) {
  test::TempDir dir;
  const std::filesystem::path path = dir.path() / (std::string(251, 'n') + ".txt");
  ASSERT_TRUE(WriteFileReplacing(path, "long"));
  EXPECT_EQ(test::ReadFileBytes(path), "long");
}

TEST(FileWriting, CreatesOnlyNewFiles) {
  test::TempDir dir;
  const std::filesystem::path path = dir.path() / "new.bin";
  EXPECT_TRUE(CreateFileExclusively(path));
  EXPECT_FALSE(CreateFileExclusively(path));
}

}  // namespace
}  // namespace vorla
