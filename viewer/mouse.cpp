#include "app/form1.h"

namespace mirlo {

void TForm1::FormMouseDown(MouseButton, int x, int y) {
  const Rect win = desk_.WindowBounds();
  state_.DragStartRect = win;
  state_.DragPressPoint = Point{x, y};
  // The window layer captures the mouse before it reports a left press, so
  // only a left press (or any press during a left drag) arms a drag.
  state_.DragArmed = desk_.SetCapture();
}

void TForm1::FormMouseMove() {
  // Moving and resizing with the mouse comes with the drag handling.
}

void TForm1::FormMouseUp() {
  desk_.ReleaseCapture();
  state_.DragArmed = false;
  desk_.SetCursorShape(CursorShape::Default);
}

}  // namespace mirlo
