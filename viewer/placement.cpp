#include "app/form1.h"
#include "app/popup_menu.h"
#include "monitors/monitor_table.h"
#include "viewer/window_geometry.h"

namespace mirlo {

void TForm1::UpdateBounds() {
  UpdateAspectMenu();
  if (state_.DisplayMode > 0) {
    // Full screen is laid out by ApplyWindowState, but not on a monitor the
    // device cannot use (a remembered one, or a preset's) when another can
    // be used. A monitor gone from the table keeps its index: the viewer
    // then stands at the desktop origin until it is windowed again.
    if (state_.MonitorIndex >= 0 && state_.MonitorIndex < MonitorCount(desk_) &&
        !IsUsableMonitor(desk_, state_.MonitorIndex)) {
      state_.MonitorIndex = NextUsableMonitor(desk_, state_.MonitorIndex);
    }
    return;
  }
  // A viewer moved off an unusable monitor keeps its offset from the corner.
  const Rect oldBounds = MonitorBounds(desk_, state_.MonitorIndex);
  const int64_t relTop = int64_t(state_.WindowTop) - oldBounds.top;
  const int64_t relLeft = int64_t(state_.WindowLeft) - oldBounds.left;
  if (!IsUsableMonitor(desk_, state_.MonitorIndex)) {
    state_.MonitorIndex = NextUsableMonitor(desk_, state_.MonitorIndex);
  }
  const Rect bounds = MonitorBounds(desk_, state_.MonitorIndex);
  const Rect work = MonitorWorkArea(desk_, state_.MonitorIndex);
  const WindowedPlacement p =
      PlaceWindowed(relLeft + bounds.left, relTop + bounds.top, state_.RegionWidth,
                    state_.Aspect, MaxRegionWidth(), work, state_.FrameWidth);
  state_.RegionWidth = p.regionWidth;
  // A windowed rectangle is laid out on a window in its normal state: a
  // restore after it would bring back an older rectangle.
  if (desk_.GetWindowState() != WindowState::Normal) desk_.SetWindowState(WindowState::Normal);
  desk_.SetWindowBounds(p.left, p.top, p.winW, p.winH);
  state_.WindowLeft = p.left;
  state_.WindowTop = p.top;
  Repaint();
}

void TForm1::ApplyWindowState() {
  if (state_.DisplayMode != kWindowed) {
    desk_.SetWindowState(WindowState::Maximized);
    desk_.SetTopmost(true);
    // However the window system maximises a window without caption, the
    // viewer ends covering exactly its monitor's bounds.
    Rect b = MonitorBounds(desk_, state_.MonitorIndex);
    if (state_.MonitorIndex < 0 || state_.MonitorIndex >= MonitorCount(desk_)) {
      // A monitor removed since the state was stored: stay at the desktop
      // origin with the size of a real monitor, so the viewer can still be
      // double-clicked back to a window.
      const Rect d = MonitorBounds(desk_, state_.DefaultMonitor);
      b.right = b.left + d.Width();
      b.bottom = b.top + d.Height();
    }
    desk_.SetWindowBounds(b.left, b.top, b.Width(), b.Height());
    // The strip on screen always names the window's region: a window that
    // comes here from a windowed rectangle (an odd stored mode) is repainted.
    const std::optional<PaintPicture>& shown = due_ ? due_ : painted_;
    if (!shown || desk_.WindowBounds() != shown->window) Repaint();
  } else {
    desk_.SetWindowState(WindowState::Normal);
    desk_.SetTopmost(desk_.IsMenuChecked(Id(MenuItem::N7)));
  }
}

int32_t TForm1::MaxRegionWidth() {
  const Rect b = MonitorBounds(desk_, state_.MonitorIndex);
  return MaxRegionWidthFor(b.Width(), b.Height());
}

void TForm1::UpdateAspectMenu() {
  if (state_.Aspect != 0 && state_.Aspect != 1) return;  // a damaged value leaves the menu alone
  const bool wide = state_.Aspect == 1;
  desk_.SetMenuChecked(Id(MenuItem::N14), !wide);
  desk_.SetMenuChecked(Id(MenuItem::N15), wide);
  for (const WidthItem& w : WidthItems()) {
    desk_.SetMenuCaption(Id(w.item), WidthCaption(w.width, wide));
  }
}

}  // namespace mirlo
