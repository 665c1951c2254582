#pragma once
// The baseline: a window of the same class style, window style and
// ownership as the viewer's, driven by plain calls with ready values and none of the
// viewer's logic. Every timed figure of the viewer is set against it.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "look.h"
#include "timed_desktop.h"

namespace mirlo::bench {

// One window-system call that takes the window from one look to another.
struct Change {
  enum Kind { Capture, ZOrder, Move, Check, Enable, Caption };
  Kind kind = Capture;
  HWND after = nullptr;  // ZOrder
  RECT rect{};           // Move
  UINT id = 0, flags = 0;  // Check, Enable, Caption
  std::wstring caption;
};

// Where the time of the baseline's paint goes, summed over the paints made
// while it is on.
struct PaintParts {
  long paints = 0;
  LONGLONG invalidate = 0, update = 0, beginPaint = 0, frame = 0, fills = 0, cells = 0,
           endPaint = 0, flush = 0;
};

class BaselineWindow {
 public:
  explicit BaselineWindow(HINSTANCE instance);
  ~BaselineWindow();
  HWND Window() const { return window_; }
  HWND ProgramEntry() const { return owner_; }
  HMENU Menu() const { return menu_; }

  // Untimed: makes the window look like `look`, every part of it.
  void Become(const Look& look);
  // Worked out before timing: the calls from one look to the other.
  std::vector<Change> ChangesBetween(const Look& from, const Look& to) const;

  // Timed figures.
  // The changes, then one paint of `picture`.
  void Apply(const std::vector<Change>& changes, const Picture& picture);
  // Invalidates the whole window and paints it at once, as the viewer's
  // repaint does.
  void Paint(const Picture& picture);
  // One drag step: the window's rectangle, its monitor's information once,
  // the pointer, the new rectangle and a paint.
  void DragStep(const RECT& to, const Picture& picture);
  // The quit: the closing strip painted, the hold (returned in ticks, for
  // subtraction), the settings written, the end of the loop requested.
  LONGLONG Quit(const Picture& closing, const std::vector<ProfileWrite>& writes);

  std::map<int, MenuMark> MenuMarks() const;

  void StartPaintParts() { parts_ = PaintParts{}; measuringParts_ = true; }
  PaintParts StopPaintParts() { measuringParts_ = false; return parts_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void OnPaint();
  // Moves the shown window so that no strip naming the old place is seen
  // at the new one.
  void MoveWithoutStaleStrip(const RECT& to);

  HWND owner_ = nullptr;  // the program's entry in the task bar, owning nothing
  HWND window_ = nullptr;
  HMENU menu_ = nullptr;
  std::map<COLORREF, HPEN> pens_;
  HBRUSH black_ = nullptr;
  HBRUSH magenta_ = nullptr;
  const Picture* picture_ = nullptr;
  RECT shownMagenta_{};  // the region of the last paint, where its strip is
  bool measuringParts_ = false;
  PaintParts parts_;
};

}  // namespace mirlo::bench
