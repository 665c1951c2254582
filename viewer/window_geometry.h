#pragma once
// Integer geometry of the windowed viewer. Every division truncates toward zero.

#include <cstdint>

#include "platform/desktop_types.h"

namespace mirlo {

constexpr int32_t kMinRegionWidth = 320;

// Height of a region of the given width: 4:3 for aspect 0, 16:9 otherwise.
int32_t RegionHeightFor(int32_t width, int32_t aspect);

// The widest region the device takes on a monitor of W x H pixels.
int32_t MaxRegionWidthFor(int32_t W, int32_t H);

// Top-left corner that centres a winW x winH window on the work area.
Point CentreOn(const Rect& work, int32_t winW, int32_t winH);

struct WindowedPlacement {
  int32_t left, top;
  int32_t regionWidth;
  int32_t winW, winH;
};

// Lays out the windowed viewer: a width below 320 is raised to 320, one
// above maxWidth falls back to 320, centred; then the window is kept inside
// the work area (top and left first, so a window larger than the work area
// ends flush with its bottom and right edges). The position may be any
// stored value; the result always lies at the work area.
WindowedPlacement PlaceWindowed(int64_t left, int64_t top, int32_t regionWidth, int32_t aspect,
                                int32_t maxWidth, const Rect& work, int32_t frameWidth);

}  // namespace mirlo
