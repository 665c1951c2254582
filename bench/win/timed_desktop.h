#pragma once
// A pass-through desktop between the viewer and the Win32 layer. It times
// the closing strip's hold (so a quit can be measured without it), records
// what reaches the window system that cannot be read back (menu captions,
// settings writes), and, when asked, adds up how long each call takes.
// Passing through costs a virtual call, nanoseconds next to any Win32 call.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace mirlo::bench {

// Every Desktop operation, for the per-call profile.
enum class Call {
  Monitors, WindowBounds, SetWindowBounds,
  SetWindowState, SetTopmost, MakeUndecorated, ShowWindow, Repaint,
  FillRect, DrawLine, FillNow, CreatePopupMenu, SetMenuItem, ShowPopupMenuAt, SetCapture, ReleaseCapture, CursorPos, SetCursorShape,
  ReadProfileString, WriteProfileString, ShowModalForm, SetControlText, SetControlChecked,
  IsControlChecked, SetControlEnabled, CloseForm, ShowHelp, ShowMessageBox, Sleep,
  ModuleFileName, RequestQuit,
  // Typed placement.
  ControlText, SetControlSelection, ControlSelection, ClipboardText, SetClipboardText,
  ReadScreen,
  ReadoutSize, SetReadoutBounds, SetReadoutText, ShowReadout,
  Count
};
const char* CallName(Call c);

struct CallCost {
  long calls = 0;
  LONGLONG exclusive = 0;  // ticks spent in the call itself, not in calls nested in it
};

struct ProfileWrite {
  std::string section, key, value, path;
};

class TimedDesktop : public Desktop {
 public:
  explicit TimedDesktop(Desktop& inner) : inner_(inner) {}

  // Ticks spent in Sleep since the last call.
  LONGLONG TakeSleptTicks();
  // The per-call profile, off by default: costs add up while it is on.
  void ClearProfile();
  void SetProfiling(bool on) { profiling_ = on; }
  const std::vector<CallCost>& Costs() const { return costs_; }
  // Ticks spent inside the outermost calls since the profile was cleared.
  LONGLONG InsideTicks() const { return nested_; }
  // Settings writes, recorded while on.
  void RecordWrites(bool on) { recordWrites_ = on; }
  std::vector<ProfileWrite> TakeWrites();
  // Off: the readout's calls stop here, and the viewer's steps are timed as
  // they were without it.
  void PassReadout(bool on) { passReadout_ = on; }
  // The caption each menu item has in the window system's menu now.
  const std::map<int, std::string>& MenuCaptions() const { return captions_; }

  std::vector<MonitorInfo> Monitors() override;
  Rect WindowBounds() override;
  void SetWindowBounds(const Rect& bounds) override;
  void SetWindowState(WindowState state) override;
  void SetTopmost(bool topmost) override;
  void MakeUndecorated() override;
  void ShowWindow() override;
  void Repaint() override;
  void FillRect(const Rect& r, Color c) override;
  void DrawLine(Point from, Point to, Color c) override;
  void FillNow(const Rect& r, Color c) override;
  void CreatePopupMenu(const std::vector<MenuEntry>& entries) override;
  void SetMenuItem(int id, const MenuItemState& state) override;
  void ShowPopupMenuAt(Point screen) override;
  bool SetCapture() override;
  void ReleaseCapture() override;
  Point CursorPos() override;
  void SetCursorShape(CursorShape shape) override;
  std::string ReadProfileString(const std::string& section, const std::string& key,
                                const std::string& fallback, const std::string& path) override;
  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& path) override;
  void ShowModalForm(const FormDescription& form, FormEvents& events) override;
  void SetControlText(int id, const std::string& text) override;
  void SetControlChecked(int id, bool checked) override;
  bool IsControlChecked(int id) override;
  void SetControlEnabled(int id, bool enabled) override;
  void CloseForm() override;
  void ShowHelp(const std::string& path) override;
  int ShowMessageBox(const UserText& text, const UserText& caption, unsigned flags) override;
  void Sleep(int milliseconds) override;
  std::string ModuleFileName() override;
  void RequestQuit() override;
  std::string ControlText(int id) override;
  void SetControlSelection(int id, int index) override;
  int ControlSelection(int id) override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;
  // ---- The display check
  bool ReadScreen(stripcheck::Desk& out) override;
  // ---- The readout
  Point ReadoutSize(const std::string& text, const LabelFont& font) override;
  void SetReadoutBounds(const Rect& bounds) override;
  void SetReadoutText(const std::string& text, const LabelFont& font) override;
  void ShowReadout(bool shown) override;

 private:
  // Times one call when profiling; calls made while it runs (the paint
  // inside a repaint) are charged to themselves, not to it.
  class Scope {
   public:
    Scope(TimedDesktop& d, Call c);
    ~Scope();

   private:
    TimedDesktop& d_;
    Call c_;
    LONGLONG start_ = 0;
    LONGLONG nestedBefore_ = 0;
  };

  Desktop& inner_;
  LONGLONG slept_ = 0;
  bool profiling_ = false;
  std::vector<CallCost> costs_;
  LONGLONG nested_ = 0;  // inclusive ticks of the calls finished inside the open one
  bool recordWrites_ = false;
  std::vector<ProfileWrite> writes_;
  std::map<int, std::string> captions_;
  bool passReadout_ = true;
};

}  // namespace mirlo::bench
