#include "stripread/strip.h"

namespace stripread {

bool RegionIsExact(const Image& img, const Strip& s) {
  if (s.atX != s.x0 || s.atY != s.y0) return false;
  // The strip must fit inside the region's top row.
  if (s.x1 - s.x0 + 1 < kStripPixels || s.y1 < s.y0) return false;
  if (!img.contains(s.x1, s.y1)) return false;

  for (int y = s.y0; y <= s.y1; ++y) {
    // The strip's pixels were checked when it was read.
    const int from = (y == s.y0) ? s.x0 + kStripPixels : s.x0;
    for (int x = from; x <= s.x1; ++x) {
      if (img.at(x, y) != kMagenta) return false;
    }
  }
  auto magentaOutside = [&img](int x, int y) {
    return img.contains(x, y) && img.at(x, y) == kMagenta;
  };
  for (int x = s.x0 - 1; x <= s.x1 + 1; ++x) {
    if (magentaOutside(x, s.y0 - 1) || magentaOutside(x, s.y1 + 1)) return false;
  }
  for (int y = s.y0; y <= s.y1; ++y) {
    if (magentaOutside(s.x0 - 1, y) || magentaOutside(s.x1 + 1, y)) return false;
  }
  return true;
}

}  // namespace stripread
