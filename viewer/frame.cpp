#include "viewer/frame.h"

#include "viewer/colors.h"

namespace mirlo {

std::array<FrameLine, 12> FrameLines(int32_t cx, int32_t cy, int32_t w, int32_t h) {
  // Each line covers its start pixel up to, not including, its end point;
  // the light rings stop short so that the pixel at the bottom-left corner
  // of the outer ring keeps the background.
  return {{
      {kRingInner, {cx - 1, cy - 1}, {cx + w + 1, cy - 1}},
      {kRingInner, {cx - 1, cy - 1}, {cx - 1, cy + h + 1}},
      {kRingInner, {cx + w, cy + h}, {cx - 1, cy + h}},
      {kRingInner, {cx + w, cy + h}, {cx + w, cy - 1}},
      {kRingMiddleLight, {cx - 2, cy - 2}, {cx + w + 1, cy - 2}},
      {kRingMiddleLight, {cx - 2, cy - 2}, {cx - 2, cy + h + 1}},
      {kRingOuterLight, {cx - 3, cy - 3}, {cx + w + 2, cy - 3}},
      {kRingOuterLight, {cx - 3, cy - 3}, {cx - 3, cy + h + 1}},
      {kRingMiddleShadow, {cx + w + 1, cy + h + 1}, {cx - 3, cy + h + 1}},
      {kRingMiddleShadow, {cx + w + 1, cy + h + 1}, {cx + w + 1, cy - 3}},
      {kRingOuterShadow, {cx + w + 2, cy + h + 2}, {cx - 4, cy + h + 2}},
      {kRingOuterShadow, {cx + w + 2, cy + h + 2}, {cx + w + 2, cy - 4}},
  }};
}

}  // namespace mirlo
