#include "look.h"

#include <cstdio>

#include "viewer/code_strip.h"
#include "viewer/colors.h"
#include "viewer/frame.h"

namespace mirlo::bench {

COLORREF ColorRefOf(Color c) { return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

Picture PictureOf(const PaintPicture& p) {
  Picture pic;
  const RegionLayout& r = p.region;
  if (p.blackFill != Rect{}) {
    pic.hasBlackFill = true;
    pic.blackFill = RECT{p.blackFill.left, p.blackFill.top, p.blackFill.right, p.blackFill.bottom};
  }
  if (r.framed) {
    for (const FrameLine& l : FrameLines(r.cx, r.cy, r.w, r.h)) {
      pic.frame.push_back(Line{ColorRefOf(l.color), POINT{l.from.x, l.from.y}, POINT{l.to.x, l.to.y}});
    }
  }
  pic.magenta = RECT{r.cx, r.cy, r.cx + r.w, r.cy + r.h};
  for (int k = 0; k < kStripCells; ++k) {
    if (p.strip[k] == 0) pic.blackCells.push_back(RECT{r.cx + 2 * k, r.cy, r.cx + 2 * k + 2, r.cy + 1});
  }
  return pic;
}

std::vector<uint32_t> WindowPixels(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  std::vector<uint32_t> pixels;
  if (w <= 0 || h <= 0) return pixels;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(window);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, w, h, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const uint32_t*>(bits);
  pixels.reserve(size_t(w) * h);
  for (size_t i = 0; i < size_t(w) * h; ++i) pixels.push_back(p[i] & 0xFFFFFF);
  SelectObject(mem, old);
  DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(window, screen);
  return pixels;
}

Snapshot SnapshotOf(HWND window, const std::map<int, MenuMark>& menu) {
  Snapshot s;
  GetWindowRect(window, &s.window);
  s.menu = menu;
  s.pixels = WindowPixels(window);
  return s;
}

std::string Difference(const Snapshot& a, const Snapshot& b) {
  char text[300];
  const RECT &ra = a.window, &rb = b.window;
  if (!SameRect(ra, rb)) {
    std::snprintf(text, sizeof text, "rect %ld,%ld-%ld,%ld vs %ld,%ld-%ld,%ld", ra.left, ra.top,
                  ra.right, ra.bottom, rb.left, rb.top, rb.right, rb.bottom);
    return text;
  }
  for (const auto& [id, m] : a.menu) {
    const auto it = b.menu.find(id);
    if (it == b.menu.end() || it->second.checked != m.checked || it->second.enabled != m.enabled ||
        it->second.caption != m.caption) {
      std::snprintf(text, sizeof text, "menu item %d differs", id);
      return text;
    }
  }
  if (a.pixels.empty() || a.pixels.size() != b.pixels.size()) return "no pixels to compare";
  bool magenta = false;
  for (uint32_t p : a.pixels) magenta = magenta || p == 0xFF00FF;
  if (!magenta) return "no magenta in the picture read back";
  const long w = ra.right - ra.left;
  long differing = 0, first = -1;
  for (size_t i = 0; i < a.pixels.size(); ++i) {
    if (a.pixels[i] != b.pixels[i]) {
      if (first < 0) first = long(i);
      ++differing;
    }
  }
  if (differing == 0) return "";
  std::snprintf(text, sizeof text, "%ld pixels differ, first at %ld,%ld: %06X vs %06X", differing,
                first % w, first / w, a.pixels[size_t(first)], b.pixels[size_t(first)]);
  return text;
}

}  // namespace mirlo::bench
