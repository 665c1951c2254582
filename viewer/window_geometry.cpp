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

WindowedPlacement PlaceWindowed(int32_t left, int32_t top, int32_t regionWidth, int32_t aspect,
                                int32_t maxWidth, const Rect& work, int32_t frameWidth) {
  const int32_t frame2 = 2 * frameWidth;
  WindowedPlacement p{left, top, regionWidth, regionWidth + frame2,
                      RegionHeightFor(regionWidth, aspect) + frame2};
  if (maxWidth < regionWidth) {
    p.regionWidth = kMinRegionWidth;
    p.winW = kMinRegionWidth + frame2;
    p.winH = RegionHeightFor(kMinRegionWidth, aspect) + frame2;
    const Point c = CentreOn(work, p.winW, p.winH);
    p.left = c.x;
    p.top = c.y;
  }
  if (p.top < work.top) p.top = work.top;
  if (p.left < work.left) p.left = work.left;
  if (p.top + p.winH > work.bottom) p.top = work.bottom - p.winH;
  if (p.left + p.winW > work.right) p.left = work.right - p.winW;
  return p;
}

}  // namespace mirlo
