#include <gtest/gtest.h>

#include "ui/result/ResultWindowGeometry.h"

namespace vorla {
namespace {

constexpr QSize kScreen(1280, 800);

struct SizeCase {
  QSize stored;
  ResultWindowKind kind;
  QSize expected;
};

TEST(ResultWindowGeometry, StoredSizeIsKeptOnlyWhileItFits) {
  constexpr auto kClipboard = ResultWindowKind::Clipboard;
  constexpr auto kResult = ResultWindowKind::Result;
  for (const SizeCase& c : {
           SizeCase{{300, 200}, kClipboard, {300, 200}},
           SizeCase{{280, 160}, kResult, {280, 160}},
           SizeCase{{279, 400}, kClipboard, {460, 320}},
           SizeCase{{400, 159}, kResult, {640, 480}},
           SizeCase{{1260, 760}, kResult, {1260, 760}},
           SizeCase{{1261, 500}, kResult, {640, 480}},
           SizeCase{{500, 761}, kClipboard, {460, 320}},
       }) {
    EXPECT_EQ(ResultWindowSize(c.stored, c.kind, kScreen), c.expected)
        << c.stored.width() << " x " << c.stored.height();
  }
}

struct PositionCase {
  std::optional<QPoint> remembered;
  QPoint mainWindow;
  QSize size;
  QPoint expected;
};

TEST(ResultWindowGeometry, OpensBesideTheMainWindowOrWhereTheLastClosed) {
  for (const PositionCase& c : {
           PositionCase{std::nullopt, {140, 140}, {640, 480}, {240, 220}},
           PositionCase{QPoint(10, 20), {140, 140}, {640, 480}, {10, 20}},
           // A corner never set counts as none.
           PositionCase{QPoint(-1, 20), {140, 140}, {640, 480}, {240, 220}},
           PositionCase{std::nullopt, {-5, 140}, {640, 480}, {200, 200}},
           // Pulled back from the right and the bottom edge.
           PositionCase{std::nullopt, {900, 500}, {640, 480}, {620, 280}},
           PositionCase{QPoint(1000, 100), {0, 0}, {460, 320}, {800, 100}},
       }) {
    EXPECT_EQ(ResultWindowPosition(c.remembered, c.mainWindow, c.size, kScreen), c.expected)
        << c.expected.x() << ", " << c.expected.y();
  }
}

}  // namespace
}  // namespace vorla
