#include "viewer/drag_geometry.h"

#include "viewer/window_geometry.h"

namespace mirlo {

DragZone ZoneOfPress(Point press, int32_t W, int32_t H) {
  const int32_t x = press.x, y = press.y;
  const bool inner = kBandDepth < x && x < W - kBandDepth;
  DragZone z;
  z.left = x <= kBandDepth;
  z.right = x >= W - kBandDepth;
  z.top = y <= kBandDepth && inner;
  z.bottom = y >= H - kBandDepth && inner;
  return z;
}

CursorShape CursorOfZone(const DragZone& zone) {
  if (zone.left || zone.right) return CursorShape::SizeWE;
  if (zone.top || zone.bottom) return CursorShape::SizeNS;
  return CursorShape::HandPoint;
}

namespace {

struct Aspect {
  int32_t w, h;
};

Rect Move(const DragStep& s) {
  const Rect& work = s.work;
  const int32_t width = s.current.Width(), height = s.current.Height();
  int32_t left = s.pointer.x - s.press.x;
  int32_t top = s.pointer.y - s.press.y;
  if (left < work.left) left = work.left;
  if (top < work.top) top = work.top;
  if (left + width > work.right) left = work.right - width;
  if (top + height > work.bottom) top = work.bottom - height;
  return Rect{left, top, left + width, top + height};
}

// Width leads: the left or right edge follows the pointer, the top or bottom
// edge (by the half of the press) follows the width.
void ResizeByWidth(Rect& n, const DragStep& s, Aspect a, bool leftEdge) {
  const int32_t F2 = 2 * s.frameWidth;
  const int32_t minW = kMinRegionWidth + F2, maxW = s.largestRegionWidth + F2;
  const Rect& st = s.start;
  const Rect& work = s.work;
  if (leftEdge) {
    n.left = s.pointer.x - s.press.x;
    if (n.right - n.left < minW) n.left = st.right - minW;
    if (n.right - n.left > maxW) n.left = st.right - maxW;
    if (n.left < work.left) n.left = work.left;
  } else {
    n.right = s.pointer.x + (st.Width() - s.press.x);
    if (n.right - n.left < minW) n.right = st.left + minW;
    if (n.right - n.left > maxW) n.right = st.left + maxW;
    if (n.right > work.right) n.right = work.right;
  }
  const int32_t h = (n.right - n.left - F2) * a.h / a.w + F2;
  // When the height would leave the work area it is cut there and the width
  // derived back from it.
  auto widthForHeight = [&] { return (n.bottom - n.top - F2) * a.w / a.h + F2; };
  auto fitWidth = [&] {
    if (leftEdge) {
      n.left = n.right - widthForHeight();
    } else {
      n.right = n.left + widthForHeight();
    }
  };
  if (s.press.y < st.Height() / 2) {
    n.top = n.bottom - h;
    if (n.top < work.top) {
      n.top = work.top;
      fitWidth();
    }
  } else {
    n.bottom = n.top + h;
    if (n.bottom > work.bottom) {
      n.bottom = work.bottom;
      fitWidth();
    }
  }
}

// Height leads: the top or bottom edge follows the pointer, the left or right
// edge (by the half of the press) follows the height.
void ResizeByHeight(Rect& n, const DragStep& s, Aspect a, bool topEdge) {
  const int32_t F2 = 2 * s.frameWidth;
  const int32_t minH = kMinRegionWidth * a.h / a.w + F2;
  const int32_t maxH = s.largestRegionWidth * a.h / a.w + F2;
  const Rect& st = s.start;
  const Rect& work = s.work;
  if (topEdge) {
    n.top = s.pointer.y - s.press.y;
    if (n.bottom - n.top < minH) n.top = n.bottom - minH;
    if (n.bottom - n.top > maxH) n.top = n.bottom - maxH;
    if (n.top < work.top) n.top = work.top;
  } else {
    n.bottom = s.pointer.y + (st.Height() - s.press.y);
    if (n.bottom - n.top < minH) n.bottom = n.top + minH;
    if (n.bottom - n.top > maxH) n.bottom = n.top + maxH;
    if (n.bottom > work.bottom) n.bottom = work.bottom;
  }
  const int32_t w = (n.bottom - n.top - F2) * a.w / a.h + F2;
  auto heightForWidth = [&] { return (n.right - n.left - F2) * a.h / a.w + F2; };
  auto fitHeight = [&] {
    if (topEdge) {
      n.top = n.bottom - heightForWidth();
    } else {
      n.bottom = n.top + heightForWidth();
    }
  };
  if (s.press.x < st.Width() / 2) {
    n.left = n.right - w;
    if (n.left < work.left) {
      n.left = work.left;
      fitHeight();
    }
  } else {
    n.right = n.left + w;
    if (n.right > work.right) {
      n.right = work.right;
      fitHeight();
    }
  }
}

// On a work area smaller than the smallest window, or from a window larger
// than its work area, the rules above can cut an edge past the other: the
// window then keeps the smallest size and, like a laid-out window, stays
// inside the work area, flush with its bottom and right edges when larger.
// Elsewhere this changes nothing.
void KeepSmallestSizeInWorkArea(Rect& n, const DragStep& s, Aspect a) {
  const int32_t F2 = 2 * s.frameWidth;
  const int32_t minW = kMinRegionWidth + F2;
  const int32_t minH = kMinRegionWidth * a.h / a.w + F2;
  if (n.Width() < minW || n.Height() < minH) {
    n.right = n.left + minW;
    n.bottom = n.top + minH;
  }
  const int32_t width = n.Width(), height = n.Height();
  const Rect& work = s.work;
  if (n.top < work.top) n.top = work.top;
  if (n.left < work.left) n.left = work.left;
  if (n.top + height > work.bottom) n.top = work.bottom - height;
  if (n.left + width > work.right) n.left = work.right - width;
  n.right = n.left + width;
  n.bottom = n.top + height;
}

}  // namespace

Rect DragTo(const DragStep& s) {
  const DragZone zone = ZoneOfPress(s.press, s.start.Width(), s.start.Height());
  if (zone.Moves()) return Move(s);
  const Aspect a = s.aspect == 0 ? Aspect{4, 3} : Aspect{16, 9};
  Rect n = s.current;
  if (zone.left) ResizeByWidth(n, s, a, true);
  if (zone.right) ResizeByWidth(n, s, a, false);
  if (zone.top) ResizeByHeight(n, s, a, true);
  if (zone.bottom) ResizeByHeight(n, s, a, false);
  KeepSmallestSizeInWorkArea(n, s, a);
  return n;
}

}  // namespace mirlo
