#pragma once
// One real viewer in the benchmark's process: the Win32 layer, the pass-
// through desktop and TForm1, created the way the program entry creates
// them (without the single-instance guard and the message loop, which the
// benchmark runs itself).

#include <windows.h>

#include <vector>

#include "app/form1.h"
#include "look.h"
#include "platform/win32/win32_desktop.h"
#include "timed_desktop.h"

namespace mirlo::bench {

class ViewerRig {
 public:
  explicit ViewerRig(HINSTANCE instance);
  void Create();

  HWND Window() const { return win_.ViewerWindow(); }
  TForm1& Form() { return form_; }
  TimedDesktop& Timed() { return timed_; }

  // A menu command, as the window procedure gets it from the menu.
  void Command(int id);
  // Into a known state: always on top cleared, then the commands.
  void Prepare(const std::vector<int>& commands);
  // What the viewer shows now: its rectangle, z-order band, menu and the
  // picture a paint would draw.
  Look LookNow();
  std::map<int, MenuMark> MenuMarks();

 private:
  Win32Desktop win_;
  TimedDesktop timed_;
  TForm1 form_;
};

}  // namespace mirlo::bench
