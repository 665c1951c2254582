#pragma once
// The 3-pixel raised frame around the windowed region.

#include <array>

#include "platform/desktop_types.h"

namespace mirlo {

struct FrameLine {
  Color color;
  Point from;
  Point to;  // excluded
};

std::array<FrameLine, 12> FrameLines(int32_t cx, int32_t cy, int32_t w, int32_t h);

}  // namespace mirlo
