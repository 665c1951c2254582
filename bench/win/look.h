#pragma once
// What a window shows the user and the device: its rectangle, its z-order
// band, its menu and the picture its paint draws. Worked out before any
// timing, so the baseline's timed calls take only ready values.

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "viewer/paint_plan.h"

namespace mirlo::bench {

struct Line {
  COLORREF colour;
  POINT from, to;
};

// One paint's drawing calls, in the order the viewer makes them.
struct Picture {
  bool hasBlackFill = false;
  RECT blackFill{};
  std::vector<Line> frame;
  RECT magenta{};
  std::vector<RECT> blackCells;  // the strip's 0 cells
};

Picture PictureOf(const PaintPicture& p);

struct MenuMark {
  bool checked = false;
  bool enabled = true;
  std::wstring caption;
};

struct Look {
  RECT window{};
  bool topmost = false;  // the band the window belongs in
  std::map<int, MenuMark> menu;  // by command id
  Picture picture;
};

COLORREF ColorRefOf(Color c);
bool SameRect(const RECT& a, const RECT& b);

// The window's pixels as they are now, row by row, 0xRRGGBB.
std::vector<uint32_t> WindowPixels(HWND window);

// A window as the user sees it, taken while it is shown on top. Its z-order
// band is left out: under Wine an owned window keeps the topmost flag after
// HWND_NOTOPMOST depending on what stands above its owner.
struct Snapshot {
  RECT window{};
  std::map<int, MenuMark> menu;
  std::vector<uint32_t> pixels;
};

Snapshot SnapshotOf(HWND window, const std::map<int, MenuMark>& menu);

// Where two snapshots differ, for the check that the baseline shows what
// the viewer shows; empty when they agree.
std::string Difference(const Snapshot& a, const Snapshot& b);

}  // namespace mirlo::bench
