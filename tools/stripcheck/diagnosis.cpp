#include "stripcheck/diagnosis.h"

#include <algorithm>

#include "monitors/monitor_table.h"

namespace stripcheck {
namespace {

using stripread::Strip;

Rect Intersect(const Rect& a, const Rect& b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  if (r.right <= r.left || r.bottom <= r.top) return Rect{};
  return r;
}

long long Area(const Rect& r) { return static_cast<long long>(r.Width()) * r.Height(); }

bool Contains(const Rect& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

int MonitorOfViewer(const Desk& desk) {
  if (!desk.viewer.found) return -1;
  int best = -1;
  long long bestArea = 0;
  for (std::size_t i = 0; i < desk.monitors.size(); ++i) {
    const long long a = Area(Intersect(desk.viewer.rect, desk.monitors[i].bounds));
    if (a > bestArea) {
      best = static_cast<int>(i);
      bestArea = a;
    }
  }
  return best;
}

// The topmost window above the viewer that overlaps r, or -1.
int WindowOver(const ViewerFacts& v, const Rect& r) {
  for (std::size_t i = 0; i < v.above.size(); ++i) {
    if (Area(Intersect(v.above[i].rect, r)) > 0) return static_cast<int>(i);
  }
  return -1;
}

int WindowAt(const ViewerFacts& v, int x, int y) {
  for (std::size_t i = 0; i < v.above.size(); ++i) {
    if (Contains(v.above[i].rect, x, y)) return static_cast<int>(i);
  }
  return -1;
}

// Where the strip's row can lie when no strip is read: from the viewer's top
// down to its first magenta row still in view. Windows in front can hide the
// region's top row, but never push it below a magenta pixel one can see.
Rect StripRowBand(const MonitorShot& m, const ViewerFacts& v) {
  const Rect part = Intersect(v.rect, m.bounds);
  for (int y = part.top; y < part.bottom; ++y) {
    for (int x = part.left; x < part.right; ++x) {
      if (m.image.at(x - m.bounds.left, y - m.bounds.top) == stripread::kMagenta &&
          WindowAt(v, x, y) < 0)
        return Rect{part.left, part.top, part.right, y + 1};
    }
  }
  return part;
}

bool FindStretched(const MonitorShot& m, Finding& f) {
  for (int cw = kMinStretchedCell; cw <= kMaxStretchedCell; ++cw) {
    if (!stripread::FindStretchedStrips(m.image, cw).empty()) {
      f.problem = Problem::Scaled;
      f.cellWidth = cw;
      f.scalePercent = cw * 100 / stripread::kCellPixels;
      return true;
    }
  }
  return false;
}

bool DpiScaled(const ViewerFacts& v, Finding& f) {
  if (v.windowDpi <= 0 || v.monitorDpi <= 0 || v.windowDpi == v.monitorDpi) return false;
  f.problem = Problem::Scaled;
  f.scalePercent = v.monitorDpi * 100 / v.windowDpi;
  return true;
}

Finding ForStrip(const Desk& desk, int index, const Strip& s) {
  const MonitorShot& m = desk.monitors[index];
  Finding f;
  f.monitor = index;
  f.hasStrip = true;
  f.strip = s;
  if (!mirlo::IsUsableSize(m.bounds.Width(), m.bounds.Height())) {
    f.problem = Problem::UnusableMonitor;
  } else if (!s.checksumOk) {
    f.problem = Problem::BadChecksum;
  } else if (!s.regionExact) {
    const Rect row{m.bounds.left + s.x0, m.bounds.top + s.y0, m.bounds.left + s.x1 + 1,
                   m.bounds.top + s.y0 + 1};
    f.window = WindowOver(desk.viewer, row);
    if (f.window >= 0) {
      f.problem = Problem::Covered;
    } else {
      f.problem = Problem::NotMagenta;
      f.region = stripread::CheckRegion(m.image, s);
      if (f.region.fault == stripread::RegionFault::NotMagenta ||
          f.region.fault == stripread::RegionFault::MagentaOutside)
        f.window = WindowAt(desk.viewer, m.bounds.left + f.region.x, m.bounds.top + f.region.y);
    }
  }
  return f;
}

Finding WhyNoStrip(const Desk& desk, int index, int viewerMonitor) {
  const MonitorShot& m = desk.monitors[index];
  Finding f;
  f.monitor = index;
  if (!mirlo::IsUsableSize(m.bounds.Width(), m.bounds.Height())) {
    f.problem = Problem::UnusableMonitor;
    return f;
  }
  if (FindStretched(m, f)) return f;
  if (index == viewerMonitor) {
    if (DpiScaled(desk.viewer, f)) return f;
    f.window = WindowOver(desk.viewer, StripRowBand(m, desk.viewer));
    if (f.window >= 0) {
      f.problem = Problem::Covered;
      return f;
    }
  }
  f.problem = Problem::NoStrip;
  return f;
}

}  // namespace

Diagnosis Diagnose(const Desk& desk) {
  Diagnosis d;
  d.viewerMonitor = MonitorOfViewer(desk);
  for (std::size_t i = 0; i < desk.monitors.size(); ++i) {
    const int index = static_cast<int>(i);
    const auto strips = stripread::FindStrips(desk.monitors[i].image);
    if (strips.empty()) {
      d.findings.push_back(WhyNoStrip(desk, index, d.viewerMonitor));
      continue;
    }
    for (const Strip& s : strips) {
      d.findings.push_back(ForStrip(desk, index, s));
      if (d.findings.back().problem == Problem::None) ++d.validStrips;
    }
  }
  return d;
}

}  // namespace stripcheck
