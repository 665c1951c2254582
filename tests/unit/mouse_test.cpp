// Moving and resizing the windowed viewer with the mouse.

#include <gtest/gtest.h>

#include "sim_viewer.h"

namespace mirlo {
namespace {

// A 1920 x 1200 monitor whose work area ends at row 1160, with the viewer at
// (100, 100), 640 wide (646 x 486 normal, 646 x 366 wide).
SimViewer ViewerAt100(int aspect) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.state().WindowLeft = 100;
  v.state().WindowTop = 100;
  v.state().RegionWidth = 640;
  v.state().Aspect = aspect;
  v.Run([&] { v.form.UpdateBounds(); });
  return v;
}

// Presses at a window position and moves the pointer by (dx, dy).
Rect Drag(SimViewer& v, Point press, int dx, int dy) {
  const Rect w = v.desk.WindowBounds();
  v.desk.MoveMouseTo(Point{w.left + press.x, w.top + press.y});
  v.desk.Press(MouseButton::Left, press.x, press.y);
  v.desk.MoveMouseTo(Point{w.left + press.x + dx, w.top + press.y + dy});
  return v.desk.WindowBounds();
}

Rect At(int left, int top, int width, int height) {
  return Rect{left, top, left + width, top + height};
}

TEST(MouseTest, DragsGiveTheWindowsOfTheExamples) {
  struct Case {
    int aspect;
    Point press;
    int dx, dy;
    Rect expected;
  };
  const Case cases[] = {
      {0, {640, 300}, 300, 0, At(100, 100, 946, 711)},      // right band, lower half
      {0, {640, 300}, 800, 0, At(100, 100, 1411, 1060)},    // widest, then cut at the bottom
      {0, {640, 300}, -3000, 0, At(100, 100, 326, 246)},    // smallest
      {0, {5, 5}, -55, -55, At(45, 59, 701, 527)},          // corner: left band, upper half
      {0, {300, 300}, -900, -900, At(0, 0, 646, 486)},      // move, stopped at the corner
      {0, {300, 300}, 5000, 5000, At(1274, 674, 646, 486)},
      {0, {300, 480}, 0, 120, At(0, 100, 746, 561)},        // bottom band, left half, cut at 0
      {0, {10, 400}, -40, 0, At(60, 100, 686, 516)},        // left band, lower half
      {1, {300, 5}, 0, -1000, At(0, 44, 746, 422)},         // top band, left half, wide
  };
  for (const Case& c : cases) {
    SimViewer v = ViewerAt100(c.aspect);
    const Rect got = Drag(v, c.press, c.dx, c.dy);
    EXPECT_EQ(got, c.expected) << "press " << c.press.x << "," << c.press.y << " by " << c.dx
                               << "," << c.dy << ": got " << got.left << "," << got.top << " "
                               << got.Width() << "x" << got.Height();
    // The strip follows every step: the region lies 3 pixels inside the window.
    const int w = got.Width() - 6, h = got.Height() - 6;
    EXPECT_EQ(v.state().RegionRect,
              (RegionRecord{got.left + 3, got.left + 2 + w, got.top + 3, got.top + 2 + h, w, h}));
  }
}

TEST(MouseTest, ResultDependsOnlyOnWhereThePointerIsNow) {
  SimViewer v = ViewerAt100(0);
  Drag(v, Point{640, 300}, 900, 0);
  v.desk.MoveMouseTo(Point{100 + 640 + 300, 400});
  EXPECT_EQ(v.desk.WindowBounds(), At(100, 100, 946, 711));
}

TEST(MouseTest, WidthIsLimitedByTheMonitorNotTheWorkArea) {
  SimViewer v({MakeMonitor(0, 0, 1024, 768)});
  v.form.Create();
  v.state().WindowLeft = 0;
  v.state().WindowTop = 0;
  v.desk.ChooseMenu(Id(MenuItem::N6401));
  EXPECT_EQ(Drag(v, Point{640, 300}, 2000, 0), At(0, 0, 806, 606));
}

TEST(MouseTest, CursorShowsTheZoneFromTheFirstMovement) {
  SimViewer v = ViewerAt100(0);
  v.desk.Press(MouseButton::Left, 300, 300);
  EXPECT_EQ(v.desk.Cursor(), CursorShape::Default);
  v.desk.MoveMouseTo(Point{401, 400});
  EXPECT_EQ(v.desk.Cursor(), CursorShape::HandPoint);
  v.desk.Release(MouseButton::Left);
  EXPECT_EQ(v.desk.Cursor(), CursorShape::Default);
  EXPECT_FALSE(v.desk.HasCapture());
  Drag(v, Point{5, 5}, 1, 1);
  EXPECT_EQ(v.desk.Cursor(), CursorShape::SizeWE);
  v.desk.Release(MouseButton::Left);
  Drag(v, Point{300, 480}, 0, 1);
  EXPECT_EQ(v.desk.Cursor(), CursorShape::SizeNS);
}

TEST(MouseTest, RightPressFullScreenAndLostCaptureMoveNothing) {
  SimViewer v = ViewerAt100(0);
  const Rect before = v.desk.WindowBounds();
  v.desk.Press(MouseButton::Right, 300, 300);
  EXPECT_TRUE(v.desk.HasCapture());
  v.desk.MoveMouseTo(Point{900, 900});
  EXPECT_EQ(v.desk.WindowBounds(), before);
  EXPECT_EQ(v.desk.Cursor(), CursorShape::Default);
  v.desk.Release(MouseButton::Right);
  EXPECT_FALSE(v.desk.HasCapture());

  // A drag whose capture is taken away ends at once.
  Drag(v, Point{300, 300}, 10, 0);
  v.desk.LoseCapture();
  const Rect afterLoss = v.desk.WindowBounds();
  v.desk.MoveMouseTo(Point{1000, 1000});
  EXPECT_EQ(v.desk.WindowBounds(), afterLoss);
  EXPECT_EQ(v.desk.Cursor(), CursorShape::Default);

}

TEST(MouseTest, FullScreenModesIgnoreDrags) {
  for (MenuItem mode : {MenuItem::N4, MenuItem::N5, MenuItem::N6}) {
    SimViewer v = ViewerAt100(0);
    v.desk.ChooseMenu(Id(mode));
    const int paints = v.desk.PaintCount();
    v.desk.Press(MouseButton::Left, 300, 300);
    v.desk.MoveMouseTo(Point{50, 50});
    EXPECT_EQ(v.desk.WindowBounds(), (Rect{0, 0, 1920, 1200})) << Id(mode);
    EXPECT_EQ(v.desk.PaintCount(), paints) << Id(mode);
    v.desk.Release(MouseButton::Left);
    EXPECT_FALSE(v.desk.HasCapture());
  }
}

TEST(MouseTest, PressAndReleaseWithoutMovementChangeNothing) {
  SimViewer v = ViewerAt100(0);
  const int paints = v.desk.PaintCount();
  for (Point press : {Point{5, 5}, Point{300, 300}, Point{300, 480}}) {
    v.desk.MoveMouseTo(Point{100 + press.x, 100 + press.y});
    v.desk.Press(MouseButton::Left, press.x, press.y);
    v.desk.Release(MouseButton::Left);
    EXPECT_EQ(v.desk.WindowBounds(), (Rect{100, 100, 746, 586}));
    EXPECT_EQ(v.desk.Cursor(), CursorShape::Default);
  }
  EXPECT_EQ(v.desk.PaintCount(), paints);
}

TEST(MouseTest, PointerMovedAfterTheReleaseMovesNothing) {
  SimViewer v = ViewerAt100(0);
  ASSERT_EQ(Drag(v, Point{300, 300}, 40, 20), (Rect{140, 120, 786, 606}));
  v.desk.Release(MouseButton::Left);
  // The pointer goes on over the window with no button held.
  v.desk.MoveMouseTo(Point{140 + 320, 120 + 310});
  v.desk.MoveMouseTo(Point{140 + 200, 120 + 250});
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{140, 120, 786, 606}));
  EXPECT_EQ(v.desk.Cursor(), CursorShape::Default);
}

}  // namespace
}  // namespace mirlo
