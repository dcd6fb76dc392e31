#include <gtest/gtest.h>

#include <memory>

#include "config/MemorySettingsStore.h"
#include "ui/main/MainWindowGeometry.h"

namespace vorla {
namespace {

TEST(MainWindowGeometry, OpensWhereTheScreenAndTheStoredSizeAllow) {
  const struct {
    const char* what;
    QSize screen;
    QSize stored;
    int minimumWidth;
    QRect expected;
  } cases[] = {
      {"full HD, nothing stored", {1920, 1080}, {0, 0}, 0, {140, 140, 900, 550}},
      {"stored size too wide", {1920, 1080}, {2000, 500}, 0, {140, 140, 900, 550}},
      {"stored size used", {1920, 1080}, {1000, 700}, 0, {140, 140, 1000, 700}},
      {"stored width below 280", {1920, 1080}, {279, 700}, 0, {140, 140, 900, 550}},
      {"stored height below 200", {1920, 1080}, {700, 199}, 0, {140, 140, 900, 550}},
      {"stored size at the edges", {1920, 1080}, {1900, 1040}, 0, {0, 0, 1900, 1040}},
      {"stored height reaching the bottom", {1920, 1080}, {1000, 1041}, 0, {140, 140, 900, 550}},
      {"stored size moved off the edges", {1920, 1080}, {1800, 950}, 0, {100, 90, 1800, 950}},
      {"XGA", {1024, 768}, {0, 0}, 0, {140, 140, 614, 460}},
      {"SVGA", {800, 600}, {0, 0}, 0, {140, 140, 480, 360}},
      {"small screen", {300, 200}, {0, 0}, 0, {100, 40, 180, 120}},
      // Where the window would start left of or above the screen it starts at its edge.
      {"tiny screen", {40, 80}, {0, 0}, 0, {0, 0, 24, 48}},
      {"raised to the window's minimum", {800, 600}, {0, 0}, 600, {140, 140, 600, 360}},
      {"minimum wider than the screen", {300, 200}, {0, 0}, 400, {100, 40, 400, 120}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MainWindowGeometry(c.screen, c.stored, c.minimumWidth), c.expected) << c.what;
  }
}

TEST(MainWindowGeometry, StoredSizeFallsBackToTheOlderNames) {
  const struct {
    const char* what;
    std::vector<std::pair<std::string_view, std::string_view>> stored;
    QSize expected;
  } cases[] = {
      {"nothing", {}, {0, 0}},
      {"current names", {{"mainwnd_width", "800"}, {"mainwnd_height", "500"}}, {800, 500}},
      {"older names", {{"width", "640"}, {"height", "480"}}, {640, 480}},
      {"current names first",
       {{"mainwnd_width", "800"}, {"width", "640"}, {"mainwnd_height", "500"}, {"height", "480"}},
       {800, 500}},
      {"a zero counts as missing", {{"mainwnd_width", "0"}, {"width", "640"}}, {640, 0}},
  };
  for (const auto& c : cases) {
    Settings settings(std::make_shared<MemorySettingsStore>());
    for (const auto& [name, value] : c.stored)
      settings.WriteString(name, value);
    EXPECT_EQ(StoredMainWindowSize(settings), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace vorla
