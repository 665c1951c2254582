// Random sessions with fixed seeds, and the sessions that once failed.

#include <gtest/gtest.h>

#include "soak.h"
#include "../unit/sim_viewer.h"

namespace mirlo::session {
namespace {

class FixedSeedTest : public ::testing::TestWithParam<uint64_t> {};

TEST_P(FixedSeedTest, KeepsEveryInvariant) {
  SessionOptions quick;
  quick.smallDesks = true;
  // Faults found and not yet mended (the disabled tests below) pass here;
  // drop each line once its test is enabled.
  KnownFaults known;
  known.dragOnCrampedWorkArea = true;
  known.presetFromNegativeModeKeepsItsMonitor = true;
  const SoakResult r = RunSession(GetParam(), 350, quick, known);
  EXPECT_TRUE(r.ok) << r.report;
  EXPECT_EQ(r.steps, 350);
}

INSTANTIATE_TEST_SUITE_P(Seeds, FixedSeedTest, ::testing::Values(1, 2, 3, 4, 5, 6));

// Seed 2, step 22 (soak --strict): on an 800 x 600 monitor whose work area is
// 361 x 72, a drag left the region 117 x 66, too narrow for the strip. The
// same in a few steps: a work area 400 x 100 at (200, 400); the viewer,
// 326 x 246, ends flush with its bottom at (237, 254). A press in the
// top-left corner and a pointer 50 pixels to the left: the width leads to
// 376, the height that follows would leave the work area at the top, so the
// top is cut at 400 and the width derived back from the 100 rows left:
// 131 x 100, a region of 125 x 94. What should happen: the viewer's commands
// and drags never make the window smaller than 326 x 186 (the smallest
// region is 320 wide and carries the 152-pixel strip); the window would stay
// at the smallest size, sticking out of the work area as a laid-out window
// larger than the work area does.
TEST(SessionFaultTest, DISABLED_DragOnAWorkAreaLowerThanTheSmallestWindowKeepsTheSmallestSize) {
  SimViewer v({SimMonitor{Rect{0, 0, 800, 600}, Rect{200, 400, 600, 500}}});
  v.form.Create();
  ASSERT_EQ(v.desk.WindowBounds(), (Rect{237, 254, 563, 500}));
  v.desk.MoveMouseTo(Point{242, 259});
  v.desk.PressLeft(5, 5);
  v.desk.MoveMouseTo(Point{192, 259});
  EXPECT_GE(v.desk.WindowBounds().Width(), 326);
  EXPECT_GE(v.state().RegionRect.width, 320);
  EXPECT_EQ(StripsOnMonitor(v.desk, 0, Rect{0, 0, 800, 600}).size(), 1u);
}

// Seed 102, step 31: on an 800 x 600 monitor whose work area is 345 x 258 at
// (420, 195), a wide 640 viewer (646 x 366) is laid out flush with the work
// area's right and bottom edges at (119, 87), larger than the work area.
// A drag of its right edge to the far left leaves the smallest window,
// 326 x 186, at (119, 87): its left and top edges stay where they were, so it
// lies outside the work area although it fits. A press in the left band's
// lower half of that window and the pointer at the monitor's top-right
// corner: the smallest width puts the left edge at 445 - 326 = 119, left of
// the work area, which cuts it at 420; the window becomes 25 x 16 at
// (420, 87), a region of 19 x 10 that carries no strip. What should happen:
// the window keeps at least the smallest size (326 x 186 for a wide viewer)
// and, since it fits, stays inside the work area.
TEST(SessionFaultTest, DISABLED_DragFromAWindowLargerThanTheWorkAreaKeepsTheSmallestSize) {
  SimViewer v({SimMonitor{Rect{0, 0, 800, 600}, Rect{420, 195, 765, 453}}});
  v.desk.SetProfileFileText("C:\\Tools\\MirloViewer\\veltmirl.ini",
                            "[SaveParameter]\r\nCurrent=1\r\nWidth=640\r\nAspect=1\r\nX=0\r\nY=0\r\n");
  v.form.Create();
  ASSERT_EQ(v.desk.WindowBounds(), (Rect{119, 87, 765, 453}));
  v.desk.MoveMouseTo(Point{764, 387});
  v.desk.PressLeft(645, 300);
  v.desk.MoveMouseTo(Point{0, 387});
  v.desk.Release(MouseButton::Left);
  EXPECT_EQ(v.desk.WindowBounds().Width(), 326);
  EXPECT_GE(v.desk.WindowBounds().left, 420);
  EXPECT_GE(v.desk.WindowBounds().top, 195);

  const Rect w = v.desk.WindowBounds();
  v.desk.MoveMouseTo(Point{w.left + 19, w.top + 150});
  v.desk.PressLeft(19, 150);
  v.desk.MoveMouseTo(Point{799, 0});
  EXPECT_GE(v.desk.WindowBounds().Width(), 326);
  EXPECT_GE(v.desk.WindowBounds().Height(), 186);
  EXPECT_EQ(StripsOnMonitor(v.desk, 0, Rect{0, 0, 800, 600}).size(), 1u);
}

// Seed 213, step 476: the stored mode was -1 (a damaged settings file) on a
// desk of an unusable 1366 x 768 monitor 0, an unusable 800 x 601 monitor 1
// and a usable 640 x 480 monitor 2; preset 1 held mode 100 and monitor 0.
// Applying the preset: leaving full screen does nothing for a negative mode,
// the preset's monitor 0 is taken, and setting the width changes the aspect
// outside the windowed mode (mode 2, no bounds update), so monitor 0 is
// never replaced; the preset's mode 100 then shows the viewer maximised on
// the unusable monitor 0. The same preset from a windowed viewer lands on
// monitor 2. What should happen: the viewer never moves to an unusable
// monitor while a usable one exists; it should come to monitor 2 here.
TEST(SessionFaultTest, DISABLED_PresetAppliedFromANegativeModeNeverLandsOnAnUnusableMonitor) {
  SimViewer v({MakeMonitor(0, 0, 1366, 768), MakeMonitor(1366, 0, 640, 480)});
  v.desk.SetProfileFileText("C:\\Tools\\MirloViewer\\veltmirl.ini",
                            "[SaveParameter]\r\nCurrent=1\r\nFull=-1\r\nScrIdx=1\r\n"
                            "[Pre1Parameter]\r\nFull=1\r\nWidth=320\r\nScrIdx=0\r\n");
  v.form.Create();
  ASSERT_EQ(v.state().MonitorIndex, 1);
  v.desk.ChooseMenu(Id(MenuItem::N8));
  EXPECT_EQ(v.state().MonitorIndex, 1);
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{1366, 0, 2006, 480}));
  EXPECT_EQ(StripsOnMonitor(v.desk, 1, Rect{1366, 0, 2006, 480}).size(), 1u);
}

// The sessions that found the faults above, replayed without letting the
// faults pass. Seeds 1035 and 5008 (small desks) follow the first two down
// to a window of negative width and height: a drag from a window already
// below the smallest size, whose unmoved edge lies beyond the work area,
// cuts the moving edge at the work area past the other one.
TEST(SessionFaultTest, DISABLED_SessionsThatFoundFaultsKeepEveryInvariant) {
  struct Replay {
    uint64_t seed;
    int64_t steps;
    bool small;
  };
  for (const Replay& p : {Replay{2, 22, false}, {102, 31, false}, {3, 539, false}, {213, 476, false},
                          {1035, 90, false}, {5008, 351, true}}) {
    SessionOptions options;
    options.smallDesks = p.small;
    const SoakResult r = RunSession(p.seed, p.steps, options);
    EXPECT_TRUE(r.ok) << r.report;
  }
}

}  // namespace
}  // namespace mirlo::session

// Faults the sessions found. Each is disabled until the program is mended;
// the comment says what happens and what should.
