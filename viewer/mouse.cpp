#include "app/form1.h"
#include "monitors/monitor_table.h"
#include "viewer/drag_geometry.h"
#include "viewer/drag_snap.h"

namespace mirlo {

bool TForm1::PlacedByHand() const {
  // A maximised window is full screen too, also in a mode only a hand-edited
  // settings file holds: neither the mouse nor the keys move it off its
  // monitor. A locked one stays put too; the menu still places it.
  return !state_.PositionLocked && state_.DisplayMode <= 0 &&
         view_.state == WindowState::Normal;
}

void TForm1::FormMouseDown(MouseButton, int x, int y) {
  state_.DragStartRect = view_.bounds;
  state_.DragPressPoint = Point{x, y};
  // The window layer captures the mouse before it reports a left press, so
  // only a left press (or any press during a left drag) arms a drag.
  state_.DragArmed = desk_.SetCapture();
}

void TForm1::FormMouseMove(KeyModifiers held) {
  if (!state_.DragArmed || !PlacedByHand()) return;
  const Rect start = state_.DragStartRect;
  const Point press = state_.DragPressPoint;
  view_.cursor = CursorOfZone(ZoneOfPress(press, start.Width(), start.Height()));
  const Point pointer = desk_.CursorPos();
  const DragStep step{start,
                      press,
                      view_.bounds,
                      pointer,
                      MonitorWorkArea(Monitors(), state_.MonitorIndex),
                      state_.Aspect,
                      MaxRegionWidth(),
                      state_.FrameWidth};
  view_.bounds = SnapHeld(held) ? SnappedDragTo(step) : DragTo(step);
  // A press that the pointer has not left yet is a click, not a drag.
  if (pointer != Point{start.left + press.x, start.top + press.y}) state_.ReadoutByDrag = true;
  Repaint();
}

void TForm1::FormMouseUp() {
  desk_.ReleaseCapture();
  state_.DragArmed = false;
  state_.ReadoutByDrag = false;
  view_.cursor = CursorShape::Default;
}

void TForm1::FormCaptureLost() {
  // Without the capture no release will come: end the drag now, or the
  // window would follow the pointer with no button held.
  state_.ReadoutByDrag = false;
  if (!state_.DragArmed) return;
  state_.DragArmed = false;
  view_.cursor = CursorShape::Default;
}

}  // namespace mirlo
