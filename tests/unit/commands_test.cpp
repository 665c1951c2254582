// Size, aspect, mode, topmost, preset and monitor commands, driven through
// the popup menu and the double-click as a user drives them.

#include <gtest/gtest.h>

#include "sim_viewer.h"

namespace mirlo {
namespace {

// 1920 x 1200 with a task bar, and a 1024 x 768 monitor to its right.
SimViewer TwoMonitors() {
  return SimViewer({MakeMonitor(0, 0, 1920, 1200, 40), MakeMonitor(1920, 0, 1024, 768, 30)});
}

void Choose(SimViewer& v, MenuItem item) { v.desk.ChooseMenu(Id(item)); }

TEST(CommandsTest, FullScreenWideThenDoubleClickReturnsWideToTheOldPlace) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  Choose(v, MenuItem::N6401);
  const Rect before = v.desk.WindowBounds();
  ASSERT_EQ(before.Height(), 486);
  Choose(v, MenuItem::N6);
  EXPECT_EQ(v.state().DisplayMode, 3);
  EXPECT_EQ(v.state().RegionRect, (RegionRecord{0, 1919, 60, 1139, 1920, 1080}));
  v.desk.DoubleClickLeft(500, 500);
  EXPECT_EQ(v.state().DisplayMode, 0);
  EXPECT_EQ(v.desk.GetWindowState(), WindowState::Normal);
  EXPECT_EQ(v.desk.WindowBounds().left, before.left);
  EXPECT_EQ(v.desk.WindowBounds().top, before.top);
  EXPECT_EQ(v.desk.WindowBounds().Width(), 646);
  EXPECT_EQ(v.desk.WindowBounds().Height(), 366);
  EXPECT_EQ(OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200}).y1 - v.state().RegionRect.y0, 359);
}

TEST(CommandsTest, AspectCommandsInFullScreen) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  Choose(v, MenuItem::N4);
  ASSERT_EQ(v.state().DisplayMode, 1);
  // 全画面（ノーマル） in mode 1 only sets the aspect.
  Choose(v, MenuItem::N5);
  EXPECT_EQ(v.state().DisplayMode, 1);
  EXPECT_EQ(v.state().Aspect, 0);
  EXPECT_EQ(v.Caption(MenuItem::N6401), "640（ノーマル）");
  // ノーマル switches to the 4:3 region, ワイド straight on to 16:9.
  Choose(v, MenuItem::N14);
  EXPECT_EQ(v.state().DisplayMode, 2);
  EXPECT_EQ(v.state().RegionRect.width, 1600);
  Choose(v, MenuItem::N15);
  EXPECT_EQ(v.state().DisplayMode, 3);
  EXPECT_EQ(v.state().RegionRect.height, 1080);
  EXPECT_TRUE(v.Checked(MenuItem::N15));
  EXPECT_EQ(v.Caption(MenuItem::N6401), "640（ワイド）");
}

TEST(CommandsTest, WidthItemFromFullScreenRestoresTheWindowedPlace) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  const Rect windowed = v.desk.WindowBounds();
  v.desk.DoubleClickLeft(10, 10);  // normal viewer: full screen 4:3
  EXPECT_EQ(v.state().DisplayMode, 2);
  v.state().Aspect = 1;
  Choose(v, MenuItem::N6401);
  EXPECT_EQ(v.state().DisplayMode, 0);
  EXPECT_EQ(v.desk.WindowBounds(),
            (Rect{windowed.left, windowed.top, windowed.left + 646, windowed.top + 366}));
  EXPECT_FALSE(v.desk.IsTopmost());
}

TEST(CommandsTest, WidthItemKeepsTheCornerUnlessTheWindowWouldLeaveTheWorkArea) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  Choose(v, MenuItem::N15);  // wide stays wide
  const Rect before = v.desk.WindowBounds();
  Choose(v, MenuItem::N8001);
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{before.left, before.top, before.left + 806,
                                         before.top + 456}));
  Choose(v, MenuItem::N14401);
  // Too tall and too wide for the corner: pushed up and left into the work area.
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{1920 - 1446, 1160 - 816, 1920, 1160}));
}

TEST(CommandsTest, DoubleClickPicksTheFullScreenOfTheAspect) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  Choose(v, MenuItem::N15);
  v.desk.DoubleClickLeft(10, 10);
  EXPECT_EQ(v.state().DisplayMode, 3);
  EXPECT_TRUE(v.desk.IsTopmost());
  v.desk.DoubleClickLeft(10, 10);
  Choose(v, MenuItem::N14);
  v.desk.DoubleClickLeft(10, 10);
  EXPECT_EQ(v.state().DisplayMode, 2);
}

TEST(CommandsTest, AlwaysOnTopTogglesTheMarkNotTheStoredSetting) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  Choose(v, MenuItem::N7);
  EXPECT_TRUE(v.Checked(MenuItem::N7));
  EXPECT_TRUE(v.desk.IsTopmost());
  EXPECT_FALSE(v.state().AlwaysOnTop);
  Choose(v, MenuItem::N7);
  EXPECT_FALSE(v.Checked(MenuItem::N7));
  EXPECT_FALSE(v.desk.IsTopmost());
}

TEST(CommandsTest, MonitorMoveAlternatesAndKeepsTheFullScreenMode) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  ASSERT_TRUE(v.Enabled(MenuItem::N11));
  Choose(v, MenuItem::N11);
  EXPECT_EQ(v.state().MonitorIndex, 1);
  // The viewer's desktop position (797, 457) is left of the new monitor: pushed
  // against its left edge, its top kept.
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{1920, 457, 2246, 703}));
  EXPECT_EQ(OnlyStrip(v.desk, 1, Rect{1920, 0, 2944, 768}).x0, 3);
  Choose(v, MenuItem::N5);
  Choose(v, MenuItem::N11);
  EXPECT_EQ(v.state().MonitorIndex, 0);
  EXPECT_EQ(v.state().DisplayMode, 2);
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{0, 0, 1920, 1200}));
  EXPECT_EQ(v.state().RegionRect, (RegionRecord{160, 1759, 0, 1199, 1600, 1200}));
}

TEST(CommandsTest, PresetWidthIsLimitedOnThePresetsMonitor) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  v.state().Presets[0] = PresetRecord{2000, 100, 1440, 0, 1, 0};
  Choose(v, MenuItem::N8);
  EXPECT_EQ(v.state().MonitorIndex, 1);
  EXPECT_EQ(v.state().RegionWidth, 800);
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{2000, 100, 2000 + 806, 100 + 606}));
  EXPECT_EQ(v.state().RegionRect.x0, 2000 - 1920 + 3);
  EXPECT_EQ(v.state().RegionRect.y0, 100 + 3);
}

TEST(CommandsTest, FullScreenPresetReturnsToThePlaceBeforeIt) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  const Rect before = v.desk.WindowBounds();
  v.state().Presets[2] = PresetRecord{5, 5, 640, 1, 0, 3};
  Choose(v, MenuItem::N10);
  EXPECT_EQ(v.state().DisplayMode, 3);
  EXPECT_TRUE(v.desk.IsTopmost());
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{0, 0, 1920, 1200}));
  v.desk.DoubleClickLeft(100, 100);
  EXPECT_EQ(v.state().DisplayMode, 0);
  EXPECT_EQ(v.desk.WindowBounds(),
            (Rect{before.left, before.top, before.left + 646, before.top + 366}));
}

}  // namespace
}  // namespace mirlo
