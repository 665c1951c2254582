// Typed placement as tables: the numbers typed into the placement dialog,
// the placement line, and the limits a typed region is held to. Expected
// values are worked out by hand from the rules: width 320 .. the monitor's
// largest, then the window (region + 3-pixel frame) kept inside the work
// area, top and left first.

#include <gtest/gtest.h>

#include "dialogs/placement_text.h"
#include "sim_viewer.h"
#include "viewer/windowed_layout.h"

namespace mirlo {
namespace {

TEST(TypedNumberTest, DigitsOfEitherWidthAndALeadingMinus) {
  struct Case {
    const char* text;
    std::optional<int64_t> value;
  } cases[] = {
      {"320", 320},
      {"３２０", 320},
      {"\x82\x50\x82\x4F\x82\x58", 109},  // the bytes of "１０９"
      {"1２3", 123},
      {"-8", -8},
      {"－８", -8},
      {"0", 0},
      {"007", 7},
      {" 12 ", 12},
      {"　１２　", 12},  // full-width spaces
      {"\t5", 5},
      {"99999999999999", 10000000000},
      {"-99999999999999", -10000000000},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"abc", std::nullopt},
      {"12a", std::nullopt},
      {"1 2", std::nullopt},
      {"--1", std::nullopt},
      {"+5", std::nullopt},
      {"0x10", std::nullopt},
      {"1.5", std::nullopt},
      {"1,000", std::nullopt},
      {"ａ", std::nullopt},         // 82 81: a lead byte 82 that is no digit
      {"\x82", std::nullopt},       // a lead byte cut off
      {"\x82\x4F\x82", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseTypedNumber(c.text), c.value) << c.text;
}

TEST(PlacementLineTest, WrittenFromTheMonitorAndTheStripsNumbers) {
  EXPECT_EQ(PlacementLine(1, Rect{-1024, 0, 0, 768}, RegionRecord{352, 671, 249, 488, 320, 240}),
            "monitor=1 1024x768 x0=352 y0=249 x1=671 y1=488 320x240");
  EXPECT_EQ(PlacementLine(0, Rect{0, 0, 1920, 1200}, RegionRecord{0, 1919, 0, 1199, 1920, 1200}),
            "monitor=0 1920x1200 x0=0 y0=0 x1=1919 y1=1199 1920x1200");
  EXPECT_EQ(PlacementLine(2, Rect{1920, -300, 3360, 600}, RegionRecord{-2, 317, 5, 184, 320, 180}),
            "monitor=2 1440x900 x0=-2 y0=5 x1=317 y1=184 320x180");
}

TEST(PlacementLineTest, ReadBackOnlyAsWritten) {
  struct Case {
    const char* text;
    bool reads;
    PlacementLineValues v;
  } cases[] = {
      {"monitor=1 1024x768 x0=352 y0=249 x1=671 y1=488 320x240", true,
       {1, 1024, 768, {352, 671, 249, 488, 320, 240}}},
      {"  monitor=0 1920x1200 x0=10 y0=20 x1=649 y1=379 640x360\r\n", true,
       {0, 1920, 1200, {10, 649, 20, 379, 640, 360}}},
      {"monitor=2 1440x900 x0=-2 y0=5 x1=317 y1=184 320x180", true,
       {2, 1440, 900, {-2, 317, 5, 184, 320, 180}}},
      // x1 or y1 that is not the region's last pixel.
      {"monitor=1 1024x768 x0=352 y0=249 x1=670 y1=488 320x240", false, {}},
      {"monitor=1 1024x768 x0=352 y0=249 x1=671 y1=489 320x240", false, {}},
      {"monitor=1 1024x768 x0=352 y0=249 x1=671 y1=488", false, {}},
      {"monitor=1 1024x768 x0=352 y0=249 x1=671 y1=488 320x240 more", false, {}},
      {"monitor=1  1024x768 x0=352 y0=249 x1=671 y1=488 320x240", false, {}},
      {"monitor=1 1024*768 x0=352 y0=249 x1=671 y1=488 320x240", false, {}},
      {"monitor=a 1024x768 x0=352 y0=249 x1=671 y1=488 320x240", false, {}},
      {"monitor=1 1024x768 y0=249 x0=352 x1=671 y1=488 320x240", false, {}},
      {"monitor=1 1024x768 x0=３５２ y0=249 x1=671 y1=488 320x240", false, {}},
      {"monitor=1 1024x768 x0=9999999999 y0=249 x1=671 y1=488 320x240", false, {}},
      {"Monitor=1 1024x768 x0=352 y0=249 x1=671 y1=488 320x240", false, {}},
      {"", false, {}},
  };
  for (const Case& c : cases) {
    const std::optional<PlacementLineValues> got = ParsePlacementLine(c.text);
    ASSERT_EQ(got.has_value(), c.reads) << c.text;
    if (!got) continue;
    EXPECT_EQ(got->monitor, c.v.monitor) << c.text;
    EXPECT_EQ(got->monitorWidth, c.v.monitorWidth) << c.text;
    EXPECT_EQ(got->monitorHeight, c.v.monitorHeight) << c.text;
    EXPECT_EQ(got->region, c.v.region) << c.text;
  }
}

TEST(PlacementLineTest, APasteIsMeantAsALineWhenItBeginsWithMonitor) {
  EXPECT_TRUE(IsPlacementLine("monitor=1 1024x768"));
  EXPECT_TRUE(IsPlacementLine(" \r\nmonitor=x"));
  EXPECT_FALSE(IsPlacementLine("640"));
  EXPECT_FALSE(IsPlacementLine("monitor"));
  EXPECT_FALSE(IsPlacementLine(""));
}

TEST(PlacementLineTest, AspectFollowsTheSize) {
  struct Case {
    int32_t width, height, current, aspect;
  } cases[] = {
      {320, 240, 1, 0},     {320, 180, 0, 1},    {321, 240, 1, 0},    {321, 180, 0, 1},
      {1600, 1200, 1, 0},   {1920, 1080, 0, 1},  {1920, 1200, 0, 0},  {1920, 1200, 1, 1},
      {640, 400, 1, 1},     {640, 400, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AspectOfRegion(c.width, c.height, c.current), c.aspect)
        << c.width << "x" << c.height << " from " << c.current;
  }
}

TEST(PlacementTextTest, MonitorChoicesAndThePreviewLine) {
  EXPECT_EQ(MonitorChoiceText(1, Rect{-1024, 0, 0, 768}), "1: 1024\x81\x7E" "768 (-1024,0)");
  EXPECT_EQ(MonitorChoiceText(0, Rect{0, 0, 1920, 1200}), "0: 1920\x81\x7E" "1200 (0,0)");
  EXPECT_EQ(RegionPreviewText(RegionRecord{352, 671, 249, 488, 320, 240}),
            "(352,249)-(671,488) 320\x81\x7E" "240");
}

// Monitor 0: 1920 x 1200 at (0, 0), work area above a 40-row task bar.
// Monitor 1: 1024 x 768 left of it, at (-1024, 0), task bar of 30 rows.
// Monitor 2: 1920 x 1080 right of it, not usable.
const MonitorTable kDesk{
    {Rect{0, 0, 1920, 1200}, Rect{0, 0, 1920, 1160}},
    {Rect{-1024, 0, 0, 768}, Rect{-1024, 0, 0, 738}},
    {Rect{1920, 0, 3840, 1080}, Rect{1920, 0, 3840, 1080}},
};

TEST(TypedRegionTest, LimitedAsEveryCommandLimits) {
  struct Case {
    const char* what;
    TypedRegion asked;
    RegionRecord region;  // x0, x1, y0, y1, width, height
    Rect window;
    bool limited;
  } cases[] = {
      {"inside", {0, 100, 50, 640, 0}, {100, 739, 50, 529, 640, 480}, {97, 47, 743, 533}, false},
      {"wide", {0, 100, 50, 640, 1}, {100, 739, 50, 409, 640, 360}, {97, 47, 743, 413}, false},
      {"past the right edge", {0, 1500, 50, 1024, 0}, {893, 1916, 50, 817, 1024, 768},
       {890, 47, 1920, 821}, true},
      {"past the task bar", {0, 800, 1000, 320, 0}, {800, 1119, 917, 1156, 320, 240},
       {797, 914, 1123, 1160}, true},
      {"frame off the corner", {0, 0, 0, 320, 0}, {3, 322, 3, 242, 320, 240}, {0, 0, 326, 246}, true},
      {"narrower than 320", {0, 10, 10, 100, 0}, {10, 329, 10, 249, 320, 240}, {7, 7, 333, 253}, true},
      {"a negative width", {0, 10, 10, -640, 1}, {10, 329, 10, 189, 320, 180}, {7, 7, 333, 193}, true},
      {"wider than the device takes", {0, 10, 10, 2000, 1}, {10, 1449, 10, 819, 1440, 810},
       {7, 7, 1453, 823}, true},
      {"the largest exactly", {0, 10, 10, 1440, 0}, {10, 1449, 10, 1089, 1440, 1080},
       {7, 7, 1453, 1093}, false},
      {"negative origin", {1, 352, 249, 320, 0}, {352, 671, 249, 488, 320, 240},
       {-675, 246, -349, 492}, false},
      {"negative origin, too wide", {1, 352, 249, 1024, 0}, {221, 1020, 135, 734, 800, 600},
       {-806, 132, 0, 738}, true},
      {"far off", {1, -5000, 99999999999, 320, 1}, {3, 322, 555, 734, 320, 180},
       {-1024, 552, -698, 738}, true},
  };
  for (const Case& c : cases) {
    const PlacedRegion p = PlaceTypedRegion(kDesk, c.asked, 3);
    EXPECT_EQ(p.region, c.region) << c.what;
    EXPECT_EQ(p.window, c.window) << c.what;
    EXPECT_EQ(p.limited, c.limited) << c.what;
  }
}

TEST(TypedRegionTest, ChangingTheMonitorLimitsAgain) {
  // The same numbers: they fit the 1920 x 1200 monitor, not the 1024 x 768 one.
  const PlacedRegion big = PlaceTypedRegion(kDesk, TypedRegion{0, 600, 300, 800, 0}, 3);
  const PlacedRegion small = PlaceTypedRegion(kDesk, TypedRegion{1, 600, 300, 800, 0}, 3);
  EXPECT_EQ(big.region, (RegionRecord{600, 1399, 300, 899, 800, 600}));
  EXPECT_FALSE(big.limited);
  EXPECT_EQ(small.region, (RegionRecord{221, 1020, 135, 734, 800, 600}));
  EXPECT_TRUE(small.limited);
}

TEST(WindowedLayoutTest, WhatLeavingFullScreenRestores) {
  struct Case {
    const char* what;
    int32_t monitor, left, top, width, aspect;
    int32_t endsOn;
    Rect window;
  } cases[] = {
      {"kept", 0, 100, 50, 640, 0, 0, {100, 50, 746, 536}},
      // Off the unusable monitor 2 to monitor 0, its offset from the corner kept.
      {"off an unusable monitor", 2, 1920 + 218, 132, 800, 0, 0, {218, 132, 1024, 738}},
      // 1024 is too wide for monitor 1: 320, centred on its work area.
      {"too wide", 1, -1000, 10, 1024, 0, 1, {-675, 246, -349, 492}},
      {"pushed into the work area", 1, 500, 700, 320, 1, 1, {-326, 552, 0, 738}},
  };
  for (const Case& c : cases) {
    const WindowedLayout l = LayOutWindowed(kDesk, c.monitor, c.left, c.top, c.width, c.aspect, 3);
    const WindowedPlacement& p = l.placement;
    EXPECT_EQ(l.monitor, c.endsOn) << c.what;
    EXPECT_EQ((Rect{p.left, p.top, p.left + p.winW, p.top + p.winH}), c.window) << c.what;
  }
}

}  // namespace
}  // namespace mirlo
