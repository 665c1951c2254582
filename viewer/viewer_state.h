#pragma once
// The one record of display state that the viewer window owns.

#include <cstdint>

#include "platform/desktop_types.h"

namespace mirlo {

// A stored display state: the last windowed one and the three presets.
struct PresetRecord {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 320;  // region width
  int32_t aspect = 0;
  int32_t monitor = 0;
  int32_t mode = 0;
  bool operator==(const PresetRecord& o) const {
    return left == o.left && top == o.top && width == o.width && aspect == o.aspect &&
           monitor == o.monitor && mode == o.mode;
  }
};

// The region as last painted, relative to its monitor's top-left corner;
// x1 and y1 are inclusive. These are the numbers of the code strip.
struct RegionRecord {
  int32_t x0 = 0, x1 = 0, y0 = 0, y1 = 0, width = 0, height = 0;
  bool operator==(const RegionRecord& o) const {
    return x0 == o.x0 && x1 == o.x1 && y0 == o.y0 && y1 == o.y1 && width == o.width &&
           height == o.height;
  }
};

enum DisplayModes : int32_t {
  kWindowed = 0,
  kFullScreen = 1,
  kFullScreenNormal = 2,
  kFullScreenWide = 3,
};

struct ViewerState {
  int32_t StartupSize = 4;
  bool RememberOnExit = false;
  bool AlwaysOnTop = false;
  PresetRecord Presets[3];
  int32_t WindowLeft = 0;
  int32_t WindowTop = 0;
  int32_t RegionWidth = 320;
  int32_t Aspect = 0;  // 0 normal 4:3, anything else wide 16:9
  int32_t MonitorIndex = 0;
  int32_t DisplayMode = kWindowed;
  PresetRecord LastWindowed;
  int32_t DefaultMonitor = 0;
  int32_t FrameWidth = 3;
  bool Closing = false;
  RegionRecord RegionRect;
  bool DragArmed = false;
  Rect DragStartRect;
  Point DragPressPoint;
  // "位置を固定": the mouse and the keys leave the window where it is.
  bool PositionLocked = false;
  // What keeps the readout up: a drag whose pointer has left the press, or
  // the moving or sizing key whose release ends it. Never stored.
  bool ReadoutByDrag = false;
  bool ReadoutByKey = false;
  Key ReadoutKey = Key::Other;
};

}  // namespace mirlo
