#include <gtest/gtest.h>

#include <memory>

#include "config/MemorySettingsStore.h"
#include "config/Settings.h"
#include "documents/files/FilterMemory.h"

namespace vorla {
namespace {

TEST(FilterMemory, InitialFiltersAndWhatIsWritten) {
  auto store = std::make_shared<MemorySettingsStore>();
  Settings settings(store);
  FilterMemory memory(settings);
  EXPECT_EQ(memory.InitialFilter(FileDialogKind::OpenIntoPane, 3), 1);
  EXPECT_EQ(memory.InitialFilter(FileDialogKind::TranslateFile, 12), 1);
  EXPECT_EQ(memory.InitialFilter(FileDialogKind::SavePane, 3), 2);

  memory.Remember(FileDialogKind::OpenIntoPane, 3);
  memory.Remember(FileDialogKind::TranslateFile, 0);
  memory.Remember(FileDialogKind::SavePane, 5);
  memory.Remember(FileDialogKind::OpenIntoPane, -1);
  EXPECT_EQ(memory.InitialFilter(FileDialogKind::OpenIntoPane, 3), 3);
  EXPECT_EQ(memory.InitialFilter(FileDialogKind::TranslateFile, 12), 1);
  // Five Word-less filters are three: the save dialog shows its last.
  EXPECT_EQ(memory.InitialFilter(FileDialogKind::SavePane, 3), 3);
  EXPECT_EQ(memory.InitialFilter(FileDialogKind::SavePane, 5), 5);
  EXPECT_EQ(settings.ReadInteger("curfilter", -9), 3);
  EXPECT_EQ(settings.ReadInteger("curfiletrfilter", -9), 0);
}

}  // namespace
}  // namespace vorla
