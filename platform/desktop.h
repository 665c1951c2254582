#pragma once
// The one narrow interface through which the viewer logic reaches the window
// system. The Win32 layer implements it for real; the simulated desktop
// implements it for the native tests.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop_types.h"

namespace stripcheck {
struct Desk;
}  // namespace stripcheck

namespace mirlo {

// What the window system reports to the viewer window. The window layer only
// translates its messages into these calls.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  virtual void OnPaint() = 0;
  virtual void OnMouseDown(MouseButton button, int x, int y) = 0;
  // held: the keys the mouse message carries, Shift and Ctrl (never Alt).
  virtual void OnMouseMove(int x, int y, KeyModifiers held) = 0;
  virtual void OnMouseUp(MouseButton button, int x, int y) = 0;
  virtual void OnDoubleClick() = 0;
  // A key went down (again, while held). True when the viewer took it, so the
  // window system does nothing more with it.
  virtual bool OnKeyDown(Key key, KeyModifiers modifiers) = 0;
  // The mouse capture went to another window without a button release.
  virtual void OnCaptureLost() = 0;
  // The popup menu is asked for: at a desktop point by the mouse, or from
  // the keyboard (Shift+F10, the menu key) with no point.
  virtual void OnContextMenu(std::optional<Point> screen) = 0;
  virtual void OnMenuCommand(int command) = 0;
  virtual void OnSettingChange(unsigned action) = 0;
  // The desk's monitors changed: resolution, arrangement or number.
  virtual void OnDisplayChange() = 0;

  // ---- Added with the readout: the end of a key press, the end of the focus.
  // A key went up. The window system still handles it afterwards.
  virtual void OnKeyUp(Key key, KeyModifiers modifiers) = 0;
  // The keyboard focus went to another window: no key-up of a key held now
  // will come.
  virtual void OnFocusLost() = 0;
};

// One entry of a popup menu description; parent 0 means the top level.
struct MenuEntry {
  int id;
  int parent;
  std::string caption;  // Shift-JIS bytes
};

// What a menu item shows besides its place in the menu.
struct MenuItemState {
  bool checked = false;
  bool enabled = true;
  std::string caption;  // Shift-JIS bytes
  bool operator==(const MenuItemState& o) const {
    return checked == o.checked && enabled == o.enabled && caption == o.caption;
  }
  bool operator!=(const MenuItemState& o) const { return !(*this == o); }
};

// A font by face name (Shift-JIS bytes) and character height in pixels, for
// 96 pixels per inch.
struct LabelFont {
  std::string name;
  int height = 0;
  bool operator==(const LabelFont& o) const { return name == o.name && height == o.height; }
};

// A modal form built from a fixed layout, in pixels of its client area.
// A Label grows to fit its text; fixed and centred labels keep their size.
// An EditField is a one-line text field; a DropDownList a closed list whose
// height is that of its closed box.
enum class ControlKind {
  Label, FixedLabel, CentredLabel, RadioButton, CheckBox, PushButton,
  EditField, DropDownList,
};

struct FormControl {
  int id;
  ControlKind kind;
  int left, top, width, height;
  std::string caption;  // Shift-JIS bytes
  std::vector<std::string> items = {};  // a DropDownList's choices, Shift-JIS bytes
};

struct FormDescription {
  std::string caption;
  int clientWidth, clientHeight;
  bool scaleWithDpi;  // laid out for 96 pixels per inch, scaled for other settings
  std::string fontName;
  int fontHeight;
  std::vector<FormControl> controls;  // in tab order; all radio buttons form one group
  // The outer top-left corner for a form of this outer size.
  std::function<Point(int outerWidth, int outerHeight)> place;
  // The push button that Escape presses; 0 when Escape does nothing.
  int cancelControl = 0;
  // The push button that Return presses while the focus is on no push
  // button; 0 when Return then does nothing.
  int defaultControl = 0;
  // The control that has the focus first, its text selected; 0: the checked
  // radio button, else the first check box or push button.
  int focusControl = 0;
};

// What an open form reports. The controls are set up in OnShow, before the
// form appears, and read back in OnClose, before it goes.
class FormEvents {
 public:
  virtual ~FormEvents() = default;
  virtual void OnShow() = 0;
  virtual void OnClick(int control) = 0;
  virtual void OnClose() = 0;
  // The user changed an edit field's text or a drop-down list's choice
  // (what the program sets itself is not reported).
  virtual void OnChange(int /*control*/) {}
  // Ctrl+V anywhere in the form. True when the form took the clipboard's
  // text itself; otherwise the focused control pastes it as usual.
  virtual bool OnPaste() { return false; }
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // The monitors of the table taken at start, in the window system's
  // enumeration order, each with its bounds and work area as they are now:
  // one call per monitor.
  virtual std::vector<MonitorInfo> Monitors() = 0;

  // The viewer window, in desktop pixels. Only the viewer changes its
  // window, so the window is as it was last set, unless the window system
  // moved it on its own.
  virtual Rect WindowBounds() = 0;
  virtual void SetWindowBounds(const Rect& bounds) = 0;
  virtual void SetWindowState(WindowState state) = 0;
  virtual void SetTopmost(bool topmost) = 0;
  // No border, no caption bar, empty caption text, style WS_VISIBLE alone
  // once shown.
  virtual void MakeUndecorated() = 0;
  // The viewer is created hidden and laid out unseen; this shows it where it
  // stands and paints it, so it first appears at its final place.
  virtual void ShowWindow() = 0;
  // Invalidates the whole shown window, erases it in the button-face colour
  // and runs the paint event before returning.
  virtual void Repaint() = 0;

  // Drawing on the client area; only valid during the paint event.
  virtual void FillRect(const Rect& r, Color c) = 0;  // right, bottom excluded
  virtual void DrawLine(Point from, Point to, Color c) = 0;  // end point excluded
  // Outside a paint: fills the rectangle (window coordinates) of the shown
  // window at once and returns when that is on screen, ahead of any move
  // made after it.
  virtual void FillNow(const Rect& r, Color c) = 0;

  // The popup menu of the viewer window.
  virtual void CreatePopupMenu(const std::vector<MenuEntry>& entries) = 0;
  virtual void SetMenuItem(int id, const MenuItemState& state) = 0;
  // Opens the popup menu with its top-left corner at a desktop point and
  // returns once it is closed (a chosen item arrives as a menu command).
  virtual void ShowPopupMenuAt(Point screen) = 0;

  // Mouse capture and cursor. SetCapture reports whether a window of this
  // program held the capture before the call.
  virtual bool SetCapture() = 0;
  virtual void ReleaseCapture() = 0;
  virtual Point CursorPos() = 0;
  virtual void SetCursorShape(CursorShape shape) = 0;

  // Private-profile store, by full path; names match without regard to case.
  // Paths here and below are UTF-8; section, key and value texts are ASCII.
  virtual std::string ReadProfileString(const std::string& section, const std::string& key,
                                        const std::string& fallback, const std::string& path) = 0;
  virtual bool WriteProfileString(const std::string& section, const std::string& key,
                                  const std::string& value, const std::string& path) = 0;

  // Shows the form modally, owned by the viewer, and returns once it is
  // closed; the viewer takes no input meanwhile but still paints. The control
  // operations act on the open form.
  virtual void ShowModalForm(const FormDescription& form, FormEvents& events) = 0;
  virtual void SetControlText(int id, const std::string& text) = 0;
  // Checking a radio button unchecks the others of the form.
  virtual void SetControlChecked(int id, bool checked) = 0;
  virtual bool IsControlChecked(int id) = 0;
  virtual void SetControlEnabled(int id, bool enabled) = 0;
  virtual void CloseForm() = 0;
  // Opens the compiled help file at its default topic; returns at once.
  virtual void ShowHelp(const std::string& path) = 0;

  virtual int ShowMessageBox(const UserText& text, const UserText& caption,
                             unsigned flags) = 0;
  virtual void Sleep(int milliseconds) = 0;
  // The running program file's full path, whole however long it is.
  virtual std::string ModuleFileName() = 0;
  // Asks the message loop to end once it takes the request.
  virtual void RequestQuit() = 0;

  // ---- Typed placement: the fields of its form, and the clipboard.
  // An edit field's text, Shift-JIS bytes; characters that Shift-JIS lacks
  // read as '?'.
  virtual std::string ControlText(int id) = 0;
  // A drop-down list's choice by its index; -1 for none.
  virtual void SetControlSelection(int id, int index) = 0;
  virtual int ControlSelection(int id) = 0;
  // Plain text on the clipboard, UTF-8; empty when it holds none.
  virtual std::string ClipboardText() = 0;
  // Puts the text on the clipboard in place of what it held.
  virtual void SetClipboardText(const std::string& text) = 0;
  // ---- The display check ("表示の確認")
  // Reads every monitor's picture as the screen shows it now, with the
  // viewer's window and the windows in front of it, once the viewer and the
  // windows the popup menu lay over have painted again. Lets the window
  // system run. False when the screen cannot be read.
  virtual bool ReadScreen(stripcheck::Desk& out) = 0;
  // ---- The readout
  // The readout: a small borderless window of its own that shows one line of
  // text above other windows while a drag or a key step is under way. It
  // never takes the focus or the mouse and has no entry in the task bar. It
  // is made, hidden, at the first of these calls.
  // The outer size that shows `text` whole in `font`, scaled as the forms
  // that scale are for the system's pixels per inch.
  virtual Point ReadoutSize(const std::string& text, const LabelFont& font) = 0;
  virtual void SetReadoutBounds(const Rect& bounds) = 0;
  // A shown readout shows the new text before the call returns.
  virtual void SetReadoutText(const std::string& text, const LabelFont& font) = 0;
  // Shown (and drawn before the call returns) or hidden, activating nothing.
  virtual void ShowReadout(bool shown) = 0;
};

// What the program entry needs beyond the desktop: the single-instance
// guard, the application object and the message loop.
class Application {
 public:
  virtual ~Application() = default;
  // True when another instance already holds the named guard.
  virtual bool OtherInstanceRunning(const std::string& name) = 0;
  // Creates the guard, owned by this instance. False when it exists already:
  // another copy started at the same moment got there first.
  virtual bool CreateInstanceGuard(const std::string& name) = 0;
  virtual void ReleaseInstanceGuard() = 0;
  virtual void SetTitle(const std::string& title) = 0;
  // Creates the (not yet shown) viewer window whose events go to `events`.
  virtual void CreateMainWindow(WindowEvents& events) = 0;
  // Runs until the end of the program is requested.
  virtual void RunMessageLoop() = 0;
};

}  // namespace mirlo
