#pragma once
// Plain value types shared by the logic and both window-system layers.

#include <cstdint>

#include "platform/user_text.h"

namespace mirlo {

// Right and bottom are exclusive, as the window system gives them.
struct Rect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const Rect& o) const { return !(*this == o); }
};

// One monitor as the window system reports it: its bounds on the desktop and
// the part of them that bars such as the task bar leave free.
struct MonitorInfo {
  Rect bounds;
  Rect work;
};

struct Point {
  int32_t x = 0, y = 0;
  bool operator==(const Point& o) const { return x == o.x && y == o.y; }
  bool operator!=(const Point& o) const { return !(*this == o); }
};

// 24-bit colour as 0xRRGGBB.
using Color = uint32_t;

constexpr Color RGB24(uint8_t r, uint8_t g, uint8_t b) {
  return (Color(r) << 16) | (Color(g) << 8) | Color(b);
}

enum class WindowState { Normal, Maximized };
enum class MouseButton { Left, Right, Middle };
enum class CursorShape { Default, HandPoint, SizeWE, SizeNS };

// Keys as the window layer reports them. F10 and Apps (the menu key) are the
// window system's: with Shift and on its own they ask for the popup menu.
// C and V are the letter keys, for Ctrl+C and Ctrl+V; Control is the Ctrl
// key itself, pressed or released on its own.
enum class Key { Left, Right, Up, Down, F1, F10, Apps, Other, C, V, Control };

// The modifier keys held down with a key.
struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// Message-box flags understood by both layers (values as the window system's).
enum MessageBoxFlags : unsigned {
  kMbOk = 0x0,
  kMbIconError = 0x10,
  kMbIconWarning = 0x30,
  kMbIconInformation = 0x40,
};

}  // namespace mirlo
