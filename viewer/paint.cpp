#include <algorithm>

#include "app/form1.h"
#include "app/popup_menu.h"
#include "monitors/monitor_table.h"
#include "viewer/colors.h"
#include "viewer/frame.h"
#include "viewer/paint_plan.h"

namespace mirlo {

PaintPlan TForm1::PlanCurrentPaint() {
  return PlanPaint(state_, desk_.WindowBounds(), MonitorBounds(desk_, state_.MonitorIndex),
                   MaxRegionWidth());
}

void TForm1::FormPaint() {
  // A paint asked for by this handler draws the picture it asked for: its
  // write-backs were made then, and the state may have moved on since.
  if (due_ && due_->window == desk_.WindowBounds()) {
    DrawPicture(*due_);
    due_.reset();
    return;
  }
  due_.reset();
  // The window system asks for the picture already on the window (the
  // window was uncovered): the state and the monitors are as when it was
  // worked out, so it is drawn again without asking for them, and its
  // write-backs would write the same values.
  if (quiet_ && painted_ && painted_->window == desk_.WindowBounds()) {
    DrawPicture(*painted_);
    return;
  }
  const PaintPlan plan = PlanCurrentPaint();
  DrawPicture(plan.picture);
  RecordPaint(plan);
}

void TForm1::DrawPicture(const PaintPicture& p) {
  const RegionLayout& r = p.region;
  if (p.blackFill != Rect{}) desk_.FillRect(p.blackFill, kBlack);
  if (r.framed) {
    for (const FrameLine& line : FrameLines(r.cx, r.cy, r.w, r.h)) {
      desk_.DrawLine(line.from, line.to, line.color);
    }
  }
  desk_.FillRect(Rect{r.cx, r.cy, r.cx + r.w, r.cy + r.h}, kMagenta);
  DrawStrip(desk_, p.strip, r.cx, r.cy);
  if (quiet_) {
    // The strip's cells that lie on the region (all of them, but on the
    // empty region of a missing monitor).
    const Rect cells{r.cx, r.cy, r.cx + std::min(2 * kStripCells, r.w), r.cy + std::min(1, r.h)};
    if (cells.left < cells.right && cells.top < cells.bottom) {
      quietDesk_.StripShownAt(cells, kMagenta);
    }
  }
  painted_ = p;
}

void TForm1::RecordPaint(const PaintPlan& plan) {
  if (plan.recordsLastWindowed) state_.LastWindowed = plan.lastWindowed;
  switch (plan.aspectMarks) {
    case AspectMarks::None:
    case AspectMarks::Normal:
    case AspectMarks::Wide:
      desk_.SetMenuChecked(Id(MenuItem::N14), plan.aspectMarks == AspectMarks::Normal);
      desk_.SetMenuChecked(Id(MenuItem::N15), plan.aspectMarks == AspectMarks::Wide);
      break;
    case AspectMarks::Keep:
      break;
  }
  state_.RegionRect = plan.regionRect;
  for (const WidthItem& w : WidthItems()) {
    desk_.SetMenuEnabled(Id(w.item), plan.largestWidth >= w.width);
  }
  state_.WindowLeft = plan.windowLeft;
  state_.WindowTop = plan.windowTop;
  state_.RegionWidth = plan.regionWidth;
}

void TForm1::Repaint() {
  if (!quiet_) {
    desk_.Repaint();
    return;
  }
  // The write-backs are made now, as the paint would make them; the drawing
  // waits until the handler ends or shows something, so only the picture
  // it leaves reaches the screen. The same picture again is not drawn.
  const PaintPlan plan = PlanCurrentPaint();
  RecordPaint(plan);
  if (!due_ && painted_ && *painted_ == plan.picture) return;
  due_ = plan.picture;
  quietDesk_.PaintDue();
}

}  // namespace mirlo
