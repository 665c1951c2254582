#pragma once
// The real window system: the desktop and application operations on Win32.

#include <windows.h>

#include <map>
#include <string>

#include "platform/desktop.h"

namespace mirlo {

class Win32Desktop : public Desktop, public Application {
 public:
  explicit Win32Desktop(HINSTANCE instance);
  ~Win32Desktop() override;

  // Desktop
  int MonitorCount() override;
  Rect MonitorBoundsAt(int index) override;
  Rect MonitorWorkAreaAt(int index) override;
  Rect WindowBounds() override;
  void SetWindowBounds(int left, int top, int width, int height) override;
  WindowState GetWindowState() override;
  void SetWindowState(WindowState state) override;
  void SetTopmost(bool topmost) override;
  void MakeUndecorated() override;
  void Repaint() override;
  void FillRect(const Rect& r, Color c) override;
  void DrawLine(Point from, Point to, Color c) override;
  void CreatePopupMenu(const std::vector<MenuEntry>& entries) override;
  void SetMenuChecked(int id, bool checked) override;
  bool IsMenuChecked(int id) override;
  void SetMenuEnabled(int id, bool enabled) override;
  bool IsMenuEnabled(int id) override;
  void SetMenuCaption(int id, const std::string& caption) override;
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
  int ShowMessageBox(const std::string& text, const std::string& caption,
                     unsigned flags) override;
  void Sleep(int milliseconds) override;
  std::string ModuleFileName() override;
  void RequestQuit() override;

  // Application
  bool OtherInstanceRunning(const std::string& name) override;
  void CreateInstanceGuard(const std::string& name) override;
  void ReleaseInstanceGuard() override;
  void SetTitle(const std::string& title) override;
  void CreateMainWindow(WindowEvents& events) override;
  void RunMessageLoop() override;

  // Used by the window procedure.
  WindowEvents* Events() { return events_; }
  void Paint();
  void ShowPopupMenu(LPARAM screenPoint);
  bool ApplyCursorOverride();
  // Used by the form's window procedure.
  void FormClicked(int control);
  void FormClosing();

 private:
  HINSTANCE instance_;
  HWND window_ = nullptr;
  HMENU popup_ = nullptr;
  HANDLE guard_ = nullptr;
  HDC paintDc_ = nullptr;
  HCURSOR cursorOverride_ = nullptr;
  WindowState state_ = WindowState::Normal;
  WindowEvents* events_ = nullptr;
  std::vector<HMONITOR> monitors_;
  HWND form_ = nullptr;
  FormEvents* formEvents_ = nullptr;
  std::vector<int> formRadios_;
  HMODULE helpLibrary_ = nullptr;
};

LRESULT CALLBACK ViewerWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// User-interface texts are Shift-JIS; the wide API shows them on any system.
std::wstring FromShiftJis(const std::string& text);

}  // namespace mirlo
