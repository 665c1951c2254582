#include "drag_rules.h"

namespace mirlo::session {

int32_t LargestWidth(int32_t w, int32_t h) {
  if (w >= 1600 && h >= 1200) return 1440;
  if (w >= 1680 && h >= 1050) return 1280;
  if (w >= 1440 && h >= 900) return 1024;
  if (w >= 1280 && h >= 1024) return 1024;
  if (w >= 1024 && h == 768) return 800;
  if (w >= 800 && h >= 600) return 640;
  return 320;
}

Zone ZoneOf(Point p, int32_t W, int32_t H) {
  if (p.x <= 20) return Zone::Left;
  if (p.x >= W - 20) return Zone::Right;
  if (p.y <= 20) return Zone::Top;
  if (p.y >= H - 20) return Zone::Bottom;
  return Zone::Move;
}

Rect ExpectedDrag(const DragInput& in) {
  // 64 bits throughout: the rules' arithmetic, without the program's types.
  const int64_t F2 = 6;
  const int64_t aw = in.aspect == 0 ? 4 : 16, ah = in.aspect == 0 ? 3 : 9;
  const int64_t sL = in.start.left, sT = in.start.top, sR = in.start.right, sB = in.start.bottom;
  const int64_t W = sR - sL, H = sB - sT, x = in.press.x, y = in.press.y;
  const int64_t px = in.pointer.x, py = in.pointer.y;
  const int64_t wL = in.work.left, wT = in.work.top, wR = in.work.right, wB = in.work.bottom;
  const int64_t largest = in.largest;
  const int64_t minH = 320 * ah / aw + F2, maxH = largest * ah / aw + F2;
  int64_t nL = in.current.left, nT = in.current.top, nR = in.current.right, nB = in.current.bottom;
  auto rect = [](int64_t l, int64_t t, int64_t r, int64_t b) {
    return Rect{int32_t(l), int32_t(t), int32_t(r), int32_t(b)};
  };

  const bool inMove = 20 < x && x < W - 20 && 20 < y && y < H - 20;
  if (inMove) {
    const int64_t cw = nR - nL, ch = nB - nT;
    int64_t left = px - x, top = py - y;
    if (left < wL) left = wL;
    if (top < wT) top = wT;
    if (left + cw > wR) left = wR - cw;
    if (top + ch > wB) top = wB - ch;
    return rect(left, top, left + cw, top + ch);
  }
  const bool upper = y < H / 2, leftHalf = x < W / 2;
  auto widthFor = [&](int64_t height) { return (height - F2) * aw / ah + F2; };
  auto heightFor = [&](int64_t width) { return (width - F2) * ah / aw + F2; };
  if (x <= 20) {
    nL = px - x;
    if (nR - nL < 326) nL = sR - 326;
    if (nR - nL > largest + F2) nL = sR - (largest + F2);
    if (nL < wL) nL = wL;
    const int64_t h = heightFor(nR - nL);
    if (upper) {
      nT = nB - h;
      if (nT < wT) { nT = wT; nL = nR - widthFor(nB - nT); }
    } else {
      nB = nT + h;
      if (nB > wB) { nB = wB; nL = nR - widthFor(nB - nT); }
    }
  }
  if (x >= W - 20) {
    nR = px + (W - x);
    if (nR - nL < 326) nR = sL + 326;
    if (nR - nL > largest + F2) nR = sL + largest + F2;
    if (nR > wR) nR = wR;
    const int64_t h = heightFor(nR - nL);
    if (upper) {
      nT = nB - h;
      if (nT < wT) { nT = wT; nR = nL + widthFor(nB - nT); }
    } else {
      nB = nT + h;
      if (nB > wB) { nB = wB; nR = nL + widthFor(nB - nT); }
    }
  }
  const bool between = 20 < x && x < W - 20;
  if (y <= 20 && between) {
    nT = py - y;
    if (nB - nT < minH) nT = nB - minH;
    if (nB - nT > maxH) nT = nB - maxH;
    if (nT < wT) nT = wT;
    const int64_t w = widthFor(nB - nT);
    if (leftHalf) {
      nL = nR - w;
      if (nL < wL) { nL = wL; nT = nB - heightFor(nR - nL); }
    } else {
      nR = nL + w;
      if (nR > wR) { nR = wR; nT = nB - heightFor(nR - nL); }
    }
  }
  if (y >= H - 20 && between) {
    nB = py + (H - y);
    if (nB - nT < minH) nB = nT + minH;
    if (nB - nT > maxH) nB = nT + maxH;
    if (nB > wB) nB = wB;
    const int64_t w = widthFor(nB - nT);
    if (leftHalf) {
      nL = nR - w;
      if (nL < wL) { nL = wL; nB = nT + heightFor(nR - nL); }
    } else {
      nR = nL + w;
      if (nR > wR) { nR = wR; nB = nT + heightFor(nR - nL); }
    }
  }
  // Never below the smallest window; inside the work area where it fits,
  // else flush with its bottom and right edges.
  if (nR - nL < 326 || nB - nT < minH) {
    nR = nL + 326;
    nB = nT + minH;
  }
  const int64_t w = nR - nL, h = nB - nT;
  if (nT < wT) nT = wT;
  if (nL < wL) nL = wL;
  if (nT + h > wB) nT = wB - h;
  if (nL + w > wR) nL = wR - w;
  return rect(nL, nT, nL + w, nT + h);
}

namespace {

// The smaller of the shifts within 8 pixels, the first of equal ones.
struct Pull {
  int64_t by = 0, gap = 9;
  void Toward(int64_t distance, int64_t shift) {
    const int64_t g = distance < 0 ? -distance : distance;
    if (g < gap) {
      gap = g;
      by = shift;
    }
  }
};

}  // namespace

Rect ExpectedSnappedDrag(const DragInput& in) {
  const int64_t F = 3, F2 = 6;
  const int64_t aw = in.aspect == 0 ? 4 : 16, ah = in.aspect == 0 ? 3 : 9;
  const int64_t W = in.start.right - int64_t(in.start.left), H = in.start.bottom - int64_t(in.start.top);
  const int64_t x = in.press.x, y = in.press.y;
  int64_t px = in.pointer.x, py = in.pointer.y;
  const int64_t wL = in.work.left, wT = in.work.top, wR = in.work.right, wB = in.work.bottom;
  const int64_t cL = in.current.left, cT = in.current.top, cR = in.current.right, cB = in.current.bottom;
  const int64_t menu[] = {320, 640, 800, 1024, 1280, 1440};
  const bool between = 20 < x && x < W - 20;
  if (between && 20 < y && y < H - 20) {
    const int64_t left = px - x, top = py - y, cw = cR - cL, ch = cB - cT;
    Pull across, down;
    for (int64_t d : {wL - left, wR - (left + cw), wL + (wR - wL) / 2 - (left + F + (cw - F2) / 2)}) {
      across.Toward(d, d);
    }
    for (int64_t d : {wT - top, wB - (top + ch), wT + (wB - wT) / 2 - (top + F + (ch - F2) / 2)}) {
      down.Toward(d, d);
    }
    px += across.by;
    py += down.by;
  } else {
    const bool l = x <= 20, r = x >= W - 20, t = y <= 20 && between, b = y >= H - 20 && between;
    Pull p;
    if (int(l) + int(r) + int(t) + int(b) == 1 && (l || r)) {
      const int64_t region = (l ? cR - (px - x) : px + (W - x) - cL) - F2;
      for (int64_t m : menu) {
        if (m <= in.largest) p.Toward(m - region, m - region);
      }
      px += l ? -p.by : p.by;
    } else if (int(l) + int(r) + int(t) + int(b) == 1) {
      const int64_t region = (t ? cB - (py - y) : py + (H - y) - cT) - F2;
      for (int64_t m : menu) {
        if (m <= in.largest) p.Toward(m - region * aw / ah, m * ah / aw - region);
      }
      py += t ? -p.by : p.by;
    }
  }
  DragInput snapped = in;
  snapped.pointer = Point{int32_t(px), int32_t(py)};
  return ExpectedDrag(snapped);
}

}  // namespace mirlo::session
