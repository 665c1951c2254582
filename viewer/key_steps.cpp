#include "viewer/key_steps.h"

#include "viewer/drag_geometry.h"

namespace mirlo {

KeyCommand CommandOfKey(Key key, KeyModifiers m) {
  KeyCommand c;
  if (m.alt) return c;  // Alt+F4 and the like stay the system's
  const int32_t step = m.shift ? 10 : 1;
  switch (key) {
    case Key::Left:
    case Key::Right: {
      const int32_t sign = key == Key::Right ? 1 : -1;
      if (m.ctrl) {
        c.kind = KeyCommand::Widen;
        c.dw = sign * step;
      } else {
        c.kind = KeyCommand::Move;
        c.dx = sign * step;
      }
      break;
    }
    case Key::Up:
    case Key::Down:
      if (m.ctrl) break;
      c.kind = KeyCommand::Move;
      c.dy = (key == Key::Down ? 1 : -1) * step;
      break;
    case Key::F1:
      if (!m.shift && !m.ctrl) c.kind = KeyCommand::Help;
      break;
    case Key::C:
      if (m.ctrl && !m.shift) c.kind = KeyCommand::Copy;
      break;
    default:
      break;
  }
  return c;
}

Rect StepWindow(const KeyCommand& c, const Rect& window, const Rect& work, int32_t aspect,
                int32_t largestRegionWidth, int32_t frameWidth) {
  const int32_t W = window.Width(), H = window.Height();
  // The middle lies in the move zone; the bottom-right pixel in the right
  // band's lower half (and in no other band).
  const Point press = c.kind == KeyCommand::Move ? Point{W / 2, H / 2} : Point{W - 1, H - 1};
  const Point pointer{window.left + press.x + (c.kind == KeyCommand::Move ? c.dx : c.dw),
                      window.top + press.y + (c.kind == KeyCommand::Move ? c.dy : 0)};
  return DragTo(DragStep{window, press, window, pointer, work, aspect, largestRegionWidth,
                         frameWidth});
}

}  // namespace mirlo
