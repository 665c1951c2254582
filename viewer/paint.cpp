#include "app/form1.h"
#include "app/popup_menu.h"
#include "monitors/monitor_table.h"
#include "viewer/code_strip.h"
#include "viewer/colors.h"
#include "viewer/frame.h"
#include "viewer/region_layout.h"

namespace mirlo {

void TForm1::FormPaint() {
  const Rect win = desk_.WindowBounds();
  paintedWindow_ = win;
  const Rect bounds = MonitorBounds(desk_, state_.MonitorIndex);
  const int32_t frame2 = 2 * state_.FrameWidth;

  if (state_.DisplayMode == kWindowed) {
    // The windowed state that leaving full screen returns to.
    state_.LastWindowed = PresetRecord{win.left, win.top, win.Width() - frame2,
                                       state_.Aspect, state_.MonitorIndex, state_.DisplayMode};
  }
  const RegionLayout r = LayoutRegion(state_.DisplayMode, win, bounds, state_.FrameWidth);

  switch (state_.DisplayMode) {
    case kFullScreen:
      desk_.SetMenuChecked(Id(MenuItem::N14), false);
      desk_.SetMenuChecked(Id(MenuItem::N15), false);
      break;
    case kFullScreenNormal:
    case kFullScreenWide: {
      const bool wide = state_.DisplayMode == kFullScreenWide;
      desk_.FillRect(Rect{0, 0, bounds.Width(), bounds.Height()}, kBlack);
      desk_.SetMenuChecked(Id(MenuItem::N14), !wide);
      desk_.SetMenuChecked(Id(MenuItem::N15), wide);
      break;
    }
    default:
      break;
  }

  if (r.framed) {
    for (const FrameLine& line : FrameLines(r.cx, r.cy, r.w, r.h)) {
      desk_.DrawLine(line.from, line.to, line.color);
    }
  }
  desk_.FillRect(Rect{r.cx, r.cy, r.cx + r.w, r.cy + r.h}, kMagenta);
  DrawStrip(desk_, EncodeStrip(state_.Closing, r.x0, r.y0, r.w, r.h), r.cx, r.cy);

  state_.RegionRect = RegionRecord{r.x0, r.x0 + r.w - 1, r.y0, r.y0 + r.h - 1, r.w, r.h};

  const int32_t largest = MaxRegionWidth();
  for (const WidthItem& w : WidthItems()) {
    desk_.SetMenuEnabled(Id(w.item), largest >= w.width);
  }

  state_.WindowLeft = win.left;
  state_.WindowTop = win.top;
  state_.RegionWidth = win.Width() - frame2;
}

}  // namespace mirlo
