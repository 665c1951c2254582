// The paint of every display mode, read back from the simulated canvas and
// from the picture a device on the monitor would see.

#include <gtest/gtest.h>

#include "sim_viewer.h"

namespace mirlo {
namespace {

// The colours of the picture, as the device and the user see them.
constexpr Color kKey = 0xFF00FF;    // the region and the strip's 1-cells
constexpr Color kBars = 0x000000;   // bars and the strip's 0-cells
constexpr Color kButtonFace = 0xD4D0C8;  // the simulated system's window background

void Show(SimViewer& v, int monitor, int mode) {
  v.state().MonitorIndex = monitor;
  v.state().DisplayMode = mode;
  v.Run([&] { v.form.ApplyWindowState(); });
  v.Run([&] { v.form.Repaint(); });
}

// The frame as the rings are described in window coordinates, for a region
// of w x h at (3, 3); 0xFFFFFFFF inside the region.
Color ExpectedFramePixel(int x, int y, int w, int h) {
  if (y == h + 5 || x == w + 5) return 0x646F71;                             // outer shadow
  if ((y == h + 4 && x >= 1) || (x == w + 4 && y >= 1)) return 0x99A8AC;     // middle shadow
  if (x == 0 && y == h + 4) return kButtonFace;                              // never drawn
  if ((x == 0 && y <= h + 3) || (y == 0 && x <= w + 4)) return 0xE2EFF1;     // outer light
  if ((x == 1 && y <= h + 3) || (y == 1 && x <= w + 3)) return 0xFFFFFF;     // middle light
  if (x == 2 || x == w + 3 || y == 2 || y == h + 3) return 0xC8D0D4;         // inner ring
  return 0xFFFFFFFF;
}

TEST(PaintTest, WindowedFrameMatchesTheRingsPixelForPixel) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.state().RegionWidth = 320;
  v.state().Aspect = 1;
  v.Run([&] { v.form.UpdateBounds(); });
  const int w = 320, h = 180;
  ASSERT_EQ(v.desk.CanvasWidth(), w + 6);
  ASSERT_EQ(v.desk.CanvasHeight(), h + 6);
  int mismatches = 0;
  for (int y = 0; y < h + 6; ++y) {
    for (int x = 0; x < w + 6; ++x) {
      const Color expected = ExpectedFramePixel(x, y, w, h);
      const Color actual = v.desk.PixelAt(x, y);
      if (expected == 0xFFFFFFFF) {
        // The region: magenta, with the strip's black cells on its top row only.
        const bool ok = actual == kKey || (y == 3 && x < 3 + 152 && actual == kBars);
        if (!ok && ++mismatches < 10) ADD_FAILURE() << "region pixel " << x << "," << y;
      } else if (actual != expected && ++mismatches < 10) {
        ADD_FAILURE() << "frame pixel " << x << "," << y << " is " << std::hex << actual
                      << " not " << expected;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
  // The strip is magenta past its 152 pixels.
  EXPECT_EQ(v.desk.PixelAt(3 + 152, 3), kKey);
}

TEST(PaintTest, WindowedRegionIsCountedFromItsMonitorsCorner) {
  SimViewer v({MakeMonitor(0, 0, 1280, 1024), MakeMonitor(1280, 0, 1920, 1200, 40)});
  v.form.Create();
  v.state().MonitorIndex = 1;
  v.state().WindowLeft = 1377;
  v.state().WindowTop = 97;
  v.state().RegionWidth = 640;
  v.Run([&] { v.form.UpdateBounds(); });
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{1377, 97, 1377 + 646, 97 + 486}));
  EXPECT_EQ(v.state().RegionRect, (RegionRecord{100, 739, 100, 579, 640, 480}));
  const stripread::Strip s = OnlyStrip(v.desk, 1, Rect{1280, 0, 3200, 1200});
  EXPECT_EQ(s.x0, 100);
  EXPECT_EQ(s.y0, 100);
  EXPECT_EQ(s.x1, 739);
  EXPECT_EQ(s.y1, 579);
  EXPECT_TRUE(s.regionExact);
  EXPECT_TRUE(StripsOnMonitor(v.desk, 0, Rect{0, 0, 1280, 1024}).empty());
}

TEST(PaintTest, WindowedPaintRecordsItsState) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.state().WindowLeft = 100;
  v.state().WindowTop = 50;
  v.state().RegionWidth = 800;
  v.state().Aspect = 1;
  v.Run([&] { v.form.UpdateBounds(); });
  EXPECT_EQ(v.state().LastWindowed, (PresetRecord{100, 50, 800, 1, 0, 0}));
  EXPECT_EQ(v.state().RegionRect, (RegionRecord{103, 902, 53, 502, 800, 450}));
}

TEST(PaintTest, FullScreenPaintRecordsTheMaximisedWindowAndKeepsTheWindowedState) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  const PresetRecord before = v.state().LastWindowed;
  Show(v, 0, 1);
  EXPECT_EQ(v.state().RegionWidth, 1920 - 6);
  EXPECT_EQ(v.state().WindowLeft, 0);
  EXPECT_EQ(v.state().WindowTop, 0);
  EXPECT_EQ(v.state().LastWindowed.left, before.left);
  EXPECT_EQ(v.state().LastWindowed.top, before.top);
  EXPECT_EQ(v.state().LastWindowed.width, 320);
  EXPECT_EQ(v.state().RegionRect, (RegionRecord{0, 1919, 0, 1199, 1920, 1200}));
  EXPECT_FALSE(v.Checked(MenuItem::N14));
  EXPECT_FALSE(v.Checked(MenuItem::N15));
  const stripread::Strip s = OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200});
  EXPECT_TRUE(s.regionExact);
  EXPECT_EQ(s.x1, 1919);
}

TEST(PaintTest, LetterboxedRegionsOnEveryUsableMonitor) {
  struct Case {
    int W, H;
    RegionRecord normal, wide;  // x0, x1, y0, y1, w, h
  };
  auto R = [](int w, int h, int x0, int y0) {
    return RegionRecord{x0, x0 + w - 1, y0, y0 + h - 1, w, h};
  };
  const Case cases[] = {
      {640, 480, R(640, 480, 0, 0), R(640, 360, 0, 60)},
      {800, 600, R(800, 600, 0, 0), R(800, 450, 0, 75)},
      {1024, 768, R(1024, 768, 0, 0), R(1024, 576, 0, 96)},
      {1280, 768, R(1024, 768, 128, 0), R(1280, 720, 0, 24)},
      {1360, 768, R(1024, 768, 168, 0), R(1360, 765, 0, 1)},
      {1280, 1024, R(1280, 960, 0, 32), R(1280, 720, 0, 152)},
      {1600, 1200, R(1600, 1200, 0, 0), R(1600, 900, 0, 150)},
      {1440, 900, R(1200, 900, 120, 0), R(1440, 810, 0, 45)},
      {1680, 1050, R(1400, 1050, 140, 0), R(1680, 945, 0, 52)},
      {1920, 1200, R(1600, 1200, 160, 0), R(1920, 1080, 0, 60)},
  };
  for (const Case& c : cases) {
    // The monitor stands right of another, so desktop and monitor coordinates differ.
    SimViewer v({MakeMonitor(0, 0, 1280, 1024), MakeMonitor(1280, 0, c.W, c.H, 40)});
    v.form.Create();
    const Rect bounds{1280, 0, 1280 + c.W, c.H};
    for (int mode : {2, 3}) {  // 4:3, 16:9
      Show(v, 1, mode);
      const RegionRecord& expected = mode == 2 ? c.normal : c.wide;
      SCOPED_TRACE(std::to_string(c.W) + "x" + std::to_string(c.H) + " mode " +
                   std::to_string(mode));
      EXPECT_EQ(v.state().RegionRect, expected);
      const stripread::Strip s = OnlyStrip(v.desk, 1, bounds);
      EXPECT_EQ(s.lead, 'A');
      EXPECT_EQ(s.atX, expected.x0);
      EXPECT_EQ(s.atY, expected.y0);
      EXPECT_EQ(s.x1, expected.x1);
      EXPECT_EQ(s.y1, expected.y1);
      EXPECT_TRUE(s.checksumOk);
      EXPECT_TRUE(s.regionExact);
      // Black bars everywhere else on the monitor.
      const std::vector<Color> picture = v.desk.MonitorPicture(1);
      for (int y : {0, c.H - 1}) {
        for (int x : {0, c.W - 1}) {
          const bool inside = x >= expected.x0 && x <= expected.x1 && y >= expected.y0 &&
                              y <= expected.y1;
          if (!inside) {
            EXPECT_EQ(picture[size_t(y) * c.W + x], kBars) << x << "," << y;
          }
        }
      }
      EXPECT_EQ(v.Checked(MenuItem::N14), mode == 2);
      EXPECT_EQ(v.Checked(MenuItem::N15), mode == 3);
    }
  }
}

TEST(PaintTest, WideRegionOn1360x768HasOneRowAboveAndTwoBelow) {
  SimViewer v({MakeMonitor(0, 0, 1360, 768)});
  v.form.Create();
  Show(v, 0, 3);
  EXPECT_EQ(v.desk.PixelAt(500, 0), kBars);
  EXPECT_EQ(v.desk.PixelAt(500, 766), kBars);
  EXPECT_EQ(v.desk.PixelAt(500, 767), kBars);
  EXPECT_EQ(v.desk.PixelAt(500, 1), kKey);
  EXPECT_EQ(v.desk.PixelAt(500, 765), kKey);
}

TEST(PaintTest, UnknownModeFillsTheWholeWindowWithoutFrame) {
  SimViewer v({MakeMonitor(0, 0, 1024, 768, 30), MakeMonitor(1024, 0, 1280, 1024)});
  v.form.Create();
  v.state().MonitorIndex = 1;
  v.state().DisplayMode = 7;
  v.Run([&] {
    v.form.View().bounds = Rect{1100, 40, 1500, 340};
    v.form.Repaint();
  });
  EXPECT_EQ(v.state().RegionRect, (RegionRecord{76, 475, 40, 339, 400, 300}));
  EXPECT_EQ(v.desk.PixelAt(0, 299), kKey);
  EXPECT_EQ(v.desk.PixelAt(399, 299), kKey);
}

TEST(PaintTest, FullScreenOnAMissingMonitorPaintsAnEmptyRegionTheDeviceIgnores) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  Show(v, 3, 1);
  EXPECT_EQ(v.state().RegionRect, (RegionRecord{0, -1, 0, -1, 0, 0}));
  EXPECT_TRUE(StripsOnMonitor(v.desk, 0, Rect{0, 0, 1920, 1200}).empty());
  for (int x = 0; x < v.desk.CanvasWidth(); x += 7) {
    EXPECT_NE(v.desk.PixelAt(x, 1), kKey);
  }
}

TEST(PaintTest, WidthItemsAreEnabledUpToTheMonitorsLimit) {
  struct Case {
    int W, H;
    int enabled;  // how many width items, narrowest first
  };
  for (const Case& c : {Case{640, 480, 1}, Case{1680, 1050, 5}, Case{1920, 1200, 6},
                        Case{1024, 768, 3}, Case{800, 600, 2}, Case{1440, 900, 4}}) {
    SimViewer v({MakeMonitor(0, 0, c.W, c.H, 30)});
    v.form.Create();
    const MenuItem items[] = {MenuItem::N3201, MenuItem::N6401, MenuItem::N8001,
                              MenuItem::N10241, MenuItem::N12801, MenuItem::N14401};
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(v.Enabled(items[i]), i < c.enabled) << c.W << "x" << c.H << " item " << i;
    }
  }
}

}  // namespace
}  // namespace mirlo
