// What one handler of the viewer shows: the window moves and is painted only
// where the handler leaves it, and what does not change is not set again.

#include <gtest/gtest.h>

#include <algorithm>

#include "sim_viewer.h"

namespace mirlo {
namespace {

// 1920 x 1200 with a task bar, and a 1280 x 1024 monitor to its right.
SimViewer TwoMonitors() {
  return SimViewer({MakeMonitor(0, 0, 1920, 1200, 40), MakeMonitor(1920, 0, 1280, 1024)});
}

int CountOf(const std::vector<std::string>& log, const std::string& prefix) {
  return int(std::count_if(log.begin(), log.end(),
                           [&](const std::string& s) { return s.rfind(prefix, 0) == 0; }));
}

int IndexOf(const std::vector<std::string>& log, const std::string& entry) {
  const auto it = std::find(log.begin(), log.end(), entry);
  return it == log.end() ? -1 : int(it - log.begin());
}

TEST(QuietTest, PresetElsewhereMovesAndPaintsOnceAtItsPlace) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  // 1024 wide at (100, 80): the region 1024 x 768 in a frame of 3.
  v.state().Presets[1] = PresetRecord{100, 80, 1024, 0, 0, 0};
  v.desk.ClearCallLog();
  v.desk.ChooseMenu(Id(MenuItem::N9));
  const std::vector<std::string>& log = v.desk.CallLog();
  EXPECT_EQ(CountOf(log, "bounds"), 1);
  EXPECT_EQ(CountOf(log, "repaint"), 1);
  const int move = IndexOf(log, "bounds 100 80 1030 774");
  ASSERT_GE(move, 0);
  // The strip was off the window before it moved, and painted after.
  const int hide = IndexOf(log, "hidestrip");
  ASSERT_GE(hide, 0);
  EXPECT_LT(hide, move);
  EXPECT_GT(IndexOf(log, "repaint"), move);
  EXPECT_EQ(OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200}).x0, 103);
}

TEST(QuietTest, WidthFromFullScreenPaintsOnlyTheWindowItEndsAs) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  v.desk.ChooseMenu(Id(MenuItem::N4));
  ASSERT_EQ(v.state().DisplayMode, 1);
  v.desk.ClearCallLog();
  v.desk.ChooseMenu(Id(MenuItem::N6401));
  EXPECT_EQ(CountOf(v.desk.CallLog(), "repaint"), 1);
  EXPECT_EQ(v.desk.WindowBounds().Width(), 646);
  EXPECT_EQ(v.desk.WindowBounds().Height(), 486);
  EXPECT_EQ(OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200}).x1 -
                OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200}).x0,
            639);
}

TEST(QuietTest, ClosingStripIsOnScreenThroughTheHold) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  v.desk.ClearCallLog();
  v.desk.ChooseMenu(Id(MenuItem::Quit));
  const std::vector<std::string>& log = v.desk.CallLog();
  const int paint = IndexOf(log, "repaint");
  const int hold = IndexOf(log, "sleep 500");
  ASSERT_GE(paint, 0);
  EXPECT_LT(paint, hold);
  EXPECT_EQ(CountOf(log, "repaint"), 1);
}

TEST(QuietTest, HandlerThatChangesNothingNeitherMovesNorPaints) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  const Rect w = v.desk.WindowBounds();
  v.desk.ClearCallLog();
  // Pointer moves over the window with no button down, and a command that
  // sets what is already set.
  v.desk.MoveMouseTo(Point{w.left + 50, w.top + 50});
  v.desk.MoveMouseTo(Point{w.left + 60, w.top + 40});
  v.desk.ChooseMenu(Id(MenuItem::N3201));
  // (Whether the window is topmost is the window layer's to check: only it
  // knows what stands above the window.)
  for (const char* call : {"bounds", "repaint", "hidestrip", "state"}) {
    EXPECT_EQ(CountOf(v.desk.CallLog(), call), 0) << call;
  }
}

TEST(QuietTest, MonitorsAreReadOncePerHandler) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  for (MenuItem item : {MenuItem::N14401, MenuItem::N11, MenuItem::N5, MenuItem::N3201}) {
    const int before = v.desk.MonitorReads();
    v.desk.ChooseMenu(Id(item));
    // Two monitors, each with bounds and a work area.
    EXPECT_LE(v.desk.MonitorReads() - before, 4) << Id(item);
  }
}

}  // namespace
}  // namespace mirlo

namespace mirlo {
namespace {

TEST(QuietTest, UncoveredWindowIsRepaintedWithoutAskingForMonitors) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  const int before = v.desk.MonitorReads();
  v.desk.Repaint();  // the window system: the window was uncovered
  EXPECT_EQ(v.desk.MonitorReads(), before);
  const stripread::Strip s = OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200});
  EXPECT_EQ(s.x0, 800);
  EXPECT_EQ(s.y0, 460);
}

TEST(QuietTest, AfterADisplayChangeTheStripNamesTheRegionOnTheNewMonitors) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  v.desk.ChooseMenu(Id(MenuItem::N11));  // to the 1280 x 1024 monitor at x 1920
  const Rect w = v.desk.WindowBounds();
  ASSERT_GE(w.left, 1920);
  const int32_t x0 = v.state().RegionRect.x0;
  // The second monitor now stands 320 pixels further left; the window stays.
  v.desk.ChangeMonitors({MakeMonitor(0, 0, 1920, 1200, 40), MakeMonitor(1600, 0, 1280, 1024)});
  v.desk.Repaint();
  EXPECT_EQ(v.state().RegionRect.x0, x0 + 320);
  EXPECT_EQ(OnlyStrip(v.desk, 1, Rect{1600, 0, 2880, 1024}).x0, x0 + 320);
}

}  // namespace
}  // namespace mirlo
