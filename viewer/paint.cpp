#include "app/form1.h"
#include "app/popup_menu.h"
#include "monitors/monitor_table.h"
#include "viewer/colors.h"
#include "viewer/frame.h"
#include "viewer/paint_plan.h"

namespace mirlo {

void TForm1::Repaint() {
  // The write-backs are made now, as the paint would make them; the picture
  // reaches the screen at the present step, so only the one a handler
  // leaves is drawn.
  const PaintPlan plan = PlanPaint(state_, view_.bounds, MonitorBounds(Monitors(), state_.MonitorIndex),
                                   MaxRegionWidth());
  if (plan.recordsLastWindowed) state_.LastWindowed = plan.lastWindowed;
  switch (plan.aspectMarks) {
    case AspectMarks::None:
    case AspectMarks::Normal:
    case AspectMarks::Wide:
      view_.menu[Id(MenuItem::N14)].checked = plan.aspectMarks == AspectMarks::Normal;
      view_.menu[Id(MenuItem::N15)].checked = plan.aspectMarks == AspectMarks::Wide;
      break;
    case AspectMarks::Keep:
      break;
  }
  state_.RegionRect = plan.regionRect;
  for (const WidthItem& w : WidthItems()) {
    view_.menu[Id(w.item)].enabled = plan.largestWidth >= w.width;
  }
  state_.WindowLeft = plan.windowLeft;
  state_.WindowTop = plan.windowTop;
  state_.RegionWidth = plan.regionWidth;
  view_.picture = plan.picture;
}

void TForm1::FormPaint() {
  Repaint();
  DrawPicture(*view_.picture);
  presenter_.Drew(*view_.picture);
}

void TForm1::OnPaint() {
  const bool outermost = depth_ == 0;
  if (outermost) monitors_.reset();
  Inside inside(depth_);
  auto report = [this](const UserText& message) { ShowError(message); };
  RunGuarded(
      [this] {
        // The picture last shown is drawn again while the window stands where
        // it was made for. A window the window system has moved on its own
        // gets a paint worked out afresh, with its write-backs.
        const Rect window = desk_.WindowBounds();
        const std::optional<PaintPicture>& last = presenter_.Shown().picture;
        if (last && last->window == window) {
          DrawPicture(*last);
          return;
        }
        view_.bounds = window;
        FormPaint();
      },
      report);
  // A paint worked out afresh may have changed the menu's marks.
  if (outermost) RunGuarded([this] { Present(); }, report);
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
}

}  // namespace mirlo
