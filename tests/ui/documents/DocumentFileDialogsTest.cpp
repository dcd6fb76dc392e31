#include <gtest/gtest.h>

#include "ui/documents/DocumentFileDialogs.h"

namespace vorla {
namespace {

TEST(DocumentFileDialogs, FiltersNameTheirPatternsAsTheDialogMatchesThem) {
  const std::vector<FileFilter> filters = {
      {"All files", "*.*"}, {"HTML", "*.html;*.htm"}, {"Word document", "*.docx"}};
  EXPECT_EQ(DialogNameFilters(filters),
            (QStringList{"All files (*)", "HTML (*.html *.htm)", "Word document (*.docx)"}));
}

TEST(DocumentFileDialogs, TheStartingFilterFollowsTheRememberedIndex) {
  const struct {
    FileDialogUse use;
    int remembered;
    int expected;
  } cases[] = {
      {FileDialogUse::Open, -1, 0}, {FileDialogUse::Open, 0, 0}, {FileDialogUse::Open, 3, 2},
      {FileDialogUse::Save, 0, 3},  {FileDialogUse::Save, 1, 0}, {FileDialogUse::Save, 4, 3},
      {FileDialogUse::Save, 5, 3},  {FileDialogUse::Save, 2, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StartingFilter(c.use, c.remembered, 4), c.expected)
        << static_cast<int>(c.use) << " " << c.remembered;
  }
}

}  // namespace
}  // namespace vorla
