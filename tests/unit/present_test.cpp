// What one handler of the viewer shows: the window moves and is painted at
// most once, where the handler leaves it, with the strip taken off before
// the move; what does not change is not set again.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

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

int IndexOf(const std::vector<std::string>& log, const std::string& prefix) {
  const auto it = std::find_if(log.begin(), log.end(),
                               [&](const std::string& s) { return s.rfind(prefix, 0) == 0; });
  return it == log.end() ? -1 : int(it - log.begin());
}

struct Step {
  const char* name;
  std::function<void(SimViewer&)> run;
};

void Choose(SimViewer& v, MenuItem item) { v.desk.ChooseMenu(Id(item)); }

// Handlers that move, resize, repaint or change the mode, each from the
// state the ones before it left.
const std::vector<Step>& Steps() {
  using M = MenuItem;
  static const std::vector<Step> steps = {
      {"640", [](SimViewer& v) { Choose(v, M::N6401); }},
      {"wide", [](SimViewer& v) { Choose(v, M::N15); }},
      {"full 4:3", [](SimViewer& v) { Choose(v, M::N5); }},
      {"1024 from full screen", [](SimViewer& v) { Choose(v, M::N10241); }},
      {"next monitor", [](SimViewer& v) { Choose(v, M::N11); }},
      {"full", [](SimViewer& v) { Choose(v, M::N4); }},
      {"next monitor in full screen", [](SimViewer& v) { Choose(v, M::N11); }},
      {"preset 2 from full screen", [](SimViewer& v) { Choose(v, M::N9); }},
      {"always on top", [](SimViewer& v) { Choose(v, M::N7); }},
      {"normal", [](SimViewer& v) { Choose(v, M::N14); }},
      {"double-click to full screen", [](SimViewer& v) { v.desk.DoubleClickLeft(30, 30); }},
      {"release", [](SimViewer& v) { v.desk.Release(MouseButton::Left); }},
      {"double-click back", [](SimViewer& v) { v.desk.DoubleClickLeft(900, 600); }},
      {"release again", [](SimViewer& v) { v.desk.Release(MouseButton::Left); }},
      {"press inside", [](SimViewer& v) { v.desk.Press(MouseButton::Left, 40, 40); }},
      {"drag step", [](SimViewer& v) {
         const Rect w = v.desk.WindowBounds();
         v.desk.MoveMouseTo(Point{w.left + 140, w.top + 90});
       }},
      {"second drag step", [](SimViewer& v) {
         const Rect w = v.desk.WindowBounds();
         v.desk.MoveMouseTo(Point{w.left + 60, w.top + 10});
       }},
      {"release the drag", [](SimViewer& v) { v.desk.Release(MouseButton::Left); }},
      {"arrow key", [](SimViewer& v) { v.desk.PressKey(Key::Right, KeyModifiers{true}); }},
      {"wider by key", [](SimViewer& v) { v.desk.PressKey(Key::Right, KeyModifiers{false, true}); }},
      {"full 16:9", [](SimViewer& v) { Choose(v, M::N6); }},
      {"320 from full screen", [](SimViewer& v) { Choose(v, M::N3201); }},
  };
  return steps;
}

TEST(PresentTest, EachHandlerMovesAndPaintsAtMostOnceTakingTheStripOffFirst) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  v.state().Presets[1] = PresetRecord{100, 80, 1024, 0, 0, 0};
  int moves = 0;
  for (const Step& s : Steps()) {
    v.desk.ClearCallLog();
    s.run(v);
    const std::vector<std::string>& log = v.desk.CallLog();
    EXPECT_LE(CountOf(log, "bounds"), 1) << s.name;
    EXPECT_LE(CountOf(log, "repaint"), 1) << s.name;
    const int move = IndexOf(log, "bounds");
    if (move >= 0) {
      ++moves;
      // Off before the move, the new picture after it.
      const int off = IndexOf(log, "fillnow");
      EXPECT_TRUE(off >= 0 && off < move) << s.name;
      EXPECT_GT(IndexOf(log, "repaint"), move) << s.name;
    }
    // Whatever moved, the strip on screen names the region where it is.
    const int m = v.state().MonitorIndex;
    const Rect b = v.desk.Monitors()[size_t(m)].bounds;
    const stripread::Strip strip = OnlyStrip(v.desk, m, b);
    EXPECT_EQ(strip.x0, v.state().RegionRect.x0) << s.name;
    EXPECT_EQ(strip.y0, v.state().RegionRect.y0) << s.name;
    EXPECT_EQ(strip.x1, v.state().RegionRect.x1) << s.name;
    EXPECT_EQ(strip.y1, v.state().RegionRect.y1) << s.name;
  }
  // The table did move the window: the checks above were not empty.
  EXPECT_GE(moves, 15);
}

TEST(PresentTest, PresetElsewhereMovesOnceStraightToItsPlace) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  // 1024 wide at (100, 80): the region 1024 x 768 in a frame of 3.
  v.state().Presets[1] = PresetRecord{100, 80, 1024, 0, 0, 0};
  v.desk.ClearCallLog();
  v.desk.ChooseMenu(Id(MenuItem::N9));
  EXPECT_EQ(CountOf(v.desk.CallLog(), "bounds"), 1);
  EXPECT_GE(IndexOf(v.desk.CallLog(), "bounds 100 80 1030 774"), 0);
  EXPECT_EQ(OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200}).x0, 103);
}

TEST(PresentTest, ClosingStripIsOnScreenThroughTheHold) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  v.desk.ClearCallLog();
  v.desk.ChooseMenu(Id(MenuItem::Quit));
  const std::vector<std::string>& log = v.desk.CallLog();
  const int paint = IndexOf(log, "repaint");
  ASSERT_GE(paint, 0);
  EXPECT_LT(paint, IndexOf(log, "sleep 500"));
  EXPECT_EQ(CountOf(log, "repaint"), 1);
}

TEST(PresentTest, HandlerThatChangesNothingMakesNoCall) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  const Rect w = v.desk.WindowBounds();
  v.desk.ClearCallLog();
  // Pointer moves over the window with no button down, and commands that set
  // what is already set: the width, the aspect, and always on top twice.
  v.desk.MoveMouseTo(Point{w.left + 50, w.top + 50});
  v.desk.MoveMouseTo(Point{w.left + 60, w.top + 40});
  v.desk.ChooseMenu(Id(MenuItem::N3201));
  v.desk.ChooseMenu(Id(MenuItem::N14));
  v.desk.ChooseMenu(Id(MenuItem::N7));
  v.desk.ChooseMenu(Id(MenuItem::N7));
  std::vector<std::string> log = v.desk.CallLog();
  // The two always-on-top choices change the z-order band and the item's
  // check mark, and nothing else.
  EXPECT_EQ(log, (std::vector<std::string>{"topmost", "menu 1011", "notopmost", "menu 1011"}));
}

TEST(PresentTest, MonitorsAreReadOncePerHandlerOneCallEach) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40), MakeMonitor(1920, 0, 1280, 1024),
               MakeMonitor(-1024, 0, 1024, 768)});
  v.form.Create();
  for (MenuItem item : {MenuItem::N14401, MenuItem::N11, MenuItem::N5, MenuItem::N3201}) {
    const int before = v.desk.MonitorReads();
    v.desk.ChooseMenu(Id(item));
    EXPECT_EQ(v.desk.MonitorReads() - before, 3) << Id(item);
  }
}

TEST(PresentTest, UncoveredWindowIsRepaintedWithTheLastPictureWithoutAskingForMonitors) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  const int before = v.desk.MonitorReads();
  v.desk.Repaint();  // the window system: the window was uncovered
  EXPECT_EQ(v.desk.MonitorReads(), before);
  const stripread::Strip s = OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200});
  EXPECT_EQ(s.x0, 800);
  EXPECT_EQ(s.y0, 460);
}

TEST(PresentTest, PaintAfterAMoveBehindTheProgramsBackNamesTheRealPlace) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  // 326 x 246 at (797, 457); the window system puts it at (1000, 300).
  v.desk.MoveWindowFromOutside(Rect{1000, 300, 1326, 546});
  v.desk.Repaint();
  const stripread::Strip s = OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200});
  EXPECT_EQ(s.x0, 1003);
  EXPECT_EQ(s.y0, 303);
  EXPECT_EQ(s.x1, 1322);
  EXPECT_EQ(s.y1, 542);
  EXPECT_EQ(v.state().RegionRect, (RegionRecord{1003, 1322, 303, 542, 320, 240}));
  EXPECT_EQ(v.state().WindowLeft, 1000);
  EXPECT_EQ(v.state().LastWindowed.top, 300);
  // The next command starts from where the window really is.
  v.desk.ChooseMenu(Id(MenuItem::N6401));
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{1000, 300, 1646, 786}));
}

TEST(PresentTest, WhatAHandlerDecidedIsOnScreenBeforeTheWindowSystemRuns) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  v.Run([&] {
    v.form.SetWidthAndAspect(640, false);  // 646 x 486 at (797, 457)
    v.form.LetWindowSystemRun([&] {
      EXPECT_EQ(v.desk.WindowBounds(), (Rect{797, 457, 1443, 943}));
      EXPECT_EQ(OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200}).x1, 800 + 639);
      // Meanwhile the window system moves the window on its own.
      v.desk.MoveWindowFromOutside(Rect{100, 50, 746, 536});
    });
  });
  // The handler went on from where the window really was.
  const stripread::Strip s = OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200});
  EXPECT_EQ(s.x0, 103);
  EXPECT_EQ(s.y0, 53);
  EXPECT_EQ(v.state().WindowLeft, 100);
}

TEST(PresentTest, ADragAfterAMoveBehindTheProgramsBackStartsFromTheRealPlace) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  v.desk.MoveWindowFromOutside(Rect{1000, 300, 1326, 546});  // no paint follows
  // The right edge, pressed in its lower half, dragged 50 to the right: the
  // top-left corner stays where the window really is.
  v.desk.MoveMouseTo(Point{1000 + 316, 300 + 200});
  v.desk.PressAtPointer(MouseButton::Left);
  v.desk.MoveMouseTo(Point{1000 + 366, 300 + 200});
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{1000, 300, 1376, 583}));
  EXPECT_EQ(OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200}).x0, 1003);
}

TEST(PresentTest, AHandlerCalledBackMidwayShowsNothingOfItsOwn) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  v.desk.Press(MouseButton::Left, 40, 40);  // holds the capture
  v.desk.ClearCallLog();
  v.Run([&] {
    v.form.View().bounds = Rect{100, 100, 426, 346};
    v.form.Repaint();
    // Giving the capture back calls the viewer back at once.
    v.form.Desk().ReleaseCapture();
    v.form.View().bounds = Rect{200, 100, 526, 346};
    v.form.Repaint();
  });
  EXPECT_EQ(CountOf(v.desk.CallLog(), "bounds"), 1);
  EXPECT_EQ(IndexOf(v.desk.CallLog(), "bounds 200 100"), IndexOf(v.desk.CallLog(), "bounds"));
}

TEST(PresentTest, AChangeOfStateAloneSetsTheRectangleAgain) {
  // The simulated window system maximises to the work area; the viewer's
  // rectangle must still be the one it asked for.
  SimDesktop desk({MakeMonitor(0, 0, 1920, 1200, 40)});
  WindowView shown;
  shown.bounds = Rect{0, 0, 1920, 1200};
  desk.SetWindowBounds(shown.bounds);
  Presenter presenter(desk, shown);
  WindowView wanted = shown;
  wanted.state = WindowState::Maximized;
  presenter.Present(wanted);
  EXPECT_EQ(desk.GetWindowState(), WindowState::Maximized);
  EXPECT_EQ(desk.WindowBounds(), (Rect{0, 0, 1920, 1200}));
}

TEST(PresentTest, AfterADisplayChangeTheStripNamesTheRegionOnTheNewMonitors) {
  SimViewer v = TwoMonitors();
  v.form.Create();
  v.desk.ChooseMenu(Id(MenuItem::N11));  // to the 1280 x 1024 monitor at x 1920
  const Rect w = v.desk.WindowBounds();
  ASSERT_GE(w.left, 1920);
  const int32_t x0 = v.state().RegionRect.x0;
  // The second monitor now stands 320 pixels further left; the window stays.
  v.desk.ChangeMonitors({MakeMonitor(0, 0, 1920, 1200, 40), MakeMonitor(1600, 0, 1280, 1024)});
  EXPECT_EQ(v.state().RegionRect.x0, x0 + 320);
  EXPECT_EQ(OnlyStrip(v.desk, 1, Rect{1600, 0, 2880, 1024}).x0, x0 + 320);
}

}  // namespace
}  // namespace mirlo
