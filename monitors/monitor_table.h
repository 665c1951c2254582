#pragma once
// The desktop's monitors and the rule deciding which of them the device can use.

#include "platform/desktop.h"

namespace mirlo {

int MonitorCount(Desktop& desk);
// All-zero rectangles for an index outside the table.
Rect MonitorBounds(Desktop& desk, int index);
Rect MonitorWorkArea(Desktop& desk, int index);

// True exactly for the ten resolutions the device can read.
bool IsUsableSize(int32_t width, int32_t height);
bool IsUsableMonitor(Desktop& desk, int index);
int CountUsableMonitors(Desktop& desk);
// The first usable monitor after `start` in cyclic order; `start` itself when
// no other is usable. Always ends, also for a stale index.
int NextUsableMonitor(Desktop& desk, int start);

// The monitor that holds most of the rectangle, or -1 when it lies on none.
int MonitorOfRect(Desktop& desk, const Rect& r);
// The monitor whose bounds contain the point, or -1.
int MonitorOfPoint(Desktop& desk, Point p);

}  // namespace mirlo
