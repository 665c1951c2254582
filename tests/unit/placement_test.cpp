// Window placement on the simulated desktop: the bounds update, the window
// state and z-order, and the aspect marks of the menu.

#include <gtest/gtest.h>

#include "sim_viewer.h"

namespace mirlo {
namespace {

// A windowed viewer with a given state, laid out once.
void Windowed(SimViewer& v, int monitor, int left, int top, int width, int aspect) {
  ViewerState& s = v.state();
  s.MonitorIndex = monitor;
  s.WindowLeft = left;
  s.WindowTop = top;
  s.RegionWidth = width;
  s.Aspect = aspect;
  s.DisplayMode = 0;
  v.Run([&] { v.form.UpdateBounds(); });
}

TEST(PlacementTest, WindowIsPulledIntoTheWorkArea) {
  SimViewer v({MakeMonitor(0, 0, 1024, 768, 30)});
  Windowed(v, 0, 300, 200, 800, 0);
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{218, 132, 218 + 806, 132 + 606}));
  EXPECT_EQ(v.state().WindowLeft, 218);
  EXPECT_EQ(v.state().WindowTop, 132);
}

TEST(PlacementTest, MoveToTheNextMonitorKeepsTheDesktopPositionThenClamps) {
  SimViewer v({MakeMonitor(0, 0, 1024, 768, 30), MakeMonitor(1024, 0, 1280, 1024)});
  Windowed(v, 0, 300, 200, 800, 0);
  v.state().MonitorIndex = 1;
  v.Run([&] { v.form.UpdateBounds(); });
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{1024, 132, 1024 + 806, 132 + 606}));
  EXPECT_EQ(v.state().RegionRect.x0, 3);
  EXPECT_EQ(v.state().RegionRect.y0, 135);
}

TEST(PlacementTest, UnusableMonitorIsReplacedKeepingTheOffsetFromItsCorner) {
  // Monitor 0 now runs at 1152 x 864; monitor 1 is usable, without task bar.
  SimViewer v({MakeMonitor(0, 0, 1152, 864, 30), MakeMonitor(1152, 0, 1280, 1024)});
  Windowed(v, 0, 218, 132, 800, 0);
  EXPECT_EQ(v.state().MonitorIndex, 1);
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{1370, 132, 1370 + 806, 132 + 606}));
}

TEST(PlacementTest, OffsetIsKeptAcrossMonitorsWithNegativeOrigins) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1080), MakeMonitor(-1280, -200, 1280, 1024)});
  Windowed(v, 0, 100, 50, 640, 1);
  EXPECT_EQ(v.state().MonitorIndex, 1);
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{-1180, -150, -1180 + 646, -150 + 366}));
}

TEST(PlacementTest, WidthTooLargeForTheNewMonitorFallsBackTo320Centred) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40), MakeMonitor(1920, 0, 1024, 768, 30)});
  Windowed(v, 0, 100, 100, 1440, 0);
  ASSERT_EQ(v.desk.WindowBounds().Width(), 1446);
  v.state().MonitorIndex = 1;
  v.Run([&] { v.form.UpdateBounds(); });
  EXPECT_EQ(v.state().RegionWidth, 320);
  EXPECT_EQ(v.desk.WindowBounds(),
            (Rect{1920 + 349, 246, 1920 + 349 + 326, 246 + 246}));
  // A wide viewer gets the wide 320 window.
  Windowed(v, 0, 100, 100, 1440, 1);
  v.state().MonitorIndex = 1;
  v.Run([&] { v.form.UpdateBounds(); });
  // Centred: (1024 - 326) / 2 = 349, (738 - 186) / 2 = 276.
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{1920 + 349, 276, 1920 + 349 + 326, 276 + 186}));
}

TEST(PlacementTest, NoUsableMonitorAndAStaleIndexPushTheWindowToTheOrigin) {
  SimViewer v({MakeMonitor(0, 0, 1152, 864)});
  Windowed(v, 4, 500, 500, 320, 0);
  EXPECT_EQ(v.state().MonitorIndex, 4);
  EXPECT_EQ(v.form.MaxRegionWidth(), 320);
  // The all-zero work area: flush with its bottom-right corner, i.e. above and left of 0.
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{-326, -246, 0, 0}));
  v.state().MonitorIndex = 0;
  EXPECT_EQ(v.form.MaxRegionWidth(), 640);
}

TEST(PlacementTest, FullScreenCoversTheMonitorBoundsExactly) {
  // The simulated window system maximises to the work area only.
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40), MakeMonitor(1920, 0, 1024, 768, 30)});
  Windowed(v, 1, 2000, 100, 640, 0);
  for (int mode : {1, 2, 3, 9}) {
    v.state().DisplayMode = mode;
    v.Run([&] { v.form.ApplyWindowState(); });
    EXPECT_EQ(v.desk.WindowBounds(), (Rect{1920, 0, 2944, 768})) << "mode " << mode;
    EXPECT_EQ(v.desk.GetWindowState(), WindowState::Maximized);
    EXPECT_TRUE(v.desk.IsTopmost());
  }
}

TEST(PlacementTest, TopmostFollowsTheCheckMarkOnlyWhenWindowed) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  EXPECT_FALSE(v.desk.IsTopmost());
  v.state().DisplayMode = 2;
  v.Run([&] { v.form.ApplyWindowState(); });
  EXPECT_TRUE(v.desk.IsTopmost());
  v.state().DisplayMode = 0;
  v.Run([&] { v.form.ApplyWindowState(); });
  EXPECT_FALSE(v.desk.IsTopmost());
  EXPECT_EQ(v.desk.GetWindowState(), WindowState::Normal);
  v.Run([&] {
    v.form.View().menu[Id(MenuItem::N7)].checked = true;  // as N7Click does
    v.form.ApplyWindowState();
  });
  EXPECT_TRUE(v.desk.IsTopmost());
}

TEST(PlacementTest, AspectMenuShowsTheProportionTheWidthItemsGive) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.state().Aspect = 1;
  v.Run([&] { v.form.UpdateAspectMenu(); });
  EXPECT_FALSE(v.Checked(MenuItem::N14));
  EXPECT_TRUE(v.Checked(MenuItem::N15));
  EXPECT_EQ(v.Caption(MenuItem::N6401), "640（ワイド）");
  EXPECT_EQ(v.Caption(MenuItem::N14401), "1440（ワイド）");
  v.state().Aspect = 0;
  v.Run([&] { v.form.UpdateAspectMenu(); });
  EXPECT_TRUE(v.Checked(MenuItem::N14));
  EXPECT_FALSE(v.Checked(MenuItem::N15));
  EXPECT_EQ(v.Caption(MenuItem::N3201), "320（ノーマル）");
  // A damaged aspect leaves marks and captions alone, but lays out 16:9.
  Windowed(v, 0, 100, 100, 640, 2);
  EXPECT_TRUE(v.Checked(MenuItem::N14));
  EXPECT_EQ(v.Caption(MenuItem::N3201), "320（ノーマル）");
  EXPECT_EQ(v.desk.WindowBounds().Height(), 366);
  Windowed(v, 0, 100, 100, 640, 1);
  Windowed(v, 0, 100, 100, 640, -1);
  EXPECT_FALSE(v.Checked(MenuItem::N14));
  EXPECT_TRUE(v.Checked(MenuItem::N15));
  EXPECT_EQ(v.Caption(MenuItem::N3201), "320（ワイド）");
}

}  // namespace
}  // namespace mirlo
