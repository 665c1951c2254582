// Changes of display mode and monitor, starts that do not use the remembered
// state, odd stored modes and aspects, and where the settings dialog opens.

#include <gtest/gtest.h>

#include <climits>

#include "dialogs/information_form.h"
#include "settings/pref_form.h"
#include "sim_viewer.h"

namespace mirlo {
namespace {

const char kIni[] = "C:\\Tools\\MirloViewer\\veltmirl.ini";

void Start(SimViewer& v, const std::string& ini) {
  v.desk.SetProfileFileText(kIni, ini);
  v.form.Create();
}

Rect At(int left, int top, int width, int height) { return Rect{left, top, left + width, top + height}; }

// The one strip on the monitor says exactly what RegionRect says.
void ExpectStripOn(SimViewer& v, int monitor, const Rect& bounds, const RegionRecord& r) {
  const stripread::Strip s = OnlyStrip(v.desk, monitor, bounds);
  EXPECT_EQ(s.x0, r.x0);
  EXPECT_EQ(s.y0, r.y0);
  EXPECT_EQ(s.x1, r.x1);
  EXPECT_EQ(s.y1, r.y1);
  EXPECT_TRUE(s.checksumOk);
  EXPECT_TRUE(s.regionExact);
}

// 1024 x 768 with a 30-row task bar, and 1280 x 1024 to its right.
std::vector<SimMonitor> TwoMonitors() {
  return {MakeMonitor(0, 0, 1024, 768, 30), MakeMonitor(1024, 0, 1280, 1024, 30)};
}
const Rect kM0{0, 0, 1024, 768};
const Rect kM1{1024, 0, 2304, 1024};

TEST(TransitionsTest, LeavingFullScreenAfterAMonitorMoveReturnsToTheSavedWindow) {
  struct Case {
    const char* how;
    std::function<void(SimViewer&)> leave;
    Rect window;
    int monitor;
    RegionRecord region;
  };
  const Case cases[] = {
      {"double-click", [](SimViewer& v) { v.desk.DoubleClickLeft(50, 50); }, At(100, 50, 646, 486), 0,
       {103, 742, 53, 532, 640, 480}},
      // Enabled on the 1280 x 1024 monitor, limited to 800 on the one returned to.
      {"1024 item", [](SimViewer& v) { v.desk.ChooseMenu(Id(MenuItem::N10241)); }, At(100, 50, 806, 606), 0,
       {103, 902, 53, 652, 800, 600}},
      {"preset 1", [](SimViewer& v) { v.desk.ChooseMenu(Id(MenuItem::N8)); }, At(1500, 100, 646, 366), 1,
       {479, 1118, 103, 462, 640, 360}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    SimViewer v(TwoMonitors());
    Start(v,
          "[SaveParameter]\r\nCurrent=1\r\nFull=0\r\nWidth=640\r\nAspect=0\r\nX=100\r\nY=50\r\nScrIdx=0\r\n"
          "[Pre1Parameter]\r\nFull=0\r\nWidth=640\r\nAspect=1\r\nX=1500\r\nY=100\r\nScrIdx=1\r\n");
    v.desk.ChooseMenu(Id(MenuItem::N4));
    v.desk.ChooseMenu(Id(MenuItem::N11));
    ASSERT_EQ(v.desk.WindowBounds(), kM1);
    ExpectStripOn(v, 1, kM1, RegionRecord{0, 1279, 0, 1023, 1280, 1024});

    c.leave(v);
    EXPECT_EQ(v.state().DisplayMode, 0);
    EXPECT_EQ(v.state().MonitorIndex, c.monitor);
    EXPECT_EQ(v.desk.GetWindowState(), WindowState::Normal);
    EXPECT_FALSE(v.desk.IsTopmost());
    EXPECT_EQ(v.desk.WindowBounds(), c.window);
    EXPECT_EQ(v.state().RegionRect, c.region);
    ExpectStripOn(v, c.monitor, c.monitor == 0 ? kM0 : kM1, c.region);
    EXPECT_TRUE(StripsOnMonitor(v.desk, 1 - c.monitor, c.monitor == 0 ? kM1 : kM0).empty());
  }
}

TEST(TransitionsTest, MonitorMoveInFullScreenPassesOverAnUnusableMonitor) {
  // 800 x 600, then 1920 x 1080 (unusable), then 1024 x 768.
  const std::vector<SimMonitor> desk = {MakeMonitor(0, 0, 800, 600), MakeMonitor(800, 0, 1920, 1080, 40),
                                        MakeMonitor(2720, 0, 1024, 768, 30)};
  const Rect m0{0, 0, 800, 600}, m1{800, 0, 2720, 1080}, m2{2720, 0, 3744, 768};
  struct Case {
    MenuItem enter;  // None: stays windowed
    Rect onThird;
    RegionRecord thirdRegion;
    Rect backOnFirst;
    RegionRecord firstRegion;
    Rect windowAfterDoubleClick;  // from the second move's result
  };
  const Case cases[] = {
      {MenuItem::N4, m2, {0, 1023, 0, 767, 1024, 768}, m0, {0, 799, 0, 599, 800, 600}, At(237, 177, 326, 246)},
      {MenuItem::N5, m2, {0, 1023, 0, 767, 1024, 768}, m0, {0, 799, 0, 599, 800, 600}, At(237, 177, 326, 246)},
      {MenuItem::N6, m2, {0, 1023, 96, 671, 1024, 576}, m0, {0, 799, 75, 524, 800, 450}, At(237, 177, 326, 186)},
      // Windowed, the viewer keeps its desktop place and is pulled into the
      // next usable monitor's work area, then back.
      {MenuItem::None, At(2720, 177, 326, 246), {3, 322, 180, 419, 320, 240}, At(474, 177, 326, 246),
       {477, 796, 180, 419, 320, 240}, At(474, 177, 326, 246)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Id(c.enter));
    SimViewer v(desk);
    v.form.Create();  // 320 normal, centred on the first monitor: (237, 177)
    ASSERT_TRUE(v.Enabled(MenuItem::N11));
    if (c.enter != MenuItem::None) v.desk.ChooseMenu(Id(c.enter));
    const int32_t mode = v.state().DisplayMode;

    v.desk.ChooseMenu(Id(MenuItem::N11));
    EXPECT_EQ(v.state().MonitorIndex, 2);
    EXPECT_EQ(v.state().DisplayMode, mode);
    EXPECT_EQ(v.desk.WindowBounds(), c.onThird);
    EXPECT_EQ(v.state().RegionRect, c.thirdRegion);
    ExpectStripOn(v, 2, m2, c.thirdRegion);
    EXPECT_TRUE(StripsOnMonitor(v.desk, 1, m1).empty());

    v.desk.ChooseMenu(Id(MenuItem::N11));
    EXPECT_EQ(v.state().MonitorIndex, 0);
    EXPECT_EQ(v.desk.WindowBounds(), c.backOnFirst);
    EXPECT_EQ(v.state().RegionRect, c.firstRegion);
    ExpectStripOn(v, 0, m0, c.firstRegion);

    if (c.enter != MenuItem::None) {
      v.desk.DoubleClickLeft(10, 10);
      EXPECT_EQ(v.state().DisplayMode, 0);
      EXPECT_EQ(v.state().MonitorIndex, 0);
      EXPECT_EQ(v.desk.WindowBounds(), c.windowAfterDoubleClick);
    }
  }
}

TEST(TransitionsTest, StartWithoutTheRememberedStateOpensOnTheDefaultMonitor) {
  // The stored state names the other monitor in full screen; it is not used.
  const std::string stored =
      "Current=0\r\nFull=1\r\nWidth=800\r\nAspect=0\r\nX=1200\r\nY=100\r\nScrIdx=1\r\n"
      "[Pre1Parameter]\r\nWidth=640\r\nAspect=0\r\nX=1100\r\nY=200\r\nScrIdx=1\r\n";
  // Monitor 0 unusable (1920 x 1080), monitor 1 an 800 x 600 one at (1920, 0).
  const std::vector<SimMonitor> unusableFirst = {MakeMonitor(0, 0, 1920, 1080, 40),
                                                 MakeMonitor(1920, 0, 800, 600)};
  struct Case {
    std::vector<SimMonitor> desk;
    int size;
    int monitor;
    int mode;
    Rect window;
    RegionRecord region;
  };
  const Case cases[] = {
      {TwoMonitors(), 4, 0, 0, At(349, 246, 326, 246), {352, 671, 249, 488, 320, 240}},
      {TwoMonitors(), 6, 0, 0, At(189, 126, 646, 486), {192, 831, 129, 608, 640, 480}},
      {TwoMonitors(), 0, 0, 1, kM0, {0, 1023, 0, 767, 1024, 768}},
      {TwoMonitors(), 1, 0, 3, kM0, {0, 1023, 96, 671, 1024, 576}},
      // No start-up size: the stored width and place, on the default monitor.
      {TwoMonitors(), 40, 0, 0, At(218, 100, 806, 606), {221, 1020, 103, 702, 800, 600}},
      // A preset takes its own monitor.
      {TwoMonitors(), 15, 1, 0, At(1100, 200, 646, 486), {79, 718, 203, 682, 640, 480}},
      {unusableFirst, 4, 1, 0, At(2157, 177, 326, 246), {240, 559, 180, 419, 320, 240}},
      {unusableFirst, 13, 1, 0, At(1997, 117, 646, 366), {80, 719, 120, 479, 640, 360}},
      {unusableFirst, 2, 1, 2, Rect{1920, 0, 2720, 600}, {0, 799, 0, 599, 800, 600}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("Size=" + std::to_string(c.size));
    SimViewer v(c.desk);
    Start(v, "[SaveParameter]\r\nSize=" + std::to_string(c.size) + "\r\n" + stored);
    EXPECT_EQ(v.state().MonitorIndex, c.monitor);
    EXPECT_EQ(v.state().DisplayMode, c.mode);
    EXPECT_EQ(v.desk.WindowBounds(), c.window);
    EXPECT_EQ(v.state().RegionRect, c.region);
    ExpectStripOn(v, c.monitor, c.desk[c.monitor].bounds, c.region);
  }
}

// 800 x 600 without task bar, and 1024 x 768 to its right with one.
std::vector<SimMonitor> SmallAndMiddle() {
  return {MakeMonitor(0, 0, 800, 600), MakeMonitor(800, 0, 1024, 768, 30)};
}
const Rect kSmall{0, 0, 800, 600};
const Rect kMiddle{800, 0, 1824, 768};

// A remembered state with an odd mode, a last window at (50, 60) 640 wide,
// and a wide preset 1 on the second monitor.
std::string OddModeIni(int64_t mode) {
  return "[SaveParameter]\r\nCurrent=1\r\nFull=" + std::to_string(mode) +
         "\r\nWidth=320\r\nAspect=0\r\nX=100\r\nY=100\r\nScrIdx=0\r\n"
         "[TempParameter]\r\nWidth=640\r\nX=50\r\nY=60\r\nScrIdx=0\r\n"
         "[Pre1Parameter]\r\nWidth=320\r\nAspect=1\r\nX=900\r\nY=100\r\nScrIdx=1\r\n";
}

TEST(TransitionsTest, OddStoredModeReachesEveryCommand) {
  const RegionRecord wholeSmall{0, 799, 0, 599, 800, 600};
  struct Case {
    int64_t stored;
    MenuItem command;  // None: the start alone; N2 stands for a double-click
    int32_t mode;
    Rect window;
    RegionRecord region;
  };
  const Case cases[] = {
      // Above 3: maximised over the monitor, the whole window is the region.
      {7, MenuItem::None, 7, kSmall, wholeSmall},
      {7, MenuItem::N4, 7, kSmall, wholeSmall},
      {7, MenuItem::N5, 7, kSmall, wholeSmall},
      {7, MenuItem::N6, 7, kSmall, wholeSmall},
      {7, MenuItem::N12, 7, kSmall, wholeSmall},
      {7, MenuItem::Quit, 7, kSmall, wholeSmall},
      {7, MenuItem::N7, 7, kSmall, wholeSmall},
      {7, MenuItem::N14, 2, kSmall, wholeSmall},
      {7, MenuItem::N15, 3, kSmall, {0, 799, 75, 524, 800, 450}},
      {7, MenuItem::N11, 7, kMiddle, {0, 1023, 0, 767, 1024, 768}},
      // Leaving it restores the last window.
      {7, MenuItem::N3201, 0, At(50, 60, 326, 246), {53, 372, 63, 302, 320, 240}},
      {7, MenuItem::N2, 0, At(50, 60, 646, 486), {53, 692, 63, 542, 640, 480}},
      {7, MenuItem::N8, 0, At(900, 100, 326, 186), {103, 422, 103, 282, 320, 180}},
      {7, MenuItem::N10, 0, At(0, 0, 326, 246), {3, 322, 3, 242, 320, 240}},  // preset 3 as by default
      {INT32_MAX, MenuItem::None, INT32_MAX, kSmall, wholeSmall},
      {INT32_MAX, MenuItem::N2, 0, At(50, 60, 646, 486), {53, 692, 63, 542, 640, 480}},
      // Below 0: maximised like a full-screen mode and left like one (a
      // width restores the last window); not one to enter from, and an
      // aspect command gives a real one.
      {-1, MenuItem::None, -1, kSmall, wholeSmall},
      {-1, MenuItem::N4, -1, kSmall, wholeSmall},
      {-1, MenuItem::N14, 2, kSmall, wholeSmall},
      {-1, MenuItem::N3201, 0, At(50, 60, 326, 246), {53, 372, 63, 302, 320, 240}},
      {-1, MenuItem::N2, 0, At(50, 60, 646, 486), {53, 692, 63, 542, 640, 480}},
      {INT32_MIN, MenuItem::N15, 3, kSmall, {0, 799, 75, 524, 800, 450}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("Full=" + std::to_string(c.stored) + " then item " + std::to_string(Id(c.command)));
    SimViewer v(SmallAndMiddle());
    Start(v, OddModeIni(c.stored));
    if (c.command == MenuItem::N2) {
      v.desk.DoubleClickLeft(10, 10);
      v.desk.Release(MouseButton::Left);
    } else if (c.command != MenuItem::None) {
      v.desk.ChooseMenu(Id(c.command));
    }
    EXPECT_EQ(v.state().DisplayMode, c.mode);
    EXPECT_EQ(v.desk.WindowBounds(), c.window);
    EXPECT_EQ(v.state().RegionRect, c.region);
    EXPECT_EQ(v.desk.GetWindowState(), c.mode == 0 ? WindowState::Normal : WindowState::Maximized);
    const int monitor = c.window.left >= 800 ? 1 : 0;
    ExpectStripOn(v, monitor, monitor == 0 ? kSmall : kMiddle, c.region);
    EXPECT_EQ(OnlyStrip(v.desk, monitor, monitor == 0 ? kSmall : kMiddle).lead,
              c.command == MenuItem::Quit ? 'S' : 'A');
    if (c.command == MenuItem::N12) {
      const SimForm& box = v.desk.Forms().back();
      EXPECT_EQ(box.controls.at(TInformationForm::LabelSize).text, "800×600");
      EXPECT_EQ(box.controls.at(TInformationForm::LabelPosition).text, "(0,0)-(799,599)");
    }
  }
}

TEST(TransitionsTest, OddStoredModeInTheSettingsDialog) {
  struct Case {
    int64_t stored;
    bool presetButtons;
    PresetRecord captured;  // into preset 2 when the button works
  };
  const Case cases[] = {
      {7, false, {0, 0, 320, 0, 0, 0}},
      {INT32_MAX, false, {0, 0, 320, 0, 0, 0}},
      // A negative mode counts as windowed here: the maximised window is taken.
      {-1, true, {0, 0, 794, 0, 0, -1}},
      {INT32_MIN, true, {0, 0, 794, 0, 0, INT32_MIN}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("Full=" + std::to_string(c.stored));
    SimViewer v(SmallAndMiddle());
    Start(v, OddModeIni(c.stored));
    v.desk.whileFormOpen = [&] { v.desk.ClickControl(TPrefForm::Pre2SetButton); };
    v.desk.ChooseMenu(Id(MenuItem::N1));
    ASSERT_EQ(v.desk.Forms().size(), 1u);
    EXPECT_EQ(v.desk.Forms()[0].controls.at(TPrefForm::Pre2SetButton).enabled, c.presetButtons);
    EXPECT_EQ(v.state().Presets[1], c.captured);
    // Saved back as it was.
    EXPECT_NE(v.desk.ProfileFileText(kIni).find("Full=" + std::to_string(c.stored) + "\r\n"), std::string::npos);
    EXPECT_EQ(v.state().DisplayMode, c.stored);
  }
}

TEST(TransitionsTest, OddStoredAspectReachesStartAndCommands) {
  struct Case {
    int64_t aspect;
    MenuItem command;  // N2 stands for a double-click
    int32_t mode;
    int32_t aspectAfter;
    Rect window;
    RegionRecord region;
  };
  const RegionRecord wholeSmall{0, 799, 0, 599, 800, 600};
  const Case cases[] = {
      // Any aspect but 0 is wide for the geometry.
      {2, MenuItem::None, 0, 2, At(100, 100, 646, 366), {103, 742, 103, 462, 640, 360}},
      {INT32_MIN, MenuItem::None, 0, INT32_MIN, At(100, 100, 646, 366), {103, 742, 103, 462, 640, 360}},
      // The double-click enters mode aspect + 2: whole-window for 2, mode 1 for -1.
      {2, MenuItem::N2, 4, 2, kSmall, wholeSmall},
      {-1, MenuItem::N2, 1, -1, kSmall, wholeSmall},
      // Width items and presets take only 1 as wide.
      {2, MenuItem::N6401, 0, 0, At(100, 100, 646, 486), {103, 742, 103, 582, 640, 480}},
      {2, MenuItem::N15, 0, 1, At(100, 100, 646, 366), {103, 742, 103, 462, 640, 360}},
      {2, MenuItem::N5, 2, 0, kSmall, wholeSmall},
      {2, MenuItem::N9, 0, 0, At(20, 30, 326, 246), {23, 342, 33, 272, 320, 240}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("Aspect=" + std::to_string(c.aspect) + " then item " + std::to_string(Id(c.command)));
    SimViewer v(SmallAndMiddle());
    Start(v, "[SaveParameter]\r\nCurrent=1\r\nFull=0\r\nWidth=640\r\nAspect=" + std::to_string(c.aspect) +
                 "\r\nX=100\r\nY=100\r\nScrIdx=0\r\n"
                 "[Pre2Parameter]\r\nWidth=320\r\nAspect=" + std::to_string(c.aspect) +
                 "\r\nX=20\r\nY=30\r\nScrIdx=0\r\n");
    // An odd aspect leaves the menu as created.
    EXPECT_EQ(v.Caption(MenuItem::N6401), "640（ノーマル）");
    EXPECT_FALSE(v.Checked(MenuItem::N14));
    EXPECT_FALSE(v.Checked(MenuItem::N15));
    if (c.command == MenuItem::N2) {
      v.desk.DoubleClickLeft(10, 10);
      v.desk.Release(MouseButton::Left);
    } else if (c.command != MenuItem::None) {
      v.desk.ChooseMenu(Id(c.command));
    }
    EXPECT_EQ(v.state().DisplayMode, c.mode);
    EXPECT_EQ(v.state().Aspect, c.aspectAfter);
    EXPECT_EQ(v.desk.WindowBounds(), c.window);
    EXPECT_EQ(v.state().RegionRect, c.region);
    ExpectStripOn(v, 0, kSmall, c.region);
  }
}

TEST(TransitionsTest, SettingsDialogKeepsItsOffsetOnAMonitorWhoseTopIsNotZero) {
  // The dialog is 357 x 355 outside (351 x 329 inside, 3-pixel border, 20-pixel caption).
  struct Case {
    const char* what;
    std::vector<SimMonitor> desk;
    int viewerMonitor;
    Point viewerAt;
    Point dialog;
  };
  const Case cases[] = {
      {"below the top of the first", {MakeMonitor(0, 0, 1024, 768), MakeMonitor(1024, 300, 800, 600)}, 1,
       {1100, 400}, {1024 + 205, 300 + 130}},
      {"above it, too low for the dialog: pushed up to end at its bottom",
       {MakeMonitor(0, 0, 1024, 768), MakeMonitor(1024, -200, 640, 480)}, 1, {1100, -100}, {1229, 280 - 355}},
      {"wholly above the first", {MakeMonitor(0, 0, 1024, 768), MakeMonitor(0, -600, 800, 600)}, 1,
       {100, -500}, {205, -600 + 130}},
      {"left of the first, too low for the dialog",
       {MakeMonitor(0, 0, 1024, 768), MakeMonitor(-640, 100, 640, 480)}, 1, {-600, 150}, {-640 + 205, 580 - 355}},
      {"first monitor unusable, the viewer's lower",
       {MakeMonitor(0, 0, 1920, 1080, 40), MakeMonitor(1920, 240, 800, 600)}, 1, {2000, 300}, {2125, 370}},
      {"the designed place on the viewer's own monitor, whose top is 100", {MakeMonitor(0, 100, 800, 600)}, 0,
       {300, 300}, {205, 130}},
      {"the viewer on the first monitor", {MakeMonitor(0, 0, 1024, 768), MakeMonitor(1024, 300, 800, 600)}, 0,
       {100, 100}, {205, 130}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SimViewer v(c.desk);
    Start(v, "[SaveParameter]\r\nCurrent=1\r\nWidth=320\r\nX=" + std::to_string(c.viewerAt.x) +
                 "\r\nY=" + std::to_string(c.viewerAt.y) + "\r\nScrIdx=" + std::to_string(c.viewerMonitor) +
                 "\r\n");
    ASSERT_EQ(v.state().MonitorIndex, c.viewerMonitor);
    v.desk.ChooseMenu(Id(MenuItem::N1));
    ASSERT_EQ(v.desk.Forms().size(), 1u);
    EXPECT_EQ(v.desk.Forms()[0].position.x, c.dialog.x);
    EXPECT_EQ(v.desk.Forms()[0].position.y, c.dialog.y);
  }
}

}  // namespace
}  // namespace mirlo
