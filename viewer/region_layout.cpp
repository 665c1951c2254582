#include "viewer/region_layout.h"

#include "viewer/viewer_state.h"

namespace mirlo {

namespace {

// The largest num:den rectangle that fits the monitor, centred.
RegionLayout Letterbox(int32_t W, int32_t H, int32_t num, int32_t den) {
  RegionLayout r;
  const int32_t q = W * den / num;
  if (q <= H) {
    r.w = W;
    r.h = q;
    r.x0 = 0;
    r.y0 = (H - q) / 2;
  } else {
    r.w = H * num / den;
    r.h = H;
    r.x0 = (W - r.w) / 2;
    r.y0 = 0;
  }
  r.cx = r.x0;
  r.cy = r.y0;
  return r;
}

}  // namespace

RegionLayout LayoutRegion(int32_t displayMode, const Rect& window, const Rect& bounds,
                          int32_t frameWidth) {
  const int32_t W = bounds.Width();
  const int32_t H = bounds.Height();
  RegionLayout r;
  switch (displayMode) {
    case kWindowed:
      r.cx = r.cy = frameWidth;
      r.w = window.Width() - 2 * frameWidth;
      r.h = window.Height() - 2 * frameWidth;
      r.x0 = window.left + frameWidth - bounds.left;
      r.y0 = window.top + frameWidth - bounds.top;
      r.framed = true;
      return r;
    case kFullScreen:
      r.w = W;
      r.h = H;
      return r;
    case kFullScreenNormal:
      return Letterbox(W, H, 4, 3);
    case kFullScreenWide:
      return Letterbox(W, H, 16, 9);
    default:
      // A mode only a damaged settings file can hold: the whole window, no frame.
      r.w = window.Width();
      r.h = window.Height();
      r.x0 = window.left - bounds.left;
      r.y0 = window.top - bounds.top;
      return r;
  }
}

}  // namespace mirlo
