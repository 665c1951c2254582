#include "dialogs/form_placement.h"

#include "monitors/monitor_table.h"

namespace mirlo {

std::function<Point(int, int)> CentredOn(const Rect& owner, const MonitorTable& monitors) {
  return [owner, monitors](int outerWidth, int outerHeight) {
    Point p{owner.left + (owner.Width() - outerWidth) / 2,
            owner.top + (owner.Height() - outerHeight) / 2};
    // A box larger than the viewer (the system's text is scaled up) stays
    // whole on the viewer's monitor; should it not fit, its top-left shows.
    const int monitor = MonitorOfRect(monitors, owner);
    if (monitor >= 0) {
      const Rect work = MonitorWorkArea(monitors, monitor);
      if (p.x + outerWidth > work.right) p.x = work.right - outerWidth;
      if (p.y + outerHeight > work.bottom) p.y = work.bottom - outerHeight;
      if (p.x < work.left) p.x = work.left;
      if (p.y < work.top) p.y = work.top;
    }
    return p;
  };
}

}  // namespace mirlo
