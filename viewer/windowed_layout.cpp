#include "viewer/windowed_layout.h"

#include <algorithm>

namespace mirlo {

WindowedLayout LayOutWindowed(const MonitorTable& monitors, int32_t monitor, int64_t left,
                              int64_t top, int32_t regionWidth, int32_t aspect,
                              int32_t frameWidth) {
  // In 64 bits: a stored position may lie anywhere in the 32-bit range.
  const Rect oldBounds = MonitorBounds(monitors, monitor);
  const int64_t relLeft = left - oldBounds.left, relTop = top - oldBounds.top;
  if (!IsUsableMonitor(monitors, monitor)) monitor = NextUsableMonitor(monitors, monitor);
  const Rect b = MonitorBounds(monitors, monitor);
  return WindowedLayout{
      monitor, PlaceWindowed(relLeft + b.left, relTop + b.top, regionWidth, aspect,
                             MaxRegionWidthFor(b.Width(), b.Height()),
                             MonitorWorkArea(monitors, monitor), frameWidth)};
}

PlacedRegion PlaceTypedRegion(const MonitorTable& monitors, const TypedRegion& asked,
                              int32_t frameWidth) {
  const Rect b = MonitorBounds(monitors, asked.monitor);
  const int32_t largest = MaxRegionWidthFor(b.Width(), b.Height());
  const int32_t width = int32_t(std::clamp<int64_t>(asked.width, kMinRegionWidth, largest));
  const WindowedPlacement p =
      PlaceWindowed(asked.x0 + b.left - frameWidth, asked.y0 + b.top - frameWidth, width,
                    asked.aspect, largest, MonitorWorkArea(monitors, asked.monitor), frameWidth);
  PlacedRegion r;
  r.window = Rect{p.left, p.top, p.left + p.winW, p.top + p.winH};
  const int32_t x0 = p.left + frameWidth - b.left, y0 = p.top + frameWidth - b.top;
  const int32_t h = p.winH - 2 * frameWidth;
  r.region = RegionRecord{x0, x0 + width - 1, y0, y0 + h - 1, width, h};
  r.limited = x0 != asked.x0 || y0 != asked.y0 || width != asked.width;
  return r;
}

}  // namespace mirlo
