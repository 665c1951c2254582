#pragma once
// A viewer window on a simulated desktop, and what the device would read
// from that desktop's monitors.

#include <ostream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/popup_menu.h"
#include "platform/sim/sim_desktop.h"
#include "stripread/stripread.h"

namespace mirlo {

// Readable records in failure messages.
inline std::ostream& operator<<(std::ostream& os, const PresetRecord& p) {
  return os << "{left " << p.left << ", top " << p.top << ", width " << p.width << ", aspect "
            << p.aspect << ", monitor " << p.monitor << ", mode " << p.mode << "}";
}
inline std::ostream& operator<<(std::ostream& os, const Rect& r) {
  return os << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ") "
            << r.Width() << "x" << r.Height();
}
inline std::ostream& operator<<(std::ostream& os, const RegionRecord& r) {
  return os << "{x0 " << r.x0 << ", x1 " << r.x1 << ", y0 " << r.y0 << ", y1 " << r.y1
            << ", " << r.width << "x" << r.height << "}";
}

struct SimViewer {
  explicit SimViewer(std::vector<SimMonitor> monitors) : desk(std::move(monitors)), form(desk) {
    desk.CreateMainWindow(form);
  }
  ViewerState& state() { return form.State(); }
  // Runs steps of the viewer as one handler, shown at its end.
  template <typename Steps>
  void Run(Steps&& steps) {
    form.Handle(steps);
  }
  bool Checked(MenuItem item) const { return desk.MenuItemAt(Id(item)).checked; }
  bool Enabled(MenuItem item) const { return desk.MenuItemAt(Id(item)).enabled; }
  const std::string& Caption(MenuItem item) const { return desk.MenuItemAt(Id(item)).caption; }

  SimDesktop desk;
  TForm1 form;
};

// Every strip a device attached to monitor `index` reads.
std::vector<stripread::Strip> StripsOnMonitor(const SimDesktop& desk, int index,
                                              const Rect& bounds);

// Exactly one strip on the monitor, or a test failure.
stripread::Strip OnlyStrip(const SimDesktop& desk, int index, const Rect& bounds);

}  // namespace mirlo
