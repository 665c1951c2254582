#include "dialogs/readout_place.h"

namespace mirlo {

namespace {

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const Rect& r, const Rect& area) {
  return area.left <= r.left && r.right <= area.right && area.top <= r.top &&
         r.bottom <= area.bottom;
}

bool Clear(const Rect& r, const Rect& area, const ReadoutDesk& d) {
  const Rect near{d.window.left - kReadoutClearance, d.window.top - kReadoutClearance,
                  d.window.right + kReadoutClearance, d.window.bottom + kReadoutClearance};
  const int32_t stripRow = d.region.top;
  return Inside(r, area) && !Overlap(r, near) && !Overlap(r, d.region) &&
         !(r.top <= stripRow && stripRow < r.bottom);
}

std::optional<Rect> FirstClearCorner(const Rect& area, const ReadoutDesk& d) {
  const int32_t w = d.size.x, h = d.size.y;
  const Rect corners[] = {
      {area.right - w, area.bottom - h, area.right, area.bottom},
      {area.left, area.bottom - h, area.left + w, area.bottom},
      {area.right - w, area.top, area.right, area.top + h},
      {area.left, area.top, area.left + w, area.top + h},
  };
  for (const Rect& c : corners) {
    if (Clear(c, area, d)) return c;
  }
  return std::nullopt;
}

}  // namespace

std::optional<Rect> PlaceReadout(const ReadoutDesk& d, const std::optional<Rect>& now) {
  if (now && now->Width() == d.size.x && now->Height() == d.size.y && Clear(*now, d.bounds, d)) {
    return now;
  }
  if (std::optional<Rect> c = FirstClearCorner(d.work, d)) return c;
  return FirstClearCorner(d.bounds, d);
}

}  // namespace mirlo
