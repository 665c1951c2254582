#pragma once
// Where a mouse drag puts the windowed viewer: a press inside moves it, a
// press in the band along an edge resizes it with the proportion kept.

#include <cstdint>

#include "platform/desktop_types.h"

namespace mirlo {

constexpr int32_t kBandDepth = 20;

// Which rules a press applies; a press in a window at most 40 pixels wide
// or high can meet several bands, applied in this order.
struct DragZone {
  bool left = false, right = false, top = false, bottom = false;
  bool Moves() const { return !left && !right && !top && !bottom; }
};

DragZone ZoneOfPress(Point press, int32_t width, int32_t height);
CursorShape CursorOfZone(const DragZone& zone);

struct DragStep {
  Rect start;     // the window at the press
  Point press;    // relative to the window's top-left at the press
  Rect current;   // the window now
  Point pointer;  // screen position now
  Rect work;      // work area of the viewer's monitor
  int32_t aspect; // 0 normal, anything else wide
  int32_t largestRegionWidth;
  int32_t frameWidth;
};

// The window's new rectangle. It depends only on where the pointer is now.
Rect DragTo(const DragStep& step);

}  // namespace mirlo
