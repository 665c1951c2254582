#pragma once
// The one narrow interface through which the viewer logic reaches the window
// system. The Win32 layer implements it for real; the simulated desktop
// implements it for the native tests.

#include <string>
#include <vector>

#include "platform/desktop_types.h"

namespace mirlo {

// What the window system reports to the viewer window. The window layer only
// translates its messages into these calls.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  virtual void OnPaint() = 0;
  virtual void OnMouseDown(MouseButton button, int x, int y) = 0;
  virtual void OnMouseMove(int x, int y) = 0;
  virtual void OnMouseUp(MouseButton button, int x, int y) = 0;
  virtual void OnDoubleClick() = 0;
  // The mouse capture went to another window without a button release.
  virtual void OnCaptureLost() = 0;
  virtual void OnMenuCommand(int command) = 0;
  virtual void OnSettingChange(unsigned action) = 0;
};

// One entry of a popup menu description; parent 0 means the top level.
struct MenuEntry {
  int id;
  int parent;
  std::string caption;  // Shift-JIS bytes
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // Monitors, in the window system's enumeration order, as taken at start.
  // Indices passed in are always inside the table.
  virtual int MonitorCount() = 0;
  virtual Rect MonitorBoundsAt(int index) = 0;
  virtual Rect MonitorWorkAreaAt(int index) = 0;

  // The viewer window, in desktop pixels.
  virtual Rect WindowBounds() = 0;
  virtual void SetWindowBounds(int left, int top, int width, int height) = 0;
  virtual WindowState GetWindowState() = 0;
  virtual void SetWindowState(WindowState state) = 0;
  virtual void SetTopmost(bool topmost) = 0;
  // No border, no caption bar, empty caption text, style WS_VISIBLE alone.
  virtual void MakeUndecorated() = 0;
  // Invalidates the whole window, erases it in the button-face colour and
  // runs the paint event before returning.
  virtual void Repaint() = 0;

  // Drawing on the client area; only valid during the paint event.
  virtual void FillRect(const Rect& r, Color c) = 0;  // right, bottom excluded
  virtual void DrawLine(Point from, Point to, Color c) = 0;  // end point excluded

  // The popup menu of the viewer window.
  virtual void CreatePopupMenu(const std::vector<MenuEntry>& entries) = 0;
  virtual void SetMenuChecked(int id, bool checked) = 0;
  virtual bool IsMenuChecked(int id) = 0;
  virtual void SetMenuEnabled(int id, bool enabled) = 0;
  virtual bool IsMenuEnabled(int id) = 0;
  virtual void SetMenuCaption(int id, const std::string& caption) = 0;

  // Mouse capture and cursor. SetCapture reports whether a window of this
  // program held the capture before the call.
  virtual bool SetCapture() = 0;
  virtual void ReleaseCapture() = 0;
  virtual Point CursorPos() = 0;
  virtual void SetCursorShape(CursorShape shape) = 0;

  // Private-profile store, by full path; names match without regard to case.
  virtual std::string ReadProfileString(const std::string& section, const std::string& key,
                                        const std::string& fallback, const std::string& path) = 0;
  virtual bool WriteProfileString(const std::string& section, const std::string& key,
                                  const std::string& value, const std::string& path) = 0;

  virtual int ShowMessageBox(const std::string& text, const std::string& caption,
                             unsigned flags) = 0;
  virtual void Sleep(int milliseconds) = 0;
  virtual std::string ModuleFileName() = 0;
  // Asks the message loop to end once it takes the request.
  virtual void RequestQuit() = 0;
};

// What the program entry needs beyond the desktop: the single-instance
// guard, the application object and the message loop.
class Application {
 public:
  virtual ~Application() = default;
  // True when another instance already holds the named guard.
  virtual bool OtherInstanceRunning(const std::string& name) = 0;
  virtual void CreateInstanceGuard(const std::string& name) = 0;
  virtual void ReleaseInstanceGuard() = 0;
  virtual void SetTitle(const std::string& title) = 0;
  // Creates the (not yet shown) viewer window whose events go to `events`.
  virtual void CreateMainWindow(WindowEvents& events) = 0;
  // Runs until the end of the program is requested.
  virtual void RunMessageLoop() = 0;
};

}  // namespace mirlo
