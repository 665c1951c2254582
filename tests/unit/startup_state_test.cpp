// The display state the viewer opens in, chosen from the settings file.

#include <gtest/gtest.h>

#include "sim_viewer.h"

namespace mirlo {
namespace {

const char kIni[] = "C:\\Tools\\MirloViewer\\veltmirl.ini";

// Starts a viewer whose settings file holds `ini`.
void Start(SimViewer& v, const std::string& ini) {
  v.desk.SetProfileFileText(kIni, ini);
  v.form.Create();
}

TEST(StartupStateTest, WidthChoiceIsCentredOnTheWorkArea) {
  SimViewer v({MakeMonitor(0, 0, 1024, 768, 30)});
  Start(v, "[SaveParameter]\r\nSize=5\r\n");
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{189, 186, 189 + 646, 186 + 366}));
  EXPECT_EQ(v.state().RegionRect, (RegionRecord{192, 831, 189, 548, 640, 360}));
}

TEST(StartupStateTest, FirstAndLastWidthChoicesAreCentredToo) {
  struct Case {
    const char* ini;
    Rect window;
  };
  // 1920 x 1200, work area 1920 x 1160: 3 is 320 wide (326 x 186), 14 is
  // 1440 normal (1446 x 1086).
  for (const Case& c : {Case{"[SaveParameter]\r\nSize=3\r\nX=5\r\nY=6\r\n", Rect{797, 487, 1123, 673}},
                        Case{"[SaveParameter]\r\nSize=14\r\nX=5\r\nY=6\r\n", Rect{237, 37, 1683, 1123}}}) {
    SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
    Start(v, c.ini);
    EXPECT_EQ(v.desk.WindowBounds(), c.window) << c.ini;
  }
}

TEST(StartupStateTest, WidthChoiceIsLimitedByTheMonitor) {
  SimViewer v({MakeMonitor(0, 0, 1024, 768, 30)});
  Start(v, "[SaveParameter]\r\nSize=13\r\n");  // 1440 wide, limit 800
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{109, 141, 109 + 806, 141 + 456}));
  EXPECT_EQ(v.state().Aspect, 1);
}

TEST(StartupStateTest, FullScreenChoices) {
  for (auto [size, mode] : {std::pair{0, 1}, {1, 3}, {2, 2}}) {
    SimViewer v({MakeMonitor(0, 0, 1280, 1024, 30)});
    Start(v, "[SaveParameter]\r\nSize=" + std::to_string(size) + "\r\n");
    EXPECT_EQ(v.state().DisplayMode, mode) << size;
    EXPECT_EQ(v.desk.WindowBounds(), (Rect{0, 0, 1280, 1024})) << size;
    EXPECT_TRUE(v.desk.IsTopmost());
  }
}

TEST(StartupStateTest, PresetChoiceOpensAtThePresetOnItsMonitor) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40), MakeMonitor(1920, 0, 1280, 1024, 30)});
  Start(v,
        "[SaveParameter]\r\nSize=16\r\n"
        "[Pre2Parameter]\r\nFull=0\r\nWidth=640\r\nAspect=0\r\nX=2100\r\nY=200\r\nScrIdx=1\r\n");
  EXPECT_EQ(v.state().MonitorIndex, 1);
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{2100, 200, 2100 + 646, 200 + 486}));
  // A preset outside its monitor's work area is pulled into it.
  SimViewer w({MakeMonitor(0, 0, 1920, 1200, 40), MakeMonitor(1920, 0, 1280, 1024, 30)});
  Start(w,
        "[SaveParameter]\r\nSize=16\r\n"
        "[Pre2Parameter]\r\nWidth=640\r\nX=100\r\nY=900\r\nScrIdx=1\r\n");
  EXPECT_EQ(w.desk.WindowBounds(), (Rect{1920, 994 - 486, 1920 + 646, 994}));
}

TEST(StartupStateTest, EachPresetChoiceOpensItsPresetWithinTheWidthLimits) {
  struct Case {
    const char* ini;
    Rect expected;
    int32_t aspect;
  };
  const Case cases[] = {
      // Size 15, 16, 17 pick presets 1, 2, 3; wide only for an aspect of exactly 1.
      {"Size=15\r\n[Pre1Parameter]\r\nWidth=800\r\nAspect=1\r\nX=50\r\nY=60",
       {50, 60, 856, 516}, 1},
      {"Size=17\r\n[Pre3Parameter]\r\nWidth=800\r\nAspect=1\r\nX=50\r\nY=60",
       {50, 60, 856, 516}, 1},
      {"Size=15\r\n[Pre1Parameter]\r\nWidth=640\r\nAspect=2\r\nX=10\r\nY=20",
       {10, 20, 656, 506}, 0},
      // Below 320: raised to 320 at its stored place.
      {"Size=16\r\n[Pre2Parameter]\r\nWidth=100\r\nX=10\r\nY=20", {10, 20, 336, 266}, 0},
  };
  for (const Case& c : cases) {
    SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
    Start(v, std::string("[SaveParameter]\r\n") + c.ini + "\r\n");
    EXPECT_EQ(v.desk.WindowBounds(), c.expected) << c.ini;
    EXPECT_EQ(v.state().Aspect, c.aspect) << c.ini;
  }
}

TEST(StartupStateTest, RememberedStateIsKeptButPulledIntoTheWorkArea) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  Start(v,
        "[SaveParameter]\r\nSize=0\r\nCurrent=1\r\nFull=0\r\nWidth=800\r\nAspect=1\r\n"
        "X=1500\r\nY=-30\r\nScrIdx=0\r\n");
  EXPECT_EQ(v.state().DisplayMode, 0);
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{1920 - 806, 0, 1920, 456}));
}

TEST(StartupStateTest, RememberedFullScreenOnARemovedMonitorCanBeLeft) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  Start(v,
        "[SaveParameter]\r\nCurrent=1\r\nFull=1\r\nScrIdx=3\r\n"
        "[TempParameter]\r\nWidth=640\r\nX=100\r\nY=100\r\nScrIdx=3\r\n");
  EXPECT_EQ(v.state().RegionRect, (RegionRecord{0, -1, 0, -1, 0, 0}));
  // Still a window the user can double-click: at the origin, the size of a monitor.
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{0, 0, 1920, 1200}));
  EXPECT_TRUE(StripsOnMonitor(v.desk, 0, Rect{0, 0, 1920, 1200}).empty());
  v.desk.DoubleClickLeft(50, 50);
  EXPECT_EQ(v.state().DisplayMode, 0);
  EXPECT_EQ(v.state().MonitorIndex, 0);
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{100, 100, 746, 586}));
  EXPECT_EQ(OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200}).x0, 103);
}

TEST(StartupStateTest, UnknownChoiceStartsWithTheLoadedWindow) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  Start(v, "[SaveParameter]\r\nSize=40\r\nFull=3\r\nWidth=640\r\nAspect=1\r\nX=10\r\nY=20\r\n");
  EXPECT_EQ(v.state().DisplayMode, 0);
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{10, 20, 656, 386}));
}

TEST(StartupStateTest, StoredAlwaysOnTopChecksTheItemAndRaisesTheViewer) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  Start(v, "[SaveParameter]\r\nFront=1\r\n");
  EXPECT_TRUE(v.Checked(MenuItem::N7));
  EXPECT_TRUE(v.desk.IsTopmost());
}

// Values near the 32-bit limits from an edited file are limited like any other
// out-of-range value, with arithmetic that cannot overflow.
struct RememberedCase {
  const char* keys;
  Rect expected;  // on a 1920 x 1200 monitor whose work area ends at row 1160
};

void ExpectRemembered(const RememberedCase& c) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  Start(v, std::string("[SaveParameter]\r\nCurrent=1\r\n") + c.keys + "\r\n");
  EXPECT_EQ(v.desk.WindowBounds(), c.expected) << c.keys;
}

TEST(StartupStateTest, RememberedWidthAboveTheLimitFallsBackTo320Centred) {
  // (1920 - 326) / 2 = 797, (1160 - 246) / 2 = 457.
  for (const RememberedCase& c : {RememberedCase{"Width=999999640\r\nX=100\r\nY=100",
                                                 {797, 457, 1123, 703}},
                                  RememberedCase{"Width=2147483647\r\nX=100\r\nY=100",
                                                 {797, 457, 1123, 703}}}) {
    ExpectRemembered(c);
  }
}

// A stored position anywhere in the 32-bit range ends against the work area's
// edge (left + width once overflowed at X=2147483647).
TEST(StartupStateTest, RememberedPositionNearTheLimitIsPulledIntoTheWorkArea) {
  for (const RememberedCase& c :
       {RememberedCase{"X=2147483647\r\nY=100", {1594, 100, 1920, 346}},
        RememberedCase{"X=100\r\nY=2147483647", {100, 914, 426, 1160}},
        RememberedCase{"X=-2147483648\r\nY=-2147483648", {0, 0, 326, 246}}}) {
    ExpectRemembered(c);
  }
}

// A remembered width below 320 is limited like any other (it once gave a
// window 16 x 13 for Width=10, one of -994 x -744 for Width=-1000).
TEST(StartupStateTest, RememberedWidthBelow320IsRaisedTo320) {
  for (const char* width : {"10", "-1000", "-2147483648"}) {
    SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
    Start(v, std::string("[SaveParameter]\r\nCurrent=1\r\nX=100\r\nY=100\r\nWidth=") +
                 width + "\r\n");
    EXPECT_EQ(v.state().RegionWidth, 320) << width;
    EXPECT_EQ(v.desk.WindowBounds().Width(), 326) << width;
    EXPECT_EQ(v.desk.WindowBounds().Height(), 246) << width;
  }
}

// A remembered full screen on a monitor the device cannot use moves to the
// next usable one (a monitor gone from the table keeps its index instead).
TEST(StartupStateTest, RememberedFullScreenOnAnUnusableMonitorMovesToAUsableOne) {
  SimViewer v({MakeMonitor(0, 0, 1024, 768), MakeMonitor(1024, 0, 300, 200)});
  Start(v, "[SaveParameter]\r\nCurrent=1\r\nFull=1\r\nScrIdx=1\r\n");
  EXPECT_EQ(v.state().MonitorIndex, 0);
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{0, 0, 1024, 768}));
  EXPECT_EQ(v.state().RegionRect, (RegionRecord{0, 1023, 0, 767, 1024, 768}));
}

}  // namespace
}  // namespace mirlo
