// Moving and sizing the windowed viewer with the keys, help and the menu.

#include <gtest/gtest.h>

#include "sim_viewer.h"

namespace mirlo {
namespace {

const KeyModifiers kNone{};
const KeyModifiers kShift{true, false, false};
const KeyModifiers kCtrl{false, true, false};
const KeyModifiers kCtrlShift{true, true, false};
const KeyModifiers kAlt{false, false, true};

Rect At(int left, int top, int width, int height) {
  return Rect{left, top, left + width, top + height};
}

std::string Text(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.Width()) +
         "x" + std::to_string(r.Height());
}

// A windowed viewer of the given region width and aspect at (left, top) on
// monitor `monitor`.
void Place(SimViewer& v, int monitor, int left, int top, int width, int aspect) {
  v.state().MonitorIndex = monitor;
  v.state().WindowLeft = left;
  v.state().WindowTop = top;
  v.state().RegionWidth = width;
  v.state().Aspect = aspect;
  v.Run([&] { v.form.UpdateBounds(); });
}

// The 1920 x 1200 monitor with a 40-pixel task bar at its bottom.
SimViewer OnWideMonitor() {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  return v;
}

// What the device reads equals the window's region, and the paint wrote the
// window back into the state.
void ExpectStripFollows(SimViewer& v, int monitor, const Rect& bounds, const std::string& what) {
  const Rect w = v.desk.WindowBounds();
  const stripread::Strip s = OnlyStrip(v.desk, monitor, bounds);
  EXPECT_EQ(s.x0, w.left + 3 - bounds.left) << what;
  EXPECT_EQ(s.y0, w.top + 3 - bounds.top) << what;
  EXPECT_EQ(s.x1, w.right - 4 - bounds.left) << what;
  EXPECT_EQ(s.y1, w.bottom - 4 - bounds.top) << what;
  EXPECT_TRUE(s.checksumOk && s.regionExact) << what;
  EXPECT_EQ(v.state().WindowLeft, w.left) << what;
  EXPECT_EQ(v.state().WindowTop, w.top) << what;
  EXPECT_EQ(v.state().RegionWidth, w.Width() - 6) << what;
  EXPECT_EQ(v.state().LastWindowed.left, w.left) << what;
  EXPECT_EQ(v.state().LastWindowed.width, w.Width() - 6) << what;
}

TEST(KeyboardTest, EachKeyMovesOrSizesByItsStep) {
  // From a 640-wide viewer at (100, 100): 646 x 486 normal, 646 x 366 wide.
  struct Case {
    int aspect;
    Key key;
    KeyModifiers mods;
    Rect expected;
  };
  const Case cases[] = {
      {0, Key::Left, kNone, At(99, 100, 646, 486)},
      {0, Key::Right, kNone, At(101, 100, 646, 486)},
      {0, Key::Up, kNone, At(100, 99, 646, 486)},
      {0, Key::Down, kNone, At(100, 101, 646, 486)},
      {0, Key::Left, kShift, At(90, 100, 646, 486)},
      {0, Key::Right, kShift, At(110, 100, 646, 486)},
      {0, Key::Up, kShift, At(100, 90, 646, 486)},
      {0, Key::Down, kShift, At(100, 110, 646, 486)},
      // Region 641 x 480, 639 x 479, 650 x 487, 630 x 472: the corner stays.
      {0, Key::Right, kCtrl, At(100, 100, 647, 486)},
      {0, Key::Left, kCtrl, At(100, 100, 645, 485)},
      {0, Key::Right, kCtrlShift, At(100, 100, 656, 493)},
      {0, Key::Left, kCtrlShift, At(100, 100, 636, 478)},
      {1, Key::Down, kShift, At(100, 110, 646, 366)},
      {1, Key::Left, kNone, At(99, 100, 646, 366)},
      // Region 641 x 360, 639 x 359, 650 x 365, 630 x 354.
      {1, Key::Right, kCtrl, At(100, 100, 647, 366)},
      {1, Key::Left, kCtrl, At(100, 100, 645, 365)},
      {1, Key::Right, kCtrlShift, At(100, 100, 656, 371)},
      {1, Key::Left, kCtrlShift, At(100, 100, 636, 360)},
  };
  for (const Case& c : cases) {
    SimViewer v = OnWideMonitor();
    Place(v, 0, 100, 100, 640, c.aspect);
    const int paints = v.desk.PaintCount();
    v.desk.PressKey(c.key, c.mods);
    const std::string what = "aspect " + std::to_string(c.aspect) + " key " +
                             std::to_string(int(c.key)) + " shift " + std::to_string(c.mods.shift) +
                             " ctrl " + std::to_string(c.mods.ctrl) + ": got " +
                             Text(v.desk.WindowBounds());
    EXPECT_EQ(v.desk.WindowBounds(), c.expected) << what;
    EXPECT_EQ(v.desk.PaintCount(), paints + 1) << what;
    EXPECT_EQ(v.desk.KeysPassedOn(), 0) << what;
    EXPECT_EQ(v.state().MonitorIndex, 0) << what;
    ExpectStripFollows(v, 0, Rect{0, 0, 1920, 1200}, what);
  }
}

TEST(KeyboardTest, StepsStopAtEveryEdgeOfTheWorkArea) {
  const std::vector<SimMonitor> desk = {
      MakeMonitor(0, 0, 1920, 1200, 40),  // task bar at the bottom: work area to row 1160
      // Left of and above the first: bounds (-1024, -200) to (0, 568), work
      // area to row 538.
      MakeMonitor(-1024, -200, 1024, 768, 30),
      // Bars at the top and at the left: work area (1980, 30) to (3200, 1024).
      SimMonitor{Rect{1920, 0, 3200, 1024}, Rect{1980, 30, 3200, 1024}},
  };
  struct Case {
    const char* what;
    int monitor;
    int left, top;  // of a 326 x 246 viewer
    Key key;
    KeyModifiers mods;
    Point expected;
  };
  const Case cases[] = {
      {"left edge", 0, 0, 500, Key::Left, kNone, {0, 500}},
      {"left edge, 10", 0, 5, 500, Key::Left, kShift, {0, 500}},
      {"top edge", 0, 500, 0, Key::Up, kNone, {500, 0}},
      {"top edge, 10", 0, 500, 5, Key::Up, kShift, {500, 0}},
      {"right edge", 0, 1594, 500, Key::Right, kNone, {1594, 500}},
      {"right edge, 10", 0, 1590, 500, Key::Right, kShift, {1594, 500}},
      {"task bar", 0, 500, 914, Key::Down, kNone, {500, 914}},
      {"task bar, 10", 0, 500, 910, Key::Down, kShift, {500, 914}},
      {"task bar, last pixel", 0, 500, 913, Key::Down, kNone, {500, 914}},
      {"negative origin, left", 1, -1024, 0, Key::Left, kNone, {-1024, 0}},
      {"negative origin, left, 10", 1, -1020, 0, Key::Left, kShift, {-1024, 0}},
      {"negative origin, top", 1, -700, -200, Key::Up, kNone, {-700, -200}},
      {"negative origin, top, 10", 1, -700, -195, Key::Up, kShift, {-700, -200}},
      // Its right edge meets the first monitor: the viewer stays on its own.
      {"negative origin, right", 1, -326, 0, Key::Right, kNone, {-326, 0}},
      {"negative origin, right, 10", 1, -330, 0, Key::Right, kShift, {-326, 0}},
      {"negative origin, task bar", 1, -700, 292, Key::Down, kNone, {-700, 292}},
      {"negative origin, task bar, 10", 1, -700, 290, Key::Down, kShift, {-700, 292}},
      {"top bar", 2, 2500, 30, Key::Up, kNone, {2500, 30}},
      {"top bar, 10", 2, 2500, 35, Key::Up, kShift, {2500, 30}},
      {"left bar", 2, 1980, 500, Key::Left, kNone, {1980, 500}},
      {"left bar, 10", 2, 1985, 500, Key::Left, kShift, {1980, 500}},
      // The right edge does not pass the work area's either when it widens.
      {"widening at the right edge", 0, 1594, 500, Key::Right, kCtrl, {1594, 500}},
  };
  for (const Case& c : cases) {
    SimViewer v(desk);
    v.form.Create();
    Place(v, c.monitor, c.left, c.top, 320, 0);
    ASSERT_EQ(v.desk.WindowBounds(), At(c.left, c.top, 326, 246)) << c.what;
    v.desk.PressKey(c.key, c.mods);
    EXPECT_EQ(v.desk.WindowBounds(), At(c.expected.x, c.expected.y, 326, 246))
        << c.what << ": got " << Text(v.desk.WindowBounds());
    EXPECT_EQ(v.state().MonitorIndex, c.monitor) << c.what;
    ExpectStripFollows(v, c.monitor, desk[c.monitor].bounds, c.what);
  }
}

TEST(KeyboardTest, WidthStaysBetween320AndTheMonitorsLargest) {
  const std::vector<SimMonitor> desk = {MakeMonitor(0, 0, 1920, 1200, 40),
                                        MakeMonitor(1920, 0, 1024, 768)};
  struct Case {
    const char* what;
    int monitor, left, width, aspect;
    KeyModifiers mods;
    Key key;
    Rect expected;
  };
  const Case cases[] = {
      {"320 normal", 0, 100, 320, 0, kCtrl, Key::Left, At(100, 0, 326, 246)},
      {"325 normal, 10 narrower", 0, 100, 325, 0, kCtrlShift, Key::Left, At(100, 0, 326, 246)},
      {"320 wide", 0, 100, 320, 1, kCtrl, Key::Left, At(100, 0, 326, 186)},
      {"325 wide, 10 narrower", 0, 100, 325, 1, kCtrlShift, Key::Left, At(100, 0, 326, 186)},
      {"1440 normal", 0, 0, 1440, 0, kCtrl, Key::Right, At(0, 0, 1446, 1086)},
      {"1435 normal, 10 wider", 0, 0, 1435, 0, kCtrlShift, Key::Right, At(0, 0, 1446, 1086)},
      {"1440 wide", 0, 0, 1440, 1, kCtrl, Key::Right, At(0, 0, 1446, 816)},
      {"1431 wide, 10 wider", 0, 0, 1431, 1, kCtrlShift, Key::Right, At(0, 0, 1446, 816)},
      // 800 is the largest on 1024 x 768, however wide the work area.
      {"800 normal", 1, 1920, 800, 0, kCtrl, Key::Right, At(1920, 0, 806, 606)},
      {"795 normal, 10 wider", 1, 1920, 795, 0, kCtrlShift, Key::Right, At(1920, 0, 806, 606)},
      {"800 wide", 1, 1920, 800, 1, kCtrl, Key::Right, At(1920, 0, 806, 456)},
  };
  for (const Case& c : cases) {
    SimViewer v(desk);
    v.form.Create();
    Place(v, c.monitor, c.left, 0, c.width, c.aspect);
    v.desk.PressKey(c.key, c.mods);
    EXPECT_EQ(v.desk.WindowBounds(), c.expected) << c.what << ": got " << Text(v.desk.WindowBounds());
    ExpectStripFollows(v, c.monitor, desk[c.monitor].bounds, c.what);
  }
}

TEST(KeyboardTest, WideningIntoTheTaskBarDerivesTheWidthFromTheHeight) {
  struct Case {
    int width;
    KeyModifiers mods;
    Rect expected;
  };
  // At (100, 100) the bottom may go down to 1160, a window 1060 high, a
  // region 1054 high and so 1054 x 4 / 3 = 1405 wide.
  const Case cases[] = {
      {1400, kCtrlShift, At(100, 100, 1411, 1060)},  // 1410 would be 1057 high
      {1405, kCtrl, At(100, 100, 1412, 1060)},       // 1406 x 1054 still fits
      // 1407 would be 1055 high: as a drag of the right edge to that width,
      // the width is derived back from the height that fits.
      {1406, kCtrl, At(100, 100, 1411, 1060)},
  };
  for (const Case& c : cases) {
    SimViewer v = OnWideMonitor();
    Place(v, 0, 100, 100, c.width, 0);
    v.desk.PressKey(Key::Right, c.mods);
    EXPECT_EQ(v.desk.WindowBounds(), c.expected)
        << "from " << c.width << ": got " << Text(v.desk.WindowBounds());
    ExpectStripFollows(v, 0, Rect{0, 0, 1920, 1200}, "from " + std::to_string(c.width));
  }
}

TEST(KeyboardTest, HeldKeysStepOnceForEachRepeatWithOneRepaintEach) {
  SimViewer v = OnWideMonitor();
  Place(v, 0, 100, 100, 640, 0);
  struct Case {
    Key key;
    KeyModifiers mods;
    int repeats;
    Rect expected;
  };
  const Case cases[] = {
      {Key::Right, kNone, 5, At(105, 100, 646, 486)},
      {Key::Down, kShift, 3, At(105, 130, 646, 486)},
      {Key::Right, kCtrl, 4, At(105, 130, 650, 489)},  // region 644 x 483
      {Key::Left, kCtrlShift, 2, At(105, 130, 630, 474)},  // region 624 x 468
  };
  for (const Case& c : cases) {
    const int paints = v.desk.PaintCount();
    v.desk.ClearCallLog();
    v.desk.PressKey(c.key, c.mods, c.repeats);
    EXPECT_EQ(v.desk.WindowBounds(), c.expected) << Text(v.desk.WindowBounds());
    EXPECT_EQ(v.desk.PaintCount(), paints + c.repeats);
    std::vector<std::string> steps;
    for (const std::string& call : v.desk.CallLog()) {
      if (call.rfind("bounds ", 0) == 0) steps.push_back("bounds");
      if (call == "repaint") steps.push_back(call);
    }
    std::vector<std::string> expected;
    for (int i = 0; i < c.repeats; ++i) {
      expected.push_back("bounds");
      expected.push_back("repaint");
    }
    EXPECT_EQ(steps, expected);
  }
  EXPECT_EQ(v.desk.KeysPassedOn(), 0);
}

struct Snapshot {
  Rect window;
  std::vector<Color> canvas;
  int paints;
  size_t calls;
  int32_t left, top, width, mode;
  RegionRecord region;
  PresetRecord lastWindowed;

  explicit Snapshot(SimViewer& v)
      : window(v.desk.WindowBounds()),
        canvas(v.desk.Canvas()),
        paints(v.desk.PaintCount()),
        calls(v.desk.CallLog().size()),
        left(v.state().WindowLeft),
        top(v.state().WindowTop),
        width(v.state().RegionWidth),
        mode(v.state().DisplayMode),
        region(v.state().RegionRect),
        lastWindowed(v.state().LastWindowed) {}

  void ExpectSame(SimViewer& v, const std::string& what) const {
    EXPECT_EQ(v.desk.WindowBounds(), window) << what;
    EXPECT_TRUE(v.desk.Canvas() == canvas) << what;
    EXPECT_EQ(v.desk.PaintCount(), paints) << what;
    EXPECT_EQ(v.desk.CallLog().size(), calls) << what;
    EXPECT_EQ(v.state().WindowLeft, left) << what;
    EXPECT_EQ(v.state().WindowTop, top) << what;
    EXPECT_EQ(v.state().RegionWidth, width) << what;
    EXPECT_EQ(v.state().DisplayMode, mode) << what;
    EXPECT_EQ(v.state().RegionRect, region) << what;
    EXPECT_EQ(v.state().LastWindowed, lastWindowed) << what;
  }
};

struct Press {
  Key key;
  KeyModifiers mods;
};

const Press kMovingKeys[] = {
    {Key::Left, kNone},      {Key::Right, kNone},     {Key::Up, kNone},
    {Key::Down, kNone},      {Key::Left, kShift},     {Key::Right, kShift},
    {Key::Up, kShift},       {Key::Down, kShift},     {Key::Right, kCtrl},
    {Key::Left, kCtrl},      {Key::Right, kCtrlShift}, {Key::Left, kCtrlShift},
};

TEST(KeyboardTest, MovingAndSizingKeysDoNothingInFullScreen) {
  for (MenuItem mode : {MenuItem::N4, MenuItem::N5, MenuItem::N6}) {
    SimViewer v = OnWideMonitor();
    Place(v, 0, 100, 100, 640, 0);
    v.desk.ChooseMenu(Id(mode));
    ASSERT_GT(v.state().DisplayMode, 0);
    const Snapshot before(v);
    for (const Press& p : kMovingKeys) {
      v.desk.PressKey(p.key, p.mods, 3);
      before.ExpectSame(v, "mode " + std::to_string(v.state().DisplayMode) + " key " +
                               std::to_string(int(p.key)));
    }
    // Still the viewer's keys: none went on to the window system.
    EXPECT_EQ(v.desk.KeysPassedOn(), 0);
  }
}

TEST(KeyboardTest, MovingAndSizingKeysLeaveAMaximisedWindowAloneInANegativeMode) {
  // A hand-edited file remembers the mode -1: the window covers its monitor,
  // maximised, as the mouse leaves it.
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.desk.SetProfileFileText("C:\\Tools\\MirloViewer\\veltmirl.ini",
                            "[SaveParameter]\r\nCurrent=1\r\nFull=-1\r\nWidth=640\r\n"
                            "X=200\r\nY=100\r\n");
  v.form.Create();
  ASSERT_EQ(v.state().DisplayMode, -1);
  ASSERT_EQ(v.desk.GetWindowState(), WindowState::Maximized);
  for (const Press& p : kMovingKeys) {
    v.desk.PressKey(p.key, p.mods, 2);
    EXPECT_EQ(v.desk.WindowBounds(), (Rect{0, 0, 1920, 1200})) << int(p.key);
    const stripread::Strip s = OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200});
    EXPECT_EQ(s.x0, 0) << int(p.key);
    EXPECT_EQ(s.y0, 0) << int(p.key);
    EXPECT_EQ(s.x1, 1919) << int(p.key);
    EXPECT_EQ(s.y1, 1199) << int(p.key);
  }
  EXPECT_EQ(v.desk.KeysPassedOn(), 0);
}

TEST(KeyboardTest, HelpAndMenuKeysWorkInEveryModeAndChangeNothing) {
  for (MenuItem mode : {MenuItem::None, MenuItem::N4, MenuItem::N5, MenuItem::N6}) {
    SimViewer v = OnWideMonitor();
    Place(v, 0, 100, 100, 640, 0);
    if (mode != MenuItem::None) v.desk.ChooseMenu(Id(mode));
    const Rect w = v.desk.WindowBounds();
    const Snapshot before(v);
    const std::string what = "mode " + std::to_string(v.state().DisplayMode);

    v.desk.PressKey(Key::F1);
    EXPECT_EQ(v.desk.HelpRequests(),
              std::vector<std::string>{"C:\\Tools\\MirloViewer\\MirloViewerHelp.chm"})
        << what;
    // Shift+F10 and the menu key open the popup menu at the viewer's corner:
    // the window system turns them into a request for it.
    v.desk.PressKey(Key::F10, kShift);
    v.desk.PressKey(Key::Apps);
    EXPECT_EQ(v.desk.PopupMenus(), (std::vector<Point>{{w.left, w.top}, {w.left, w.top}})) << what;
    EXPECT_EQ(v.desk.KeysPassedOn(), 2) << what;  // F10 and the menu key themselves
    const size_t popupCalls = 2;
    EXPECT_EQ(v.desk.CallLog().size(), before.calls + popupCalls) << what;
    v.desk.ClearCallLog();
    Snapshot after = before;
    after.calls = 0;
    after.ExpectSame(v, what);
  }
}

TEST(KeyboardTest, F1OpensTheSameHelpAsTheMenuItem) {
  SimViewer v = OnWideMonitor();
  v.desk.SetModuleFileName("D:\\Velta Tools\\MirloViewer.exe");
  v.desk.ChooseMenu(Id(MenuItem::HtmlHelp));
  v.desk.PressKey(Key::F1);
  v.desk.PressKey(Key::F1, kNone, 2);  // each press asks again, as the item does
  ASSERT_EQ(v.desk.HelpRequests().size(), 4u);
  EXPECT_EQ(v.desk.HelpRequests()[0], "D:\\Velta Tools\\MirloViewerHelp.chm");
  for (const std::string& request : v.desk.HelpRequests()) {
    EXPECT_EQ(request, v.desk.HelpRequests()[0]);
  }
}

TEST(KeyboardTest, HeldMenuKeyOpensTheMenuOnce) {
  SimViewer v = OnWideMonitor();
  Place(v, 0, 300, 200, 320, 0);
  v.desk.PressKey(Key::Apps, kNone, 4);
  EXPECT_EQ(v.desk.PopupMenus(), (std::vector<Point>{Point{300, 200}}));
}

TEST(KeyboardTest, OtherKeysAreLeftToTheSystemAndDoNothing) {
  const Press others[] = {
      {Key::Other, kNone}, {Key::Other, kCtrl},   {Key::Up, kCtrl},    {Key::Down, kCtrlShift},
      {Key::Left, kAlt},   {Key::Right, KeyModifiers{false, true, true}},
      {Key::F1, kShift},   {Key::F1, kCtrl},      {Key::F1, kAlt},     {Key::F10, kNone},
      {Key::F10, KeyModifiers{true, false, true}},
  };
  SimViewer v = OnWideMonitor();
  Place(v, 0, 100, 100, 640, 0);
  const Snapshot before(v);
  int n = 0;
  for (const Press& p : others) {
    v.desk.PressKey(p.key, p.mods);
    ++n;
    const std::string what = "key " + std::to_string(int(p.key)) + " shift " +
                             std::to_string(p.mods.shift) + " ctrl " +
                             std::to_string(p.mods.ctrl) + " alt " + std::to_string(p.mods.alt);
    EXPECT_EQ(v.desk.KeysPassedOn(), n) << what;
    before.ExpectSame(v, what);
  }
  EXPECT_TRUE(v.desk.HelpRequests().empty());
  EXPECT_TRUE(v.desk.PopupMenus().empty());
}

TEST(KeyboardTest, KeysDoNothingWhileTheMouseDragsTheViewer) {
  SimViewer v = OnWideMonitor();
  Place(v, 0, 100, 100, 640, 0);
  v.desk.MoveMouseTo(Point{400, 400});
  v.desk.Press(MouseButton::Left, 300, 300);
  ASSERT_TRUE(v.state().DragArmed);
  const Snapshot before(v);
  for (const Press& p : kMovingKeys) v.desk.PressKey(p.key, p.mods);
  v.desk.PressKey(Key::F1);
  v.desk.PressKey(Key::F10, kShift);
  v.desk.PressKey(Key::Apps);
  before.ExpectSame(v, "during a drag");
  EXPECT_TRUE(v.desk.HelpRequests().empty());
  EXPECT_TRUE(v.desk.PopupMenus().empty());
  EXPECT_EQ(v.desk.KeysPassedOn(), 2);  // F10 and the menu key themselves
  // The drag goes on where the pointer is, and keys work again after it.
  v.desk.MoveMouseTo(Point{410, 400});
  EXPECT_EQ(v.desk.WindowBounds(), At(110, 100, 646, 486));
  v.desk.Release(MouseButton::Left);
  v.desk.PressKey(Key::Right);
  EXPECT_EQ(v.desk.WindowBounds(), At(111, 100, 646, 486));
}

}  // namespace
}  // namespace mirlo
