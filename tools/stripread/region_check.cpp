#include "stripread/strip.h"

namespace stripread {

RegionCheck CheckRegion(const Image& img, const Strip& s) {
  RegionCheck r;
  auto at = [&r](RegionFault f, int x, int y) {
    r.fault = f;
    r.x = x;
    r.y = y;
    return r;
  };
  if (s.atX != s.x0 || s.atY != s.y0) return at(RegionFault::Misplaced, 0, 0);
  // The strip must fit inside the region's top row.
  if (s.x1 - s.x0 + 1 < kStripPixels || s.y1 < s.y0) return at(RegionFault::TooSmall, 0, 0);
  if (!img.contains(s.x1, s.y1)) return at(RegionFault::OffImage, 0, 0);

  for (int y = s.y0; y <= s.y1; ++y) {
    // The strip's pixels were checked when it was read.
    const int from = (y == s.y0) ? s.x0 + kStripPixels : s.x0;
    for (int x = from; x <= s.x1; ++x) {
      if (img.at(x, y) != kMagenta) return at(RegionFault::NotMagenta, x, y);
    }
  }
  auto magentaOutside = [&img](int x, int y) {
    return img.contains(x, y) && img.at(x, y) == kMagenta;
  };
  for (int x = s.x0 - 1; x <= s.x1 + 1; ++x) {
    if (magentaOutside(x, s.y0 - 1)) return at(RegionFault::MagentaOutside, x, s.y0 - 1);
    if (magentaOutside(x, s.y1 + 1)) return at(RegionFault::MagentaOutside, x, s.y1 + 1);
  }
  for (int y = s.y0; y <= s.y1; ++y) {
    if (magentaOutside(s.x0 - 1, y)) return at(RegionFault::MagentaOutside, s.x0 - 1, y);
    if (magentaOutside(s.x1 + 1, y)) return at(RegionFault::MagentaOutside, s.x1 + 1, y);
  }
  return r;
}

bool RegionIsExact(const Image& img, const Strip& s) {
  return CheckRegion(img, s).fault == RegionFault::None;
}

}  // namespace stripread
