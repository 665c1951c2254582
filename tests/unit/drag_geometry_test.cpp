// Where a drag leaves the window, at the edges of every rule: the bands'
// limits, the middle lines, the smallest and largest sizes, the work area's
// sides and every stored aspect. Each expected rectangle is worked out by hand
// from the drag rules (window = region + 6; heights w * 3 / 4 or w * 9 / 16,
// widths h * 4 / 3 or h * 16 / 9, truncated).

#include "viewer/drag_geometry.h"

#include <gtest/gtest.h>

#include <climits>

#include "sim_viewer.h"

namespace mirlo {
namespace {

// A 1920 x 1200 monitor with a 40-row task bar; largest region 1440.
const Rect kWork{0, 0, 1920, 1160};
// The same 1024 x 768 monitor's work area with a 30-row task bar; largest 800.
const Rect kWork1024{0, 0, 1024, 738};
// A normal viewer 640 wide at (100, 100): 646 x 486.
const Rect kStart{100, 100, 746, 586};

struct DragCase {
  const char* what;
  Rect start;
  Point press;
  Point pointer;  // screen position now
  Rect expected;
  int32_t aspect = 0;
  Rect work = kWork;
  int32_t largest = 1440;
};

Rect DragFrom(const DragCase& c, const Rect& current) {
  return DragTo(DragStep{c.start, c.press, current, c.pointer, c.work, c.aspect, c.largest, 3});
}

void ExpectDrags(const DragCase* begin, const DragCase* end) {
  for (const DragCase* c = begin; c != end; ++c) {
    EXPECT_EQ(DragFrom(*c, c->start), c->expected) << c->what;
  }
}

template <size_t N>
void ExpectDrags(const DragCase (&cases)[N]) {
  ExpectDrags(cases, cases + N);
}

TEST(DragZoneTest, BandsEndTwentyPixelsFromEachEdge) {
  struct Case {
    Point press;
    int32_t W, H;
    bool left, right, top, bottom;
    CursorShape cursor;
  };
  const CursorShape WE = CursorShape::SizeWE, NS = CursorShape::SizeNS,
                    Hand = CursorShape::HandPoint;
  const Case cases[] = {
      {{20, 100}, 646, 486, true, false, false, false, WE},
      {{21, 100}, 646, 486, false, false, false, false, Hand},
      {{625, 100}, 646, 486, false, false, false, false, Hand},  // W - 21
      {{626, 100}, 646, 486, false, true, false, false, WE},     // W - 20
      {{100, 20}, 646, 486, false, false, true, false, NS},
      {{100, 21}, 646, 486, false, false, false, false, Hand},
      {{100, 465}, 646, 486, false, false, false, false, Hand},  // H - 21
      {{100, 466}, 646, 486, false, false, false, true, NS},     // H - 20
      {{323, 243}, 646, 486, false, false, false, false, Hand},
      // Corner squares belong to the left and right bands.
      {{20, 20}, 646, 486, true, false, false, false, WE},
      {{21, 20}, 646, 486, false, false, true, false, NS},
      {{626, 466}, 646, 486, false, true, false, false, WE},
      {{625, 466}, 646, 486, false, false, false, true, NS},
      {{0, 0}, 646, 486, true, false, false, false, WE},
      {{645, 485}, 646, 486, false, true, false, false, WE},
      // Windows at most 40 pixels wide or high meet several bands.
      {{10, 10}, 30, 30, true, true, false, false, WE},
      {{50, 10}, 100, 30, false, false, true, true, NS},
      {{25, 50}, 30, 100, false, true, false, false, WE},
  };
  for (const Case& c : cases) {
    const DragZone z = ZoneOfPress(c.press, c.W, c.H);
    SCOPED_TRACE(::testing::Message() << "press " << c.press.x << "," << c.press.y << " in "
                                      << c.W << "x" << c.H);
    EXPECT_EQ(z.left, c.left);
    EXPECT_EQ(z.right, c.right);
    EXPECT_EQ(z.top, c.top);
    EXPECT_EQ(z.bottom, c.bottom);
    EXPECT_EQ(CursorOfZone(z), c.cursor);
  }
}

TEST(DragGeometryTest, PressOnABandsLimitResizesJustInsideItMoves) {
  const DragCase cases[] = {
      // x 20, left band, upper half: left 110 - 20 = 90, width 656, height 650*3/4+6 = 493.
      {"left limit", kStart, {20, 100}, {110, 200}, {90, 93, 746, 586}},
      {"just right of the left band", kStart, {21, 100}, {111, 200}, {90, 100, 736, 586}},
      // x 626: right 736 + (646 - 626) = 756, width 656, height 493, top 586 - 493.
      {"right limit", kStart, {626, 100}, {736, 200}, {100, 93, 756, 586}},
      {"just left of the right band", kStart, {625, 100}, {735, 200}, {110, 100, 756, 586}},
      // y 20, top band, left half: top 90, height 496, width 490*4/3+6 = 659.
      {"top limit", kStart, {100, 20}, {200, 110}, {87, 90, 746, 586}},
      {"just below the top band", kStart, {100, 21}, {200, 111}, {100, 90, 746, 576}},
      // y 466: bottom 576 + (486 - 466) = 596, height 496, width 659.
      {"bottom limit", kStart, {100, 466}, {200, 576}, {87, 100, 746, 596}},
      {"just above the bottom band", kStart, {100, 465}, {200, 575}, {100, 110, 746, 596}},
  };
  ExpectDrags(cases);
}

TEST(DragGeometryTest, MiddleLinesPickTheEdgeThatFollows) {
  const Rect odd{100, 100, 436, 353};  // region 330 x 247: H / 2 = 126
  const Rect oddWide{100, 100, 747, 586};  // region 641 x 480: W / 2 = 323
  const DragCase cases[] = {
      // Left band, 40 to the left: left 60, width 686, height 680*3/4+6 = 516.
      {"y 242 < 486 / 2: the top moves", kStart, {10, 242}, {70, 342}, {60, 70, 746, 586}},
      {"y 243 = 486 / 2: the bottom moves", kStart, {10, 243}, {70, 343}, {60, 100, 746, 616}},
      // Left band, 70 to the left: left 30, width 406, height 400*3/4+6 = 306.
      {"odd height, y 125", odd, {10, 125}, {40, 225}, {30, 47, 436, 353}},
      {"odd height, y 126", odd, {10, 126}, {40, 226}, {30, 100, 436, 406}},
      // Top band, 30 up: top 70, height 516, width 510*4/3+6 = 686.
      {"x 322 < 646 / 2: the left moves", kStart, {322, 10}, {422, 80}, {60, 70, 746, 586}},
      {"x 323 = 646 / 2: the right moves", kStart, {323, 10}, {423, 80}, {100, 70, 786, 586}},
      // Bottom band, 30 down: bottom 610 + 6 = 616, height 516, width 686.
      {"odd width, x 322", oddWide, {322, 480}, {422, 610}, {61, 100, 747, 616}},
      {"odd width, x 323", oddWide, {323, 480}, {423, 610}, {100, 100, 786, 616}},
  };
  ExpectDrags(cases);
}

TEST(DragGeometryTest, EachEdgeStopsAtTheSmallestWindow) {
  const Rect wide{100, 100, 746, 466};  // region 640 x 360
  const DragCase cases[] = {
      // 326 wide, 320*3/4+6 = 246 high; the opposite edges stay.
      {"left edge far right", kStart, {10, 300}, {2000, 400}, {420, 100, 746, 346}},
      {"right edge far left", kStart, {640, 10}, {-3000, 110}, {100, 340, 426, 586}},
      {"top edge far down", kStart, {300, 10}, {400, 3000}, {420, 340, 746, 586}},
      {"bottom edge far up", kStart, {400, 480}, {500, -3000}, {100, 100, 426, 346}},
      // Wide: 320*9/16+6 = 186 high, and 180*16/9+6 = 326 wide.
      {"wide, top edge far down", wide, {300, 10}, {400, 3000}, {420, 280, 746, 466}, 1},
      {"wide, right edge far left", wide, {640, 300}, {-3000, 400}, {100, 100, 426, 286}, 1},
  };
  ExpectDrags(cases);
}

TEST(DragGeometryTest, EachEdgeStopsAtTheLargestWindowOfTheMonitor) {
  const DragCase cases[] = {
      // Largest region 800: window 806 x 606, whatever room the work area has.
      {"left edge", {200, 100, 846, 586}, {10, 300}, {-3000, 400}, {40, 100, 846, 706}, 0,
       kWork1024, 800},
      {"right edge", kStart, {640, 300}, {3000, 400}, {100, 100, 906, 706}, 0, kWork1024, 800},
      {"top edge", {100, 200, 746, 686}, {400, 10}, {500, -500}, {100, 80, 906, 686}, 0,
       kWork1024, 800},
      {"bottom edge", {300, 100, 946, 586}, {300, 480}, {600, 3000}, {140, 100, 946, 706}, 0,
       kWork1024, 800},
      // Wide, largest 1440: 1440*9/16+6 = 816 high, 1446 wide.
      {"wide top edge", {100, 800, 746, 1166}, {400, 10}, {500, -1000}, {100, 350, 1546, 1166},
       1, Rect{0, 0, 1920, 1200}},
  };
  ExpectDrags(cases);
}

TEST(DragGeometryTest, NothingLeavesTheWorkAreaOnAnySide) {
  const Rect leftMonitor{-1280, -200, 0, 794};  // 1280 x 1024 above-left, 30-row task bar
  const Rect onLeftMonitor{-1000, 0, -354, 486};
  const DragCase cases[] = {
      {"move past the left", kStart, {300, 300}, {-500, 400}, {0, 100, 646, 586}},
      {"move past the top", kStart, {300, 300}, {400, -500}, {100, 0, 746, 486}},
      {"move past the right", kStart, {300, 300}, {5000, 400}, {1274, 100, 1920, 586}},
      {"move past the bottom", kStart, {300, 300}, {400, 5000}, {100, 674, 746, 1160}},
      {"move on a monitor at negative coordinates", onLeftMonitor, {300, 300}, {-5000, -5000},
       {-1280, -200, -634, 286}, 0, leftMonitor},
      // Left edge cut at 0: width 746, height 740*3/4+6 = 561.
      {"left edge past the left", kStart, {10, 300}, {-500, 400}, {0, 100, 746, 661}},
      {"left edge at negative coordinates", onLeftMonitor, {10, 300}, {-1500, 400},
       {-1280, 0, -354, 696}, 0, leftMonitor},
      // Right edge: held at 1200 + 1446, cut at 1920; height 714*3/4+6 = 541.
      {"right edge past the right", {1200, 100, 1846, 586}, {640, 300}, {5000, 400},
       {1200, 100, 1920, 641}},
      // Top edge: held at 586 - 1086 = -500, cut at 0; width 580*4/3+6 = 779.
      {"top edge past the top", kStart, {400, 10}, {500, -500}, {100, 0, 879, 586}},
      // Bottom edge: held at 600 + 1086, cut at 1160; width 554*4/3+6 = 744.
      {"bottom edge past the bottom", {100, 600, 746, 1086}, {400, 480}, {500, 5000},
       {100, 600, 844, 1160}},
  };
  ExpectDrags(cases);
}

TEST(DragGeometryTest, AFollowerCutAtTheWorkAreaGivesTheLeaderBack) {
  const DragCase cases[] = {
      // Left 100, width 846 wants height 636: top -100 is cut at 0, width 530*4/3+6 = 712.
      {"left band, top cut", {300, 50, 946, 536}, {5, 5}, {105, 55}, {234, 0, 946, 536}},
      // Bottom 1236 cut at 1160: width 554*4/3+6 = 744.
      {"left band, bottom cut", {300, 600, 946, 1086}, {10, 300}, {110, 900},
       {202, 600, 946, 1160}},
      {"right band, top cut", {100, 50, 746, 536}, {640, 10}, {940, 60}, {100, 0, 812, 536}},
      // Top 300, height 786 wants width 1046: right 2246 is cut at 1920, height 714*3/4+6 = 541.
      {"top band, right cut", {1200, 600, 1846, 1086}, {400, 10}, {1600, 310},
       {1200, 545, 1920, 1086}},
      {"bottom band, right cut", {1200, 100, 1846, 586}, {400, 480}, {1600, 880},
       {1200, 100, 1920, 641}},
      // Top cut at 0 wants width 779: left -33 is cut at 0, height 740*3/4+6 = 561.
      {"top band, left cut", kStart, {300, 10}, {400, -500}, {0, 25, 746, 586}},
  };
  ExpectDrags(cases);
}

TEST(DragGeometryTest, WindowLargerThanItsWorkArea) {
  const Rect huge{0, 0, 1446, 1086};  // a 1440 window on a 1024 x 768 monitor
  const DragCase cases[] = {
      // Flush with the right and bottom edges, sticking out above and to the left.
      {"moved a little", huge, {300, 300}, {400, 400}, {-422, -348, 1024, 738}, 0, kWork1024, 800},
      {"moved far up and left", huge, {300, 300}, {-5000, -5000}, {-422, -348, 1024, 738}, 0,
       kWork1024, 800},
      // Right band, upper half (300 < 543): held at 806 wide, 606 high, the
      // bottom staying at 1086; it fits, so it is pulled up into the work
      // area: top 738 - 606 = 132.
      {"right edge", huge, {1440, 300}, {1430, 300}, {0, 132, 806, 738}, 0, kWork1024, 800},
  };
  ExpectDrags(cases);
}

TEST(DragGeometryTest, EveryAspectButZeroIsWide) {
  const Rect wide{100, 100, 746, 466};  // region 640 x 360
  for (int32_t aspect : {1, 2, -1, 7, INT_MAX, INT_MIN}) {
    SCOPED_TRACE(aspect);
    const DragCase cases[] = {
        // Right band, lower half, to 946: height 940*9/16+6 = 534.
        {"width leads", wide, {640, 300}, {1040, 400}, {100, 100, 1046, 634}, aspect},
        // Bottom band, right half, to 566: width 460*16/9+6 = 823.
        {"height leads", wide, {400, 360}, {500, 560}, {100, 100, 923, 566}, aspect},
    };
    ExpectDrags(cases);
  }
  const DragCase normal[] = {
      {"width leads", wide, {640, 300}, {1040, 400}, {100, 100, 1046, 811}},  // 940*3/4+6
      {"height leads", wide, {400, 360}, {500, 560}, {100, 100, 719, 566}},   // 460*4/3+6
  };
  ExpectDrags(normal);
}

TEST(DragGeometryTest, SeveralBandsApplyLeftRightTopBottomEachOnTheLast) {
  // A 30 x 30 window pressed at (10, 10), upper half, moved 5 left.
  // Left: 95 is narrower than 326, so left 130 - 326, cut at 0; height 124*3/4+6 = 99, top 31.
  // Right: 125 is narrower than 326, so right 100 + 326; height 420*3/4+6 = 321 would put
  // the top at -191: cut at 0, width 124*4/3+6 = 171. That is below the smallest window,
  // which it then becomes: 326 x 246 from (0, 0).
  const DragCase cases[] = {
      {"left then right", {100, 100, 130, 130}, {10, 10}, {105, 110}, {0, 0, 326, 246}},
  };
  ExpectDrags(cases);
}

TEST(DragGeometryTest, OnlyThePointerAndTheStartCountNotTheLastStep) {
  struct Case {
    DragCase drag;
    Rect current;  // as the previous movement left the window
  };
  const Case cases[] = {
      // Right band back to 846: height 740*3/4+6 = 561.
      {{"right band", kStart, {640, 300}, {840, 400}, {100, 100, 846, 661}},
       {100, 100, 1046, 811}},
      {{"left band", kStart, {10, 300}, {70, 400}, {60, 100, 746, 616}}, {0, 100, 746, 661}},
      // Top 150, height 436: width 430*4/3+6 = 579.
      {{"top band", kStart, {300, 10}, {400, 160}, {167, 150, 746, 586}}, {60, 70, 746, 586}},
      // Bottom 546, height 446: width 440*4/3+6 = 592.
      {{"bottom band", kStart, {400, 480}, {500, 540}, {100, 100, 692, 546}},
       {100, 100, 786, 616}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DragFrom(c.drag, c.current), c.drag.expected) << c.drag.what;
  }
}

}  // namespace
}  // namespace mirlo
