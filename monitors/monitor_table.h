#pragma once
// The desktop's monitors and the rule deciding which of them the device can use.

#include <vector>

#include "platform/desktop_types.h"

namespace mirlo {

// The monitors in the window system's enumeration order, as read at one
// moment: a value that the geometry is given, never asked for afresh.
using MonitorTable = std::vector<MonitorInfo>;

int MonitorCount(const MonitorTable& monitors);
// All-zero rectangles for an index outside the table.
Rect MonitorBounds(const MonitorTable& monitors, int index);
Rect MonitorWorkArea(const MonitorTable& monitors, int index);

// True exactly for the ten resolutions the device can read.
bool IsUsableSize(int32_t width, int32_t height);
bool IsUsableMonitor(const MonitorTable& monitors, int index);
int CountUsableMonitors(const MonitorTable& monitors);
// The first usable monitor after `start` in cyclic order; `start` itself when
// no other is usable. Always ends, also for a stale index.
int NextUsableMonitor(const MonitorTable& monitors, int start);

// The monitor that holds most of the rectangle, or -1 when it lies on none.
int MonitorOfRect(const MonitorTable& monitors, const Rect& r);
// The monitor whose bounds contain the point, or -1.
int MonitorOfPoint(const MonitorTable& monitors, Point p);

}  // namespace mirlo
