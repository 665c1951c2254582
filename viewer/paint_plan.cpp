#include "viewer/paint_plan.h"

namespace mirlo {

PaintPlan PlanPaint(const ViewerState& s, const Rect& window, const Rect& bounds,
                    int32_t largest) {
  const int32_t frame2 = 2 * s.FrameWidth;
  PaintPlan p;
  if (s.DisplayMode == kWindowed) {
    // The windowed state that leaving full screen returns to.
    p.recordsLastWindowed = true;
    p.lastWindowed = PresetRecord{window.left, window.top, window.Width() - frame2,
                                  s.Aspect,    s.MonitorIndex, s.DisplayMode};
  }
  const RegionLayout r = LayoutRegion(s.DisplayMode, window, bounds, s.FrameWidth);
  switch (s.DisplayMode) {
    case kFullScreen:
      p.aspectMarks = AspectMarks::None;
      break;
    case kFullScreenNormal:
    case kFullScreenWide:
      p.picture.blackFill = Rect{0, 0, bounds.Width(), bounds.Height()};
      p.aspectMarks = s.DisplayMode == kFullScreenWide ? AspectMarks::Wide : AspectMarks::Normal;
      break;
    default:
      break;
  }
  p.picture.window = window;
  p.picture.region = r;
  p.picture.strip = EncodeStrip(s.Closing, r.x0, r.y0, r.w, r.h);
  p.regionRect = RegionRecord{r.x0, r.x0 + r.w - 1, r.y0, r.y0 + r.h - 1, r.w, r.h};
  p.largestWidth = largest;
  p.windowLeft = window.left;
  p.windowTop = window.top;
  p.regionWidth = window.Width() - frame2;
  return p;
}

}  // namespace mirlo
