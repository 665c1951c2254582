#pragma once
// What a user or the window system does to the viewer in one step of a
// session. Actions are drawn from the seed and the desk alone, never from the
// program's state: points on the window are kept as choices (an edge band's
// limit, the middle line, a fraction of the width) that the step resolves
// against the window as it stands, so two builds of the program replay
// exactly the same actions.

#include <cstdint>
#include <string>
#include <vector>

#include "app/popup_menu.h"
#include "platform/sim/sim_desktop.h"
#include "random.h"

namespace mirlo::session {

// Where the pointer goes.
struct PointChoice {
  enum class Kind {
    OnWindow,  // a position on the window, by the codes below
    Screen,    // a desk position (maybe beside the monitors, far outside)
    Recent,    // a position the pointer had a few steps ago
  };
  Kind kind = Kind::OnWindow;
  // OnWindow: per axis, 0..10 pick 0, 19, 20, 21, half - 1, half, half + 1,
  // size - 21, size - 20, size - 19, size - 1; 11 takes `fraction` / 65536
  // of the size.
  int xCode = 11, yCode = 11;
  uint16_t xFraction = 0, yFraction = 0;
  Point screen;     // Screen
  int recent = 0;   // Recent: how many positions back
};

// Clicks inside a dialog while it is open, then how it is closed.
struct DialogPlay {
  std::vector<int> clicks;  // control ids
  enum class Close { CloseBox, Escape, OkButton } close = Close::CloseBox;
};

struct Action {
  enum class Kind {
    Menu,         // opens the popup menu and chooses `item` (None: dismissed)
    DoubleClick,  // left press, release, then the double-click press at `at`
    Press,        // `button` pressed at the pointer after it went to `at`
    Move,         // the pointer goes to `at`
    Release,      // `button` released at the pointer
    LoseCapture,  // another window takes the mouse capture
    SettingChange,
  };
  Kind kind = Kind::Move;
  MenuItem item = MenuItem::None;
  bool byKeyboard = false;  // Menu: the menu key instead of a right click at `at`
  PointChoice at;
  MouseButton button = MouseButton::Left;
  unsigned code = 0;  // SettingChange
  DialogPlay dialog;  // Menu: 設定, 表示情報, バージョン情報
};

Action RandomAction(Rng& rng, const std::vector<SimMonitor>& desk);

std::string Describe(const Action& a);

// The item's component name for reports, in ASCII: texts in the sources are
// compiled to Shift-JIS.
const char* MenuItemName(MenuItem item);

// The pixel a code picks on an axis of the given size.
int32_t OnWindowOffset(int code, uint16_t fraction, int32_t size);

}  // namespace mirlo::session
