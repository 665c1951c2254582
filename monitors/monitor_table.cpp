#include "monitors/monitor_table.h"

#include <algorithm>

namespace mirlo {

namespace {

struct Size {
  int32_t width, height;
};

constexpr Size kUsableSizes[] = {
    {640, 480},   {800, 600},   {1024, 768},  {1280, 768},  {1360, 768},
    {1280, 1024}, {1600, 1200}, {1440, 900},  {1680, 1050}, {1920, 1200},
};

bool InTable(const MonitorTable& monitors, int index) {
  return index >= 0 && index < MonitorCount(monitors);
}

}  // namespace

int MonitorCount(const MonitorTable& monitors) { return static_cast<int>(monitors.size()); }

Rect MonitorBounds(const MonitorTable& monitors, int index) {
  return InTable(monitors, index) ? monitors[size_t(index)].bounds : Rect{};
}

Rect MonitorWorkArea(const MonitorTable& monitors, int index) {
  return InTable(monitors, index) ? monitors[size_t(index)].work : Rect{};
}

bool IsUsableSize(int32_t width, int32_t height) {
  for (const Size& s : kUsableSizes) {
    if (s.width == width && s.height == height) return true;
  }
  return false;
}

bool IsUsableMonitor(const MonitorTable& monitors, int index) {
  if (!InTable(monitors, index)) return false;
  const Rect& b = monitors[size_t(index)].bounds;
  return IsUsableSize(b.Width(), b.Height());
}

int CountUsableMonitors(const MonitorTable& monitors) {
  int count = 0;
  for (int i = 0; i < MonitorCount(monitors); ++i) {
    if (IsUsableMonitor(monitors, i)) ++count;
  }
  return count;
}

int NextUsableMonitor(const MonitorTable& monitors, int start) {
  const int count = MonitorCount(monitors);
  int i = start;
  // At most one visit per monitor, so a table without usable monitors ends.
  for (int visited = 0; visited < count; ++visited) {
    // A stale negative index starts the search at 0 as well.
    const int64_t next = int64_t(i) + 1;
    i = (next >= count || next < 0) ? 0 : int(next);
    if (IsUsableMonitor(monitors, i)) return i;
  }
  return start;
}

int MonitorOfRect(const MonitorTable& monitors, const Rect& r) {
  int best = -1;
  int64_t bestArea = 0;
  for (int i = 0; i < MonitorCount(monitors); ++i) {
    const Rect& b = monitors[size_t(i)].bounds;
    const int64_t w = int64_t(std::min(b.right, r.right)) - std::max(b.left, r.left);
    const int64_t h = int64_t(std::min(b.bottom, r.bottom)) - std::max(b.top, r.top);
    if (w > 0 && h > 0 && w * h > bestArea) {
      bestArea = w * h;
      best = i;
    }
  }
  return best;
}

int MonitorOfPoint(const MonitorTable& monitors, Point p) {
  for (int i = 0; i < MonitorCount(monitors); ++i) {
    const Rect& b = monitors[size_t(i)].bounds;
    if (p.x >= b.left && p.x < b.right && p.y >= b.top && p.y < b.bottom) return i;
  }
  return -1;
}

}  // namespace mirlo
