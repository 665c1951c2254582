// The simulated desktop routes the mouse as the window system does.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"

namespace mirlo {
namespace {

// Records what reaches the window.
struct Recorder : WindowEvents {
  std::vector<std::string> events;
  void OnPaint() override {}
  void OnMouseDown(MouseButton, int x, int y) override {
    events.push_back("down " + std::to_string(x) + " " + std::to_string(y));
  }
  void OnMouseMove(int x, int y, KeyModifiers) override {
    events.push_back("move " + std::to_string(x) + " " + std::to_string(y));
  }
  void OnMouseUp(MouseButton, int, int) override { events.push_back("up"); }
  void OnDoubleClick() override { events.push_back("dblclk"); }
  void OnCaptureLost() override { events.push_back("capture lost"); }
  void OnContextMenu(std::optional<Point> at) override {
    events.push_back(at ? "menu " + std::to_string(at->x) + " " + std::to_string(at->y) : "menu");
  }
  void OnMenuCommand(int) override {}
  void OnSettingChange(unsigned) override {}
  void OnDisplayChange() override {}
  bool OnKeyDown(Key, KeyModifiers) override { return false; }
  void OnKeyUp(Key, KeyModifiers) override {}
  void OnFocusLost() override {}
};

// 800 x 600 at the origin and 1024 x 768 to its right, 100 rows lower; a
// shown window 100 x 100 at (50, 50).
struct Desk {
  Desk() : desk({MakeMonitor(0, 0, 800, 600), MakeMonitor(800, 100, 1024, 768)}) {
    desk.CreateMainWindow(events);
    desk.SetWindowBounds(Rect{50, 50, 50 + 100, 50 + 100});
    desk.ShowWindow();
  }
  Recorder events;
  SimDesktop desk;
};

TEST(SimDesktopTest, ThePointerStaysOnTheMonitors) {
  const struct {
    Point to, at;
  } cases[] = {
      {{400, 300}, {400, 300}},      // on a monitor
      {{-50, 300}, {0, 300}},        // left of the desk
      {{900, 50}, {900, 100}},       // above the second monitor, nearer it than the first
      {{5000, 5000}, {1823, 867}},   // far beyond the second's corner
      {{-3000000, -3000000}, {0, 0}},
      {{799, 650}, {800, 650}},      // below the first, a pixel left of the second
  };
  for (const auto& c : cases) {
    Desk d;
    d.desk.MoveMouseTo(c.to);
    EXPECT_EQ(d.desk.CursorPos(), c.at) << c.to.x << "," << c.to.y;
  }
}

TEST(SimDesktopTest, MouseEventsReachTheWindowUnderThePointerOrHoldingTheCapture) {
  Desk d;
  EXPECT_FALSE(d.desk.MoveMouseTo(Point{300, 300}));  // beside the window, no capture
  EXPECT_FALSE(d.desk.PressAtPointer(MouseButton::Right));
  EXPECT_FALSE(d.desk.ReleaseAtPointer(MouseButton::Right));
  EXPECT_TRUE(d.events.events.empty());

  EXPECT_TRUE(d.desk.MoveMouseTo(Point{60, 70}));  // over the window
  EXPECT_TRUE(d.desk.PressAtPointer(MouseButton::Left));
  EXPECT_TRUE(d.desk.HasCapture());  // taken for a left press before it is reported
  EXPECT_TRUE(d.desk.MoveMouseTo(Point{700, 500}));  // captured: heard anywhere
  EXPECT_TRUE(d.desk.ReleaseAtPointer(MouseButton::Left));
  EXPECT_EQ(d.events.events, (std::vector<std::string>{"move 10 20", "down 10 20", "move 650 450", "up"}));
}

TEST(SimDesktopTest, GivingTheCaptureBackReportsItsLoss) {
  Desk d;
  d.desk.ReleaseCapture();  // nothing held, nothing reported
  EXPECT_TRUE(d.events.events.empty());
  d.desk.Press(MouseButton::Left, 10, 10);
  d.desk.ReleaseCapture();
  EXPECT_FALSE(d.desk.HasCapture());
  EXPECT_EQ(d.events.events, (std::vector<std::string>{"down 10 10", "capture lost"}));
}

TEST(SimDesktopTest, MonitorPictureShowsThePartOfTheWindowOnIt) {
  Desk d;
  d.desk.SetWindowBounds(Rect{790, 90, 790 + 20, 90 + 20});  // across both monitors
  d.desk.FillRect(Rect{0, 0, 20, 20}, 0xFF00FF);
  const std::vector<Color> first = d.desk.MonitorPicture(0);
  const std::vector<Color> second = d.desk.MonitorPicture(1);
  EXPECT_EQ(first[size_t(90) * 800 + 790], 0xFF00FFu);
  EXPECT_EQ(first[size_t(90) * 800 + 789], 0x3A6EA5u);
  EXPECT_EQ(second[size_t(0) * 1024 + 0], 0xFF00FFu);   // desktop (800, 100)
  EXPECT_EQ(second[size_t(9) * 1024 + 9], 0xFF00FFu);   // desktop (809, 109)
  EXPECT_EQ(second[size_t(10) * 1024 + 9], 0x3A6EA5u);  // just below the window
}

}  // namespace
}  // namespace mirlo
