// The window-system input rules as the simulated desktop applies them, with
// the numbers the real program shows under Wine for the same steps.

#include <gtest/gtest.h>

#include "sim_viewer.h"

namespace mirlo {
namespace {

TEST(InputRulesTest, DoubleClickBackFromFullScreenThenHeldDragsAtOnce) {
  // One 1920 x 1200 monitor whose work area is the whole monitor, a fresh
  // start: 320 x 240 in a 326 x 246 window at (797, 477).
  SimViewer v({MakeMonitor(0, 0, 1920, 1200)});
  v.form.Create();
  ASSERT_EQ(v.desk.WindowBounds(), (Rect{797, 477, 1123, 723}));
  // A double-click in the viewer: full screen 4:3.
  v.desk.MoveMouseTo(Point{960, 600});
  v.desk.PressAtPointer(MouseButton::Left);
  v.desk.ReleaseAtPointer(MouseButton::Left);
  v.desk.DoubleClickLeft(960 - 797, 600 - 477);
  v.desk.ReleaseAtPointer(MouseButton::Left);
  ASSERT_EQ(v.desk.WindowBounds(), (Rect{0, 0, 1920, 1200}));
  // A double-click at (1000, 600) brings the window back; the press it also
  // is, still held, falls in the window's bottom-right corner bands.
  v.desk.MoveMouseTo(Point{1000, 600});
  v.desk.PressAtPointer(MouseButton::Left);
  v.desk.ReleaseAtPointer(MouseButton::Left);
  v.desk.DoubleClickLeft(1000, 600);
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{797, 477, 1123, 723}));
  v.desk.MoveMouseTo(Point{1900, 700});
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{797, 477, 797 + 429, 477 + 323}));
  const stripread::Strip s = OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200});
  EXPECT_EQ(s.x0, 800);
  EXPECT_EQ(s.y0, 480);
  EXPECT_EQ(s.x1, 1222);
  EXPECT_EQ(s.y1, 796);
  v.desk.ReleaseAtPointer(MouseButton::Left);
  EXPECT_FALSE(v.desk.HasCapture());
}

TEST(InputRulesTest, OnlyALeftPressCapturesBeforeItIsReported) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.desk.Press(MouseButton::Right, 20, 20);
  EXPECT_FALSE(v.state().DragArmed);
  v.desk.Release(MouseButton::Right);
  v.desk.Press(MouseButton::Middle, 20, 20);
  EXPECT_FALSE(v.state().DragArmed);
  v.desk.Release(MouseButton::Middle);
  v.desk.Press(MouseButton::Left, 20, 20);
  EXPECT_TRUE(v.state().DragArmed);
  EXPECT_TRUE(v.desk.HasCapture());
}

TEST(InputRulesTest, TheMenuIsAskedForByTheRightReleaseAndFromTheKeyboard) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.desk.MoveMouseTo(Point{900, 500});
  v.desk.PressAtPointer(MouseButton::Right);
  v.desk.ReleaseAtPointer(MouseButton::Right);
  v.desk.PressKey(Key::F10, KeyModifiers{true, false, false});
  v.desk.PressKey(Key::Apps);
  // At the pointer for the mouse, at the viewer's corner for the keys.
  EXPECT_EQ(v.desk.PopupMenus(), (std::vector<Point>{{900, 500}, {797, 457}, {797, 457}}));
}

}  // namespace
}  // namespace mirlo
