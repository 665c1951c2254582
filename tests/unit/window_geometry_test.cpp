#include "viewer/window_geometry.h"

#include <gtest/gtest.h>

#include "monitors/monitor_table.h"

namespace mirlo {
namespace {

TEST(WindowGeometryTest, MaxRegionWidthOnEveryUsableMonitor) {
  struct Case {
    int W, H, expected;
  };
  const Case cases[] = {
      {640, 480, 320},    {800, 600, 640},    {1024, 768, 800},   {1280, 768, 800},
      {1360, 768, 800},   {1280, 1024, 1024}, {1440, 900, 1024},  {1680, 1050, 1280},
      {1600, 1200, 1440}, {1920, 1200, 1440},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(IsUsableSize(c.W, c.H));
    EXPECT_EQ(MaxRegionWidthFor(c.W, c.H), c.expected) << c.W << "x" << c.H;
  }
}

TEST(WindowGeometryTest, MaxRegionWidthOnUnusableMonitors) {
  // 768 rows exactly, not at least: a 1152 x 864 monitor falls through to 640.
  EXPECT_EQ(MaxRegionWidthFor(1152, 864), 640);
  EXPECT_EQ(MaxRegionWidthFor(1920, 1080), 1280);
  EXPECT_EQ(MaxRegionWidthFor(1366, 768), 800);
  EXPECT_EQ(MaxRegionWidthFor(1280, 720), 640);
  EXPECT_EQ(MaxRegionWidthFor(0, 0), 320);
  EXPECT_EQ(MaxRegionWidthFor(2560, 1600), 1440);
}

TEST(WindowGeometryTest, RegionHeightTruncates) {
  EXPECT_EQ(RegionHeightFor(321, 0), 240);
  EXPECT_EQ(RegionHeightFor(321, 1), 180);
  EXPECT_EQ(RegionHeightFor(1440, 0), 1080);
  EXPECT_EQ(RegionHeightFor(1440, 1), 810);
  EXPECT_EQ(RegionHeightFor(640, 2), 360);  // any aspect but 0 is wide
}

TEST(WindowGeometryTest, ClampsIntoTheWorkAreaTopLeftFirst) {
  // 800 x 600 at (300, 200) on 1024 x 768 with a 30-row task bar.
  const WindowedPlacement p = PlaceWindowed(300, 200, 800, 0, 800, Rect{0, 0, 1024, 738}, 3);
  EXPECT_EQ(p.left, 218);
  EXPECT_EQ(p.top, 132);
  EXPECT_EQ(p.winW, 806);
  EXPECT_EQ(p.winH, 606);
  // Larger than the work area: flush with the bottom and right edges.
  const WindowedPlacement big = PlaceWindowed(-50, -50, 1440, 0, 1440, Rect{0, 0, 1000, 700}, 3);
  EXPECT_EQ(big.left, -446);
  EXPECT_EQ(big.top, -386);
}

TEST(WindowGeometryTest, TooWideFallsBackTo320CentredNotToTheLimit) {
  const Rect work{1920, 0, 2944, 738};
  const WindowedPlacement normal = PlaceWindowed(0, 0, 1440, 0, 800, work, 3);
  EXPECT_EQ(normal.regionWidth, 320);
  EXPECT_EQ(normal.winW, 326);
  EXPECT_EQ(normal.winH, 246);
  EXPECT_EQ(normal.left, 1920 + (1024 - 326) / 2);
  EXPECT_EQ(normal.top, (738 - 246) / 2);
  const WindowedPlacement wide = PlaceWindowed(0, 0, 1440, 1, 800, work, 3);
  EXPECT_EQ(wide.winH, 186);
  EXPECT_EQ(wide.left, 1920 + 349);
  EXPECT_EQ(wide.top, 276);
}

TEST(WindowGeometryTest, CentringTruncatesTowardZero) {
  // A window wider than the work area gets a negative half-difference.
  EXPECT_EQ(CentreOn(Rect{0, 0, 640, 450}, 1447, 455).x, -403);
  EXPECT_EQ(CentreOn(Rect{0, 0, 640, 450}, 1447, 455).y, -2);
  EXPECT_EQ(CentreOn(Rect{-1024, 0, 0, 738}, 327, 246), (Point{-1024 + 348, 246}));
  // Odd differences round down: (1024 - 327) / 2 = 348, (737 - 246) / 2 = 245.
  EXPECT_EQ(CentreOn(Rect{0, 0, 1024, 737}, 327, 246), (Point{348, 245}));
}

// On every realistic desk, any start position and any width the menu offers
// lands inside the work area whenever the window fits it.
TEST(WindowGeometryTest, WindowStaysInsideTheWorkAreaOnManyDesks) {
  const Rect works[] = {
      {0, 0, 640, 450},        {0, 0, 800, 570},      {0, 0, 1024, 738},
      {1280, 0, 2560, 984},    {-1440, 0, 0, 860},    {0, 40, 1920, 1200},
      {1920, -300, 3600, 750}, {30, 0, 1360, 768},    {0, 0, 1600, 1170},
  };
  const Point starts[] = {{-5000, -5000}, {0, 0}, {5000, 5000}, {700, -20}, {-20, 700}};
  for (const Rect& work : works) {
    for (int32_t width : {320, 640, 800, 1024, 1280, 1440, 977}) {
      for (int32_t aspect : {0, 1}) {
        for (Point s : starts) {
          const WindowedPlacement p =
              PlaceWindowed(s.x, s.y, width, aspect, 1440, work, 3);
          EXPECT_EQ(p.winW, p.regionWidth + 6);
          EXPECT_EQ(p.winH, RegionHeightFor(p.regionWidth, aspect) + 6);
          if (p.winW <= work.Width()) {
            EXPECT_GE(p.left, work.left);
            EXPECT_LE(p.left + p.winW, work.right);
          } else {
            EXPECT_EQ(p.left + p.winW, work.right);
          }
          if (p.winH <= work.Height()) {
            EXPECT_GE(p.top, work.top);
            EXPECT_LE(p.top + p.winH, work.bottom);
          } else {
            EXPECT_EQ(p.top + p.winH, work.bottom);
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace mirlo
