#include "app/form1.h"
#include "app/popup_menu.h"
#include "monitors/monitor_table.h"
#include "viewer/window_geometry.h"

namespace mirlo {

void TForm1::ApplyStartupDisplayState() {
  LoadSettings();
  if (!state_.RememberOnExit) {
    state_.MonitorIndex = state_.DefaultMonitor;
    state_.DisplayMode = kWindowed;
    const int32_t size = state_.StartupSize;
    if (size == 0) {
      state_.DisplayMode = kFullScreen;
    } else if (size == 1) {
      state_.DisplayMode = kFullScreenWide;
    } else if (size == 2) {
      state_.DisplayMode = kFullScreenNormal;
    } else if (size >= 3 && size <= 14) {
      // 3/4 is 320 wide/normal, 5/6 is 640, ... 13/14 is 1440.
      const int32_t width = WidthItems()[(size - 3) / 2].width;
      SetWidthAndAspect(width, size % 2 == 1);
      const Rect work = MonitorWorkArea(Monitors(), state_.MonitorIndex);
      const Point c = CentreOn(work, state_.RegionWidth + 2 * state_.FrameWidth,
                               RegionHeightFor(state_.RegionWidth, state_.Aspect) +
                                   2 * state_.FrameWidth);
      state_.WindowLeft = c.x;
      state_.WindowTop = c.y;
    } else if (size >= 15 && size <= 17) {
      // A preset's width is limited on the default monitor; its monitor is
      // taken over only afterwards.
      const PresetRecord& p = state_.Presets[size - 15];
      SetWidthAndAspect(p.width, p.aspect == 1);
      state_.WindowLeft = p.left;
      state_.WindowTop = p.top;
      state_.MonitorIndex = p.monitor;
      state_.DisplayMode = p.mode;
    }
  }
  view_.menu[Id(MenuItem::N7)].checked = state_.AlwaysOnTop;
  view_.menu[Id(MenuItem::LockPosition)].checked = state_.PositionLocked;
}

}  // namespace mirlo
