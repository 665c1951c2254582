#pragma once
// Where the drawing region lies in each display mode.

#include <cstdint>

#include "platform/desktop_types.h"

namespace mirlo {

struct RegionLayout {
  int32_t cx = 0, cy = 0;  // region's top-left in window coordinates
  int32_t x0 = 0, y0 = 0;  // the same relative to the monitor's bounds
  int32_t w = 0, h = 0;
  bool framed = false;  // windowed: the raised frame around the region
  bool operator==(const RegionLayout& o) const {
    return cx == o.cx && cy == o.cy && x0 == o.x0 && y0 == o.y0 && w == o.w && h == o.h &&
           framed == o.framed;
  }
};

// `window` is the window's desktop rectangle, `bounds` its monitor's.
RegionLayout LayoutRegion(int32_t displayMode, const Rect& window, const Rect& bounds,
                          int32_t frameWidth);

}  // namespace mirlo
