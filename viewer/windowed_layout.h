#pragma once
// Where the windowed viewer goes on the desk: the layout of UpdateBounds for
// a stored position, and a region asked for in the device's own numbers.

#include <cstdint>

#include "monitors/monitor_table.h"
#include "viewer/viewer_state.h"
#include "viewer/window_geometry.h"

namespace mirlo {

struct WindowedLayout {
  int32_t monitor;  // the monitor it ends on
  WindowedPlacement placement;
};

// A windowed viewer stored at (left, top) on `monitor`: moved to the next
// usable monitor, keeping its offset from the corner, when that one is not
// usable, then laid out by PlaceWindowed on its work area.
WindowedLayout LayOutWindowed(const MonitorTable& monitors, int32_t monitor, int64_t left,
                              int64_t top, int32_t regionWidth, int32_t aspect,
                              int32_t frameWidth);

// A region asked for by its top-left pixel relative to a monitor's bounds
// (x0, y0, as the strip carries them) and its width; the height follows the
// aspect. Typed values may be anything.
struct TypedRegion {
  int32_t monitor = 0;
  int64_t x0 = 0, y0 = 0, width = 0;
  int32_t aspect = 0;
};

struct PlacedRegion {
  RegionRecord region;  // the numbers the strip will carry
  Rect window;          // the viewer's window, desktop pixels
  bool limited;         // the region is not the one asked for
};

// Limited by the rules every command follows: the width to 320 .. the
// monitor's largest, then the window inside the monitor's work area.
PlacedRegion PlaceTypedRegion(const MonitorTable& monitors, const TypedRegion& asked,
                              int32_t frameWidth);

}  // namespace mirlo
