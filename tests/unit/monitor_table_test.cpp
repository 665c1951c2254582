#include "monitors/monitor_table.h"

#include <gtest/gtest.h>

namespace mirlo {
namespace {

// Monitors side by side, left to right, each w x h with a task bar of 30.
MonitorTable Desk(std::vector<std::pair<int, int>> sizes) {
  MonitorTable monitors;
  int left = 0;
  for (auto [w, h] : sizes) {
    monitors.push_back(MonitorInfo{Rect{left, 0, left + w, h}, Rect{left, 0, left + w, h - 30}});
    left += w;
  }
  return monitors;
}

TEST(MonitorTableTest, UsableExactlyAtTheTenResolutions) {
  const std::pair<int, int> usable[] = {{640, 480},   {800, 600},   {1024, 768}, {1280, 768},
                                        {1360, 768},  {1280, 1024}, {1600, 1200}, {1440, 900},
                                        {1680, 1050}, {1920, 1200}};
  for (auto [w, h] : usable) EXPECT_TRUE(IsUsableSize(w, h)) << w << "x" << h;
  const std::pair<int, int> unusable[] = {{1920, 1080}, {1366, 768}, {1280, 800}, {1280, 720},
                                          {1152, 864},  {768, 1024}, {2560, 1440}, {0, 0},
                                          {1024, 767},  {1921, 1200}};
  for (auto [w, h] : unusable) EXPECT_FALSE(IsUsableSize(w, h)) << w << "x" << h;
}

TEST(MonitorTableTest, UsabilityFollowsTheBoundsNotTheWorkArea) {
  const MonitorTable desk = Desk({{1024, 768}});  // work area 1024 x 738
  EXPECT_TRUE(IsUsableMonitor(desk, 0));
}

TEST(MonitorTableTest, IndicesOutsideTheTableGiveZeroRectanglesAndAreUnusable) {
  const MonitorTable desk = Desk({{1024, 768}, {1920, 1200}});
  for (int i : {-1, 2, 99}) {
    EXPECT_EQ(MonitorBounds(desk, i), Rect{}) << i;
    EXPECT_EQ(MonitorWorkArea(desk, i), Rect{}) << i;
    EXPECT_FALSE(IsUsableMonitor(desk, i)) << i;
  }
  EXPECT_EQ(MonitorBounds(desk, 1), (Rect{1024, 0, 2944, 1200}));
  EXPECT_EQ(MonitorWorkArea(desk, 1), (Rect{1024, 0, 2944, 1170}));
  EXPECT_EQ(MonitorCount(desk), 2);
}

TEST(MonitorTableTest, NextUsableMonitorSearchesCyclically) {
  struct Case {
    std::vector<std::pair<int, int>> sizes;
    int start;
    int expected;
  };
  const std::pair<int, int> ok{1024, 768}, bad{1920, 1080};
  const Case cases[] = {
      {{ok, bad, ok}, 0, 2},  {{ok, bad, ok}, 2, 0},  {{ok, bad, ok}, 1, 2},
      {{ok, bad}, 0, 0},      {{bad, bad}, 1, 1},      {{bad, bad}, 5, 5},
      {{bad, bad}, -3, -3},   {{bad, ok}, 5, 1},       {{ok, bad}, -7, 0},
      {{bad, ok, ok}, 2, 1},  {{ok}, 0, 0},            {{}, 0, 0},
      {{bad, ok}, 2147483647, 1},
  };
  for (const Case& c : cases) {
    const MonitorTable desk = Desk(c.sizes);
    EXPECT_EQ(NextUsableMonitor(desk, c.start), c.expected)
        << "start " << c.start << " on " << c.sizes.size() << " monitors";
  }
}

TEST(MonitorTableTest, CountsUsableMonitors) {
  const MonitorTable mixed = Desk({{1920, 1080}, {1280, 1024}, {1366, 768}, {640, 480}});
  EXPECT_EQ(CountUsableMonitors(mixed), 2);
  const MonitorTable none = Desk({{1920, 1080}});
  EXPECT_EQ(CountUsableMonitors(none), 0);
}

}  // namespace
}  // namespace mirlo
