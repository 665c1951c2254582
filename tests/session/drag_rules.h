#pragma once
// The window an armed drag gives for one pointer position, worked out from
// the drag rules on their own: the zone from the press, the leading edge
// limited to the smallest and largest size and the work area, the other
// dimension following, cut at the work area and led back.

#include <cstdint>

#include "platform/desktop_types.h"

namespace mirlo::session {

enum class Zone { Move, Left, Right, Top, Bottom };

struct DragInput {
  Rect start;       // the window at the press
  Point press;      // the press, relative to the window at the press
  Rect current;     // the window now
  Point pointer;    // screen position
  Rect work;        // work area of the viewer's monitor
  int32_t aspect;   // 0 normal, anything else wide
  int32_t largest;  // widest region the monitor allows
};

Rect ExpectedDrag(const DragInput& in);

// The same with Ctrl held: the pointer goes first to the nearest target
// within 8 pixels. A move: the window's left or right edge on the work
// area's, the region's middle column (x0 + w / 2) on the work area's; the
// same across. A band: the region's width, or the width a height implies,
// on a menu width the monitor allows. A tie goes to an edge; a press in
// several bands does not snap.
Rect ExpectedSnappedDrag(const DragInput& in);

// The zone of a press; a press meeting several band conditions (a window at
// most 40 pixels across) reports the first, left, right, top, bottom.
Zone ZoneOf(Point press, int32_t width, int32_t height);

// The widest region the device takes on a monitor of w x h.
int32_t LargestWidth(int32_t w, int32_t h);

}  // namespace mirlo::session
