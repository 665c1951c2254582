#include "app/form1.h"
#include "app/popup_menu.h"
#include "monitors/monitor_table.h"
#include "viewer/window_geometry.h"
#include "viewer/windowed_layout.h"

namespace mirlo {

void TForm1::UpdateBounds() {
  UpdateAspectMenu();
  if (state_.DisplayMode > 0) {
    // Full screen is laid out by ApplyWindowState, but not on a monitor the
    // device cannot use (a remembered one, or a preset's) when another can
    // be used. A monitor gone from the table keeps its index: the viewer
    // then stands at the desktop origin until it is windowed again.
    const MonitorTable& monitors = Monitors();
    if (state_.MonitorIndex >= 0 && state_.MonitorIndex < MonitorCount(monitors) &&
        !IsUsableMonitor(monitors, state_.MonitorIndex)) {
      state_.MonitorIndex = NextUsableMonitor(monitors, state_.MonitorIndex);
    }
    return;
  }
  const WindowedLayout layout =
      LayOutWindowed(Monitors(), state_.MonitorIndex, state_.WindowLeft, state_.WindowTop,
                     state_.RegionWidth, state_.Aspect, state_.FrameWidth);
  state_.MonitorIndex = layout.monitor;
  const WindowedPlacement& p = layout.placement;
  state_.RegionWidth = p.regionWidth;
  // A windowed rectangle is laid out on a window in its normal state: a
  // restore after it would bring back an older rectangle.
  view_.state = WindowState::Normal;
  view_.bounds = Rect{p.left, p.top, p.left + p.winW, p.top + p.winH};
  state_.WindowLeft = p.left;
  state_.WindowTop = p.top;
  Repaint();
}

void TForm1::ApplyWindowState() {
  if (state_.DisplayMode != kWindowed) {
    view_.state = WindowState::Maximized;
    view_.topmost = true;
    // However the window system maximises a window without caption, the
    // viewer ends covering exactly its monitor's bounds.
    const MonitorTable& monitors = Monitors();
    Rect b = MonitorBounds(monitors, state_.MonitorIndex);
    if (state_.MonitorIndex < 0 || state_.MonitorIndex >= MonitorCount(monitors)) {
      // A monitor removed since the state was stored: stay at the desktop
      // origin with the size of a real monitor, so the viewer can still be
      // double-clicked back to a window.
      const Rect d = MonitorBounds(monitors, state_.DefaultMonitor);
      b.right = b.left + d.Width();
      b.bottom = b.top + d.Height();
    }
    view_.bounds = b;
    // The strip always names the window's region: a window that comes here
    // from a windowed rectangle (an odd stored mode) is repainted.
    if (!view_.picture || view_.picture->window != b) Repaint();
  } else {
    view_.state = WindowState::Normal;
    view_.topmost = view_.menu[Id(MenuItem::N7)].checked;
  }
}

int32_t TForm1::MaxRegionWidth() {
  const Rect b = MonitorBounds(Monitors(), state_.MonitorIndex);
  return MaxRegionWidthFor(b.Width(), b.Height());
}

void TForm1::UpdateAspectMenu() {
  if (state_.Aspect != 0 && state_.Aspect != 1) return;  // a damaged value leaves the menu alone
  const bool wide = state_.Aspect == 1;
  view_.menu[Id(MenuItem::N14)].checked = !wide;
  view_.menu[Id(MenuItem::N15)].checked = wide;
  for (const WidthItem& w : WidthItems()) {
    view_.menu[Id(w.item)].caption = WidthCaption(w.width, wide);
  }
}

}  // namespace mirlo
