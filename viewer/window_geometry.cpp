#include "viewer/window_geometry.h"

namespace mirlo {

int32_t RegionHeightFor(int32_t width, int32_t aspect) {
  return aspect == 0 ? width * 3 / 4 : width * 9 / 16;
}

int32_t MaxRegionWidthFor(int32_t W, int32_t H) {
  if (W >= 1600 && H >= 1200) return 1440;
  if (W >= 1680 && H >= 1050) return 1280;
  if (W >= 1440 && H >= 900) return 1024;
  if (W >= 1280 && H >= 1024) return 1024;
  if (W >= 1024 && H == 768) return 800;  // exactly 768 rows, not at least
  if (W >= 800 && H >= 600) return 640;
  return kMinRegionWidth;
}

Point CentreOn(const Rect& work, int32_t winW, int32_t winH) {
  return Point{(work.right - work.left - winW) / 2 + work.left,
               (work.bottom - work.top - winH) / 2 + work.top};
}

WindowedPlacement PlaceWindowed(int64_t left, int64_t top, int32_t regionWidth, int32_t aspect,
                                int32_t maxWidth, const Rect& work, int32_t frameWidth) {
  const int32_t frame2 = 2 * frameWidth;
  // A width from a hand-edited settings file is limited like any other: a
  // narrow one is raised to the smallest, a too wide one falls back to the
  // smallest, centred.
  const bool tooWide = regionWidth > maxWidth;
  const int32_t width = regionWidth < kMinRegionWidth || tooWide ? kMinRegionWidth : regionWidth;
  const int32_t winW = width + frame2;
  const int32_t winH = RegionHeightFor(width, aspect) + frame2;
  if (tooWide) {
    const Point c = CentreOn(work, winW, winH);
    left = c.x;
    top = c.y;
  }
  // In 64 bits: a stored position may lie anywhere in the 32-bit range.
  if (top < work.top) top = work.top;
  if (left < work.left) left = work.left;
  if (top + winH > work.bottom) top = work.bottom - winH;
  if (left + winW > work.right) left = work.right - winW;
  return WindowedPlacement{static_cast<int32_t>(left), static_cast<int32_t>(top), width, winW, winH};
}

}  // namespace mirlo
