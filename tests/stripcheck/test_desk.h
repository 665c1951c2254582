#pragma once
// Made-up desks for the checker: monitors with pictures, the viewer's window
// and windows in front of it, each painted where it would be seen.

#include <string>

#include "stripcheck/desk.h"

namespace testutil {

constexpr uint32_t kCoverGrey = 0x606060;

class TestDesk {
 public:
  // A grey monitor at desktop left,top.
  TestDesk& Monitor(int left, int top, int w, int h);
  // The windowed viewer on a monitor: its magenta region at x0,y0 (relative
  // to the monitor) with a correct strip, inside a 3-pixel frame.
  TestDesk& Viewer(int monitor, int x0, int y0, int w, int h);
  // A window in front of the viewer, desktop pixels, painted over the picture;
  // call in order from the back to the front one.
  TestDesk& Above(int left, int top, int w, int h, const std::string& name = "cover");
  TestDesk& Dpi(int window, int monitor);

  stripcheck::MonitorShot& Shot(int monitor) { return desk_.monitors.at(monitor); }
  stripcheck::Desk& desk() { return desk_; }

 private:
  stripcheck::Desk desk_;
};

}  // namespace testutil
