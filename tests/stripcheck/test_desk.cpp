#include "test_desk.h"

#include <algorithm>

#include "canvas.h"

namespace testutil {

TestDesk& TestDesk::Monitor(int left, int top, int w, int h) {
  stripcheck::MonitorShot m;
  m.bounds = stripcheck::Rect{left, top, left + w, top + h};
  m.image = Canvas(w, h, kGrey);
  desk_.monitors.push_back(m);
  return *this;
}

TestDesk& TestDesk::Viewer(int monitor, int x0, int y0, int w, int h) {
  stripcheck::MonitorShot& m = Shot(monitor);
  Fill(m.image, x0 - 3, y0 - 3, w + 6, h + 6, 0xC8D0D4);
  DrawRegion(m.image, 'A', x0, y0, x0 + w - 1, y0 + h - 1);
  desk_.viewer.found = true;
  desk_.viewer.rect = stripcheck::Rect{m.bounds.left + x0 - 3, m.bounds.top + y0 - 3,
                                       m.bounds.left + x0 + w + 3, m.bounds.top + y0 + h + 3};
  return *this;
}

TestDesk& TestDesk::Above(int left, int top, int w, int h, const std::string& name) {
  const stripcheck::Rect r{left, top, left + w, top + h};
  desk_.viewer.above.insert(desk_.viewer.above.begin(), stripcheck::WindowAbove{r, name});
  for (stripcheck::MonitorShot& m : desk_.monitors) {
    const int l = std::max(r.left, m.bounds.left), t = std::max(r.top, m.bounds.top);
    const int rr = std::min(r.right, m.bounds.right), b = std::min(r.bottom, m.bounds.bottom);
    if (l < rr && t < b)
      Fill(m.image, l - m.bounds.left, t - m.bounds.top, rr - l, b - t, kCoverGrey);
  }
  return *this;
}

TestDesk& TestDesk::Dpi(int window, int monitor) {
  desk_.viewer.windowDpi = window;
  desk_.viewer.monitorDpi = monitor;
  return *this;
}

}  // namespace testutil
