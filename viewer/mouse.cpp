#include "app/form1.h"
#include "monitors/monitor_table.h"
#include "viewer/drag_geometry.h"

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

void TForm1::FormMouseMove() {
  if (!state_.DragArmed || !PlacedByHand()) return;
  const Rect start = state_.DragStartRect;
  view_.cursor = CursorOfZone(ZoneOfPress(state_.DragPressPoint, start.Width(), start.Height()));
  const DragStep step{start,
                      state_.DragPressPoint,
                      view_.bounds,
                      desk_.CursorPos(),
                      MonitorWorkArea(Monitors(), state_.MonitorIndex),
                      state_.Aspect,
                      MaxRegionWidth(),
                      state_.FrameWidth};
  view_.bounds = DragTo(step);
  Repaint();
}

void TForm1::FormMouseUp() {
  desk_.ReleaseCapture();
  state_.DragArmed = false;
  view_.cursor = CursorShape::Default;
}

void TForm1::FormCaptureLost() {
  // Without the capture no release will come: end the drag now, or the
  // window would follow the pointer with no button held.
  if (!state_.DragArmed) return;
  state_.DragArmed = false;
  view_.cursor = CursorShape::Default;
}

}  // namespace mirlo
