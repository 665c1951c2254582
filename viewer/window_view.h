#pragma once
// What the viewer window shows the user and the device. The handlers change
// the view; the present step brings it to the screen.

#include <map>
#include <optional>
#include <string>

#include "platform/desktop.h"
#include "viewer/paint_plan.h"

namespace mirlo {

// The readout beside the viewer while a drag or a key step is under way:
// the numbers of the strip on screen.
struct ReadoutView {
  bool visible = false;
  Rect bounds;  // empty until it is first placed
  std::string text;  // Shift-JIS bytes
  LabelFont font;
};

struct WindowView {
  bool visible = false;
  Rect bounds;  // desktop pixels
  WindowState state = WindowState::Normal;
  bool topmost = false;
  std::map<int, MenuItemState> menu;  // by command identifier
  CursorShape cursor = CursorShape::Default;
  // The picture the last repaint worked out, for the window at its bounds
  // then; none before the first.
  std::optional<PaintPicture> picture;
  ReadoutView readout;
};

}  // namespace mirlo
