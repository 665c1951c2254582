#pragma once
// What the viewer's keys do. Moving and sizing go through the mouse drag's
// rules, so a key step lands exactly where a drag by as many pixels would.

#include <cstdint>

#include "platform/desktop_types.h"

namespace mirlo {

struct KeyCommand {
  enum Kind { None, Move, Widen, Help, Copy };
  Kind kind = None;
  int32_t dx = 0, dy = 0;  // Move: pixels
  int32_t dw = 0;          // Widen: region pixels, negative narrows
};

// Arrows move by 1 (Shift: 10); Ctrl+Right / Ctrl+Left widen or narrow by 1
// (Ctrl+Shift: 10); F1 asks for help; Ctrl+C copies the placement line.
// Anything else, and any key with Alt, is not the viewer's.
KeyCommand CommandOfKey(Key key, KeyModifiers modifiers);

// The window after a Move or Widen step from `window`: a move is a drag from
// inside the window with the pointer displaced by (dx, dy); a width change is
// a drag of the right edge, pressed in the lower half, by dw, so the top-left
// corner stays and the bottom edge follows the width.
Rect StepWindow(const KeyCommand& command, const Rect& window, const Rect& work, int32_t aspect,
                int32_t largestRegionWidth, int32_t frameWidth);

}  // namespace mirlo
