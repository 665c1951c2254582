#include <windows.h>

#include "win/win_facts.h"

namespace stripcheck {
namespace {

// Copies the screen's pixels inside r into a top-down 32-bit DIB section, so
// every pixel arrives as the screen holds it, whatever the display's format.
bool CaptureRect(HDC screen, const RECT& r, stripread::Image& out) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return false;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return false;
  bool ok = false;
  if (HDC mem = CreateCompatibleDC(screen)) {
    HGDIOBJ old = SelectObject(mem, bitmap);
    // CAPTUREBLT takes layered windows along: the device sees them too.
    ok = BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY | CAPTUREBLT) != 0;
    GdiFlush();
    if (ok) {
      const auto* px = static_cast<const uint32_t*>(bits);
      out.width = w;
      out.height = h;
      out.pixels.resize(static_cast<std::size_t>(w) * h);
      // 0x00RRGGBB once the unused top byte is dropped.
      for (std::size_t i = 0; i < out.pixels.size(); ++i) out.pixels[i] = px[i] & 0xFFFFFF;
    }
    SelectObject(mem, old);
    DeleteDC(mem);
  }
  DeleteObject(bitmap);
  return ok;
}

struct Capture {
  HDC screen;
  std::vector<MonitorShot> shots;
  bool ok;
};

// Monitors come in enumeration order, each with its bounds on the desktop.
BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT bounds, LPARAM data) {
  auto& c = *reinterpret_cast<Capture*>(data);
  MonitorShot shot;
  shot.bounds = Rect{bounds->left, bounds->top, bounds->right, bounds->bottom};
  c.ok = CaptureRect(c.screen, *bounds, shot.image);
  c.shots.push_back(std::move(shot));
  return c.ok;  // the first that cannot be read ends the look
}

}  // namespace

bool CaptureMonitors(std::vector<MonitorShot>& out, std::string& error) {
  Capture c{GetDC(nullptr), {}, true};
  if (!c.screen) {
    error = "cannot open the screen for reading";
    return false;
  }
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&c));
  ReleaseDC(nullptr, c.screen);
  if (c.shots.empty()) {
    error = "the system lists no monitor";
    return false;
  }
  if (!c.ok) {
    error = "cannot read the picture of monitor " + std::to_string(c.shots.size() - 1);
    return false;
  }
  out = std::move(c.shots);
  return true;
}

bool LookAtDesk(Desk& desk, std::string& error) {
  if (!CaptureMonitors(desk.monitors, error)) return false;
  desk.viewer = FindViewer();
  return true;
}

}  // namespace stripcheck
