// Snapping while Ctrl is held: each target, the reach of 8 pixels, ties,
// odd sizes, targets the work area cannot hold and widths the monitor does
// not allow. Expected windows are worked out by hand: the pointer moves onto
// the target, then the drag rules run (window = region + 6; heights w * 3 / 4
// or w * 9 / 16, widths h * 4 / 3 or h * 16 / 9, truncated).

#include "viewer/drag_snap.h"

#include <gtest/gtest.h>

#include "sim_viewer.h"

namespace mirlo {
namespace {

// A 1920 x 1200 monitor with a 40-row task bar; largest region 1440.
const Rect kWork{0, 0, 1920, 1160};
// A normal viewer 640 wide at (100, 100): 646 x 486.
const Rect kStart{100, 100, 746, 586};
const Point kInside{300, 300};

struct SnapCase {
  const char* what;
  Rect start;
  Point press;
  Point pointer;
  Rect expected;
  int32_t aspect = 0;
  Rect work = kWork;
  int32_t largest = 1440;
};

DragStep StepOf(const SnapCase& c) {
  return DragStep{c.start, c.press, c.start, c.pointer, c.work, c.aspect, c.largest, 3};
}

template <size_t N>
void ExpectSnaps(const SnapCase (&cases)[N]) {
  for (const SnapCase& c : cases) EXPECT_EQ(SnappedDragTo(StepOf(c)), c.expected) << c.what;
}

// Move cases: the pointer (left + 300, top + 300) asks for the window at
// (left, top). With the top at 200 no row target lies within 8 (edges 200
// and 474 away, the region's middle row 443 against 580); with the left at
// 400 no column target does.
TEST(DragSnapTest, AMoveSnapsEachEdgeAndTheCentreWithinEightPixels) {
  const SnapCase cases[] = {
      {"left edge 8 away", kStart, kInside, {308, 500}, {0, 200, 646, 686}},
      {"left edge 9 away", kStart, kInside, {309, 500}, {9, 200, 655, 686}},
      {"right edge 8 away", kStart, kInside, {1566, 500}, {1274, 200, 1920, 686}},
      {"right edge 9 away", kStart, kInside, {1565, 500}, {1265, 200, 1911, 686}},
      // The region's middle column is left + 3 + 320; the work area's is 960.
      {"centre 7 to the left", kStart, kInside, {930, 500}, {637, 200, 1283, 686}},
      {"centre 8 to the right", kStart, kInside, {945, 500}, {637, 200, 1283, 686}},
      {"centre 9 to the right", kStart, kInside, {946, 500}, {646, 200, 1292, 686}},
      {"top edge", kStart, kInside, {700, 305}, {400, 0, 1046, 486}},
      {"bottom edge", kStart, kInside, {700, 968}, {400, 674, 1046, 1160}},
      // The middle row is top + 3 + 240; the work area's is 580.
      {"middle row 8 below", kStart, kInside, {700, 645}, {400, 337, 1046, 823}},
      {"both axes at once", kStart, kInside, {1570, 970}, {1274, 674, 1920, 1160}},
  };
  ExpectSnaps(cases);
}

TEST(DragSnapTest, TheNearestTargetWinsAndATieGoesToTheEdge) {
  const SnapCase cases[] = {
      // A 660 x 500 work area: the left edge at 0, the right at 14 and the
      // centre at 7. Left 10 is 3 from the centre and 4 from the right edge;
      // top 3 is 3 from the top edge and 4 from the middle row.
      {"centre nearer than an edge, an edge nearer than the middle", kStart, kInside, {310, 303},
       {7, 0, 653, 486}, 0, Rect{0, 0, 660, 500}},
      // 662 x 502: the centre at 8 and the edges at 0 and 16. Left 4 lies 4
      // from the left edge and from the centre; top 12 lies 4 from the bottom
      // edge and from the middle row.
      {"ties go to the edge", kStart, kInside, {304, 312}, {0, 16, 646, 502}, 0,
       Rect{0, 0, 662, 502}},
  };
  ExpectSnaps(cases);
}

TEST(DragSnapTest, TheCentreOfAnOddSizeIsTruncated) {
  // Region 641 x 481: its centre is (left + 3 + 320, top + 3 + 240), so it
  // snaps with the window at (637, 337), one pixel right of where the
  // start-up centring would put a window 647 wide.
  const SnapCase cases[] = {
      {"641 x 481", {100, 100, 747, 587}, kInside, {941, 633}, {637, 337, 1284, 824}},
  };
  ExpectSnaps(cases);
}

TEST(DragSnapTest, ARightOrLeftEdgeSnapsTheRegionWidthToAMenuWidth) {
  const Rect farRight{900, 100, 1546, 586};
  const Rect wide{100, 100, 746, 466};  // region 640 x 360
  const SnapCase cases[] = {
      // Right band, lower half: the region is pointer.x - 100 wide.
      {"795 to 800", kStart, {640, 300}, {895, 400}, {100, 100, 906, 706}},
      {"808 to 800", kStart, {640, 300}, {908, 400}, {100, 100, 906, 706}},
      // 809 * 3 / 4 = 606.
      {"809 stays", kStart, {640, 300}, {909, 400}, {100, 100, 915, 712}},
      {"325 to 320", kStart, {640, 300}, {425, 400}, {100, 100, 426, 346}},
      // Left band, lower half: 1030 wide asked for, 1024 given, 1024 * 3 / 4 = 768.
      {"left edge, 1030 to 1024", farRight, {10, 300}, {520, 400}, {516, 100, 1546, 874}},
      // Wide: 1275 to 1280, 1280 * 9 / 16 = 720.
      {"wide, 1275 to 1280", wide, {640, 200}, {1375, 300}, {100, 100, 1386, 826}, 1},
  };
  ExpectSnaps(cases);
}

TEST(DragSnapTest, ATopOrBottomEdgeSnapsTheWidthTheHeightImplies) {
  const Rect right{500, 100, 1146, 586};
  const Rect wideLow{100, 500, 746, 866};  // region 640 x 360
  const SnapCase cases[] = {
      // Bottom band, left half: the region is pointer.y - 100 high and the
      // left edge follows. 597 implies 796: snapped to 800, 600 high.
      {"597 high implies 796", right, {300, 480}, {600, 697}, {340, 100, 1146, 706}},
      {"606 high implies 808", right, {300, 480}, {600, 706}, {340, 100, 1146, 706}},
      // 607 implies 809: left as it is, 815 wide.
      {"607 high implies 809", right, {300, 480}, {600, 707}, {331, 100, 1146, 713}},
      // Top band, right half, wide: 572 high implies 1016, snapped to 1024,
      // 576 high; the right edge follows.
      {"wide, 572 high implies 1016", wideLow, {400, 10}, {500, 298}, {100, 284, 1130, 866}, 1},
  };
  ExpectSnaps(cases);
}

TEST(DragSnapTest, ASnappedWindowStillKeepsEveryRule) {
  const SnapCase cases[] = {
      // The right edge asks for 795, snapped to 800, but the work area ends at
      // 1700: cut there, 694 wide, 694 * 3 / 4 = 520 high.
      {"a width past the work area", {1000, 100, 1646, 586}, {640, 300}, {1795, 400},
       {1000, 100, 1700, 626}, 0, Rect{0, 0, 1700, 1160}},
      // A 1440 window on a 1024 x 738 work area snaps its left and top edges
      // to 0, and then sticks out above and to the left, flush with the right
      // and bottom edges, as without snapping.
      {"a window larger than the work area", {0, 0, 1446, 1086}, kInside, {305, 305},
       {-422, -348, 1024, 738}, 0, Rect{0, 0, 1024, 738}, 800},
      // Largest region 1280: 1436 asked for, held at 1286 and cut at the
      // bottom, 1010, so 904 * 4 / 3 = 1205 wide.
      {"1440 where the monitor allows 1280", kStart, {640, 300}, {1536, 400},
       {100, 100, 1311, 1010}, 0, Rect{0, 0, 1680, 1010}, 1280},
  };
  ExpectSnaps(cases);
}

TEST(DragSnapTest, OnlyWidthsTheMonitorAllowsAreTargets) {
  // 1436 lies 4 from 1440, which a monitor allowing 1280 does not offer;
  // 1284 lies 4 from 1280, which it does.
  const DragStep above{kStart, {640, 300}, kStart, {1536, 400}, kWork, 0, 1280, 3};
  EXPECT_EQ(SnapPointer(above), (Point{1536, 400}));
  const DragStep at{kStart, {640, 300}, kStart, {1384, 400}, kWork, 0, 1280, 3};
  EXPECT_EQ(SnapPointer(at), (Point{1380, 400}));
  const DragStep allowed{kStart, {640, 300}, kStart, {1536, 400}, kWork, 0, 1440, 3};
  EXPECT_EQ(SnapPointer(allowed), (Point{1540, 400}));
}

TEST(DragSnapTest, APressInSeveralBandsDoesNotSnap) {
  const DragStep tiny{{100, 100, 130, 130}, {10, 10}, {100, 100, 130, 130}, {105, 110}, kWork,
                      0, 1440, 3};
  EXPECT_EQ(SnapPointer(tiny), (Point{105, 110}));
}

}  // namespace
}  // namespace mirlo

namespace mirlo {
namespace {

Rect At(int left, int top, int width, int height) {
  return Rect{left, top, left + width, top + height};
}

// The viewer as it opens on a 1920 x 1200 monitor with a 40-row task bar:
// (797, 457), 326 x 246.
SimViewer Opened() {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  return v;
}

// Presses inside the window at (163, 123) from where it stands.
void PressInside(SimViewer& v) {
  const Rect w = v.desk.WindowBounds();
  v.desk.MoveMouseTo(Point{w.left + 163, w.top + 123});
  v.desk.Press(MouseButton::Left, 163, 123);
}

TEST(DragSnapViewerTest, CtrlSnapsAtOnceAndLettingGoOfItGivesTheExactRulesBack) {
  SimViewer v = Opened();
  PressInside(v);
  v.desk.MoveMouseTo(Point{6 + 163, 580});
  EXPECT_EQ(v.desk.WindowBounds(), At(6, 457, 326, 246)) << "without Ctrl";
  v.desk.HoldControl(true);
  EXPECT_EQ(v.desk.WindowBounds(), At(0, 457, 326, 246)) << "Ctrl pressed, the pointer still";
  EXPECT_EQ(v.desk.ReadoutText(), "(3,460)-(322,699) 320×240");
  v.desk.MoveMouseTo(Point{5 + 163, 580});
  EXPECT_EQ(v.desk.WindowBounds(), At(0, 457, 326, 246));
  v.desk.HoldControl(false);
  EXPECT_EQ(v.desk.WindowBounds(), At(5, 457, 326, 246)) << "Ctrl let go, the pointer still";
  v.desk.Release(MouseButton::Left);
  EXPECT_EQ(OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200}).x0, 8);
  EXPECT_EQ(v.desk.KeysPassedOn(), 0);
}

TEST(DragSnapViewerTest, CtrlHeldThroughADragLandsOnTheCentreAndOnAMenuWidth) {
  SimViewer v = Opened();
  PressInside(v);
  v.desk.MoveMouseTo(Point{300, 300});
  v.desk.Release(MouseButton::Left);
  v.desk.HoldControl(true);
  // 5 left of and 4 above where the start-up centring puts it.
  PressInside(v);
  v.desk.MoveMouseTo(Point{792 + 163, 453 + 123});
  EXPECT_EQ(v.desk.WindowBounds(), At(797, 457, 326, 246));
  v.desk.Release(MouseButton::Left);
  // The right edge (lower half) to a region 645 wide: 640, 480 high.
  const Rect w = v.desk.WindowBounds();
  v.desk.MoveMouseTo(Point{w.right - 3, w.bottom - 40});
  v.desk.Press(MouseButton::Left, w.Width() - 3, w.Height() - 40);
  v.desk.MoveMouseTo(Point{w.left + 3 + 645 - 3, w.bottom - 40});
  EXPECT_EQ(v.desk.WindowBounds(), At(797, 457, 646, 486));
  v.desk.Release(MouseButton::Left);
  const stripread::Strip s = OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200});
  EXPECT_EQ(s.x1 - s.x0 + 1, 640);
  EXPECT_EQ(s.y1 - s.y0 + 1, 480);
  v.desk.HoldControl(false);
}

TEST(DragSnapViewerTest, CtrlAloneOutsideADragIsLeftToTheSystem) {
  SimViewer v = Opened();
  v.desk.ClearCallLog();
  v.desk.HoldControl(true);
  v.desk.HoldControl(false);
  EXPECT_EQ(v.desk.KeysPassedOn(), 1);
  EXPECT_TRUE(v.desk.CallLog().empty());
  EXPECT_EQ(v.desk.WindowBounds(), At(797, 457, 326, 246));
}

}  // namespace
}  // namespace mirlo
