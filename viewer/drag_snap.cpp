#include "viewer/drag_snap.h"

#include "app/popup_menu.h"

namespace mirlo {

namespace {

// The nearest target within reach; of two as near, the one offered first.
// 64 bits: the pointer may stand anywhere on the desk.
struct Nearest {
  int64_t shift = 0;
  int64_t distance = kSnapDistance + 1;
  void Offer(int64_t gap, int64_t shiftForIt) {
    const int64_t d = gap < 0 ? -gap : gap;
    if (d < distance) {
      distance = d;
      shift = shiftForIt;
    }
  }
  void Offer(int64_t gap) { Offer(gap, gap); }
};

int64_t CentreLine(int32_t low, int32_t high) { return low + (int64_t(high) - low) / 2; }

// The centre of the region of a window `size` long from `near`: x0 + w / 2.
int64_t RegionCentre(int64_t near, int64_t size, int32_t frame) {
  return near + frame + (size - 2 * frame) / 2;
}

Point Shifted(Point p, int64_t dx, int64_t dy) {
  return Point{int32_t(p.x + dx), int32_t(p.y + dy)};
}

Point SnapMove(const DragStep& s) {
  const int64_t W = s.current.Width(), H = s.current.Height();
  const int64_t left = int64_t(s.pointer.x) - s.press.x, top = int64_t(s.pointer.y) - s.press.y;
  const Rect& work = s.work;
  Nearest x, y;
  x.Offer(work.left - left);
  x.Offer(work.right - (left + W));
  x.Offer(CentreLine(work.left, work.right) - RegionCentre(left, W, s.frameWidth));
  y.Offer(work.top - top);
  y.Offer(work.bottom - (top + H));
  y.Offer(CentreLine(work.top, work.bottom) - RegionCentre(top, H, s.frameWidth));
  return Shifted(s.pointer, x.shift, y.shift);
}

// The region width the pointer asks for, led by the left or right edge, and
// the pointer shift that widens the region by one pixel.
Point SnapWidth(const DragStep& s, bool leftEdge) {
  const int64_t F2 = 2 * s.frameWidth;
  const int64_t width = leftEdge ? s.current.right - (int64_t(s.pointer.x) - s.press.x)
                                 : int64_t(s.pointer.x) + (s.start.Width() - s.press.x) -
                                       s.current.left;
  const int64_t region = width - F2;
  Nearest n;
  for (const WidthItem& i : WidthItems()) {
    if (i.width <= s.largestRegionWidth) n.Offer(i.width - region);
  }
  return Shifted(s.pointer, leftEdge ? -n.shift : n.shift, 0);
}

// Led by the top or bottom edge: the width the asked-for height implies is
// compared, and the pointer goes to the height of the menu width it snaps to.
Point SnapHeight(const DragStep& s, bool topEdge) {
  const int64_t aw = s.aspect == 0 ? 4 : 16, ah = s.aspect == 0 ? 3 : 9;
  const int64_t F2 = 2 * s.frameWidth;
  const int64_t height = topEdge ? s.current.bottom - (int64_t(s.pointer.y) - s.press.y)
                                 : int64_t(s.pointer.y) + (s.start.Height() - s.press.y) -
                                       s.current.top;
  const int64_t region = height - F2;
  const int64_t implied = region * aw / ah;
  Nearest n;
  for (const WidthItem& i : WidthItems()) {
    if (i.width <= s.largestRegionWidth) n.Offer(i.width - implied, i.width * ah / aw - region);
  }
  return Shifted(s.pointer, 0, topEdge ? -n.shift : n.shift);
}

}  // namespace

Point SnapPointer(const DragStep& s) {
  const DragZone z = ZoneOfPress(s.press, s.start.Width(), s.start.Height());
  if (z.Moves()) return SnapMove(s);
  // A press in several bands (a window at most 40 pixels across, from an
  // edited settings file) does not snap.
  if (int(z.left) + int(z.right) + int(z.top) + int(z.bottom) != 1) return s.pointer;
  if (z.left || z.right) return SnapWidth(s, z.left);
  return SnapHeight(s, z.top);
}

Rect SnappedDragTo(const DragStep& s) {
  DragStep snapped = s;
  snapped.pointer = SnapPointer(s);
  return DragTo(snapped);
}

}  // namespace mirlo
