// Display modes and aspects that only a hand-edited settings file holds: after
// every command the strip still names exactly the window's magenta region.

#include <gtest/gtest.h>

#include <climits>

#include "sim_viewer.h"

namespace mirlo {
namespace {

const char kIni[] = "C:\\Tools\\MirloViewer\\veltmirl.ini";

// The tables run on the smallest usable monitor: the strip is read from the
// whole picture after every command.
SimViewer StartWith(const std::string& full, const std::string& aspect, int width = 640,
                    int height = 480) {
  SimViewer v({MakeMonitor(0, 0, width, height, 30)});
  v.desk.SetProfileFileText(kIni, "[SaveParameter]\r\nCurrent=1\r\nFull=" + full +
                                      "\r\nAspect=" + aspect + "\r\nX=200\r\nY=100\r\n");
  v.form.Create();
  return v;
}

// The one strip the device reads names the region the viewer recorded, stands
// at its corner, and the magenta area under it is exactly that rectangle.
void ExpectStripNamesTheRegion(SimViewer& v, const std::string& what) {
  const Rect bounds = v.desk.Monitors()[0].bounds;
  const std::vector<stripread::Strip> strips = StripsOnMonitor(v.desk, 0, bounds);
  ASSERT_EQ(strips.size(), 1u) << what;
  const stripread::Strip& s = strips[0];
  const RegionRecord& r = v.state().RegionRect;
  EXPECT_TRUE(s.checksumOk) << what;
  EXPECT_TRUE(s.regionExact) << what;
  EXPECT_EQ(s.atX, s.x0) << what;
  EXPECT_EQ(s.atY, s.y0) << what;
  EXPECT_EQ((RegionRecord{s.x0, s.x1, s.y0, s.y1, s.x1 - s.x0 + 1, s.y1 - s.y0 + 1}), r) << what;
  // And the region lies in the window.
  const Rect w = v.desk.WindowBounds();
  EXPECT_GE(r.x0, w.left) << what;
  EXPECT_GE(r.y0, w.top) << what;
  EXPECT_LT(r.x1, w.right) << what;
  EXPECT_LT(r.y1, w.bottom) << what;
}

struct Command {
  const char* name;
  void (*run)(SimViewer&);
};

void Choose(SimViewer& v, MenuItem item) { v.desk.ChooseMenu(Id(item)); }

const Command kCommands[] = {
    {"N4", [](SimViewer& v) { Choose(v, MenuItem::N4); }},
    {"N5", [](SimViewer& v) { Choose(v, MenuItem::N5); }},
    {"N6", [](SimViewer& v) { Choose(v, MenuItem::N6); }},
    {"N3201", [](SimViewer& v) { Choose(v, MenuItem::N3201); }},
    {"N6401", [](SimViewer& v) { Choose(v, MenuItem::N6401); }},
    {"N8001", [](SimViewer& v) { Choose(v, MenuItem::N8001); }},
    {"N7", [](SimViewer& v) { Choose(v, MenuItem::N7); }},
    {"N8", [](SimViewer& v) { Choose(v, MenuItem::N8); }},
    {"N9", [](SimViewer& v) { Choose(v, MenuItem::N9); }},
    {"N14", [](SimViewer& v) { Choose(v, MenuItem::N14); }},
    {"N15", [](SimViewer& v) { Choose(v, MenuItem::N15); }},
    {"N12", [](SimViewer& v) { Choose(v, MenuItem::N12); }},
    {"N1", [](SimViewer& v) { Choose(v, MenuItem::N1); }},
    {"double-click", [](SimViewer& v) {
       v.desk.DoubleClickLeft(30, 30);
       v.desk.Release(MouseButton::Left);
     }},
    {"drag", [](SimViewer& v) {
       const Rect w = v.desk.WindowBounds();
       v.desk.MoveMouseTo(Point{w.left + 100, w.top + 100});
       v.desk.Press(MouseButton::Left, 100, 100);
       v.desk.MoveMouseTo(Point{w.left + 140, w.top + 130});
       v.desk.Release(MouseButton::Left);
     }},
};

const char* const kOddModes[] = {"-1", "4", "99", "-2147483648", "2147483647"};
const char* const kAspects[] = {"0", "1", "2", "-1", "2147483647"};

TEST(OddValuesTest, EachCommandFromAnOddStateKeepsTheStripOnItsRegion) {
  for (const char* full : {"-1", "4", "2147483647"}) {
    for (const char* aspect : {"0", "1", "2"}) {
      const std::string start = std::string("Full=") + full + " Aspect=" + aspect;
      {
        SimViewer v = StartWith(full, aspect);
        ExpectStripNamesTheRegion(v, start);
      }
      for (const Command& c : kCommands) {
        SimViewer v = StartWith(full, aspect);
        c.run(v);
        ExpectStripNamesTheRegion(v, start + ", then " + c.name);
      }
    }
  }
}

TEST(OddValuesTest, AllCommandsInTurnKeepTheStripOnItsRegion) {
  for (const char* full : kOddModes) {
    for (const char* aspect : kAspects) {
      SimViewer v = StartWith(full, aspect);
      std::string done = std::string("Full=") + full + " Aspect=" + aspect;
      for (const Command& c : kCommands) {
        c.run(v);
        done += std::string(", ") + c.name;
        ExpectStripNamesTheRegion(v, done);
      }
    }
  }
}

// Two cases seen on a 1024 x 768 monitor: always-on-top made the window full
// screen without repainting it, and a preset was laid out while the window
// was still maximised, so its restore brought back an old 326 x 186 window.
TEST(OddValuesTest, AlwaysOnTopAndAPresetFromAModeOfMinusOne) {
  {
    SimViewer v = StartWith("-1", "0", 1024, 768);
    Choose(v, MenuItem::N7);
    EXPECT_EQ(v.desk.WindowBounds(), (Rect{0, 0, 1024, 768}));
    EXPECT_EQ(v.state().RegionRect, (RegionRecord{0, 1023, 0, 767, 1024, 768}));
    ExpectStripNamesTheRegion(v, "Full=-1, N7");
  }
  {
    SimViewer v = StartWith("-1", "1", 1024, 768);
    // The default preset: 320 wide, normal, windowed at (0, 0).
    Choose(v, MenuItem::N8);
    EXPECT_EQ(v.state().DisplayMode, 0);
    EXPECT_EQ(v.state().Aspect, 0);
    EXPECT_EQ(v.desk.GetWindowState(), WindowState::Normal);
    EXPECT_EQ(v.desk.WindowBounds(), (Rect{0, 0, 326, 246}));
    EXPECT_EQ(v.state().RegionRect, (RegionRecord{3, 322, 3, 242, 320, 240}));
    ExpectStripNamesTheRegion(v, "Full=-1 Aspect=1, N8");
  }
}

}  // namespace
}  // namespace mirlo
