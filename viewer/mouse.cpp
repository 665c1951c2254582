#include "app/form1.h"
#include "monitors/monitor_table.h"
#include "viewer/drag_geometry.h"

namespace mirlo {

void TForm1::FormMouseDown(MouseButton, int x, int y) {
  state_.DragStartRect = desk_.WindowBounds();
  state_.DragPressPoint = Point{x, y};
  // The window layer captures the mouse before it reports a left press, so
  // only a left press (or any press during a left drag) arms a drag.
  state_.DragArmed = desk_.SetCapture();
}

void TForm1::FormMouseMove() {
  // A maximised window is full screen too, also in a mode only a hand-edited
  // settings file holds: the mouse does not move it off its monitor.
  if (!state_.DragArmed || state_.DisplayMode > 0 ||
      desk_.GetWindowState() != WindowState::Normal) {
    return;
  }
  const Rect start = state_.DragStartRect;
  desk_.SetCursorShape(
      CursorOfZone(ZoneOfPress(state_.DragPressPoint, start.Width(), start.Height())));
  const DragStep step{start,
                      state_.DragPressPoint,
                      desk_.WindowBounds(),
                      desk_.CursorPos(),
                      MonitorWorkArea(desk_, state_.MonitorIndex),
                      state_.Aspect,
                      MaxRegionWidth(),
                      state_.FrameWidth};
  const Rect n = DragTo(step);
  desk_.SetWindowBounds(n.left, n.top, n.Width(), n.Height());
  Repaint();
}

void TForm1::FormMouseUp() {
  desk_.ReleaseCapture();
  state_.DragArmed = false;
  desk_.SetCursorShape(CursorShape::Default);
}

void TForm1::FormCaptureLost() {
  // Without the capture no release will come: end the drag now, or the
  // window would follow the pointer with no button held.
  if (!state_.DragArmed) return;
  state_.DragArmed = false;
  desk_.SetCursorShape(CursorShape::Default);
}

}  // namespace mirlo
