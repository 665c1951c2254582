#pragma once
// A simulated desktop for the native tests: configurable monitors and work
// areas, a pixel canvas for the viewer window, menu state, window state and
// z-order, mouse capture and cursor, a message-box log, a profile store and a
// clock for sleeps. Maximising behaves like a window system that fills only
// the work area, so the viewer has to place a full-screen window itself.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace mirlo {

struct SimMonitor {
  Rect bounds;
  Rect work;
};

// A monitor of w x h at (left, top) with a task bar of `taskbar` rows at its bottom.
SimMonitor MakeMonitor(int32_t left, int32_t top, int32_t w, int32_t h, int32_t taskbar = 0);

struct SimMenuItem {
  int parent = 0;
  std::string caption;
  bool checked = false;
  bool enabled = true;
};

struct SimControl {
  ControlKind kind;
  std::string text;
  bool checked = false;
  bool enabled = true;
  std::vector<std::string> items = {};  // a drop-down list's choices
  int selection = -1;
};

// A form as it was shown, and its controls as they are (or were at closing).
struct SimForm {
  FormDescription description;
  Point position;
  std::map<int, SimControl> controls;
  bool open = true;
};

struct SimMessageBox {
  std::string text;  // the bytes of every piece, each in its own encoding
  std::string caption;
  unsigned flags;
  UserText pieces;
};

class SimDesktop : public Desktop, public Application {
 public:
  explicit SimDesktop(std::vector<SimMonitor> monitors);

  static constexpr Color kButtonFace = 0xD4D0C8;

  // Desktop
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

  // Application
  bool OtherInstanceRunning(const std::string& name) override;
  bool CreateInstanceGuard(const std::string& name) override;
  void ReleaseInstanceGuard() override;
  void SetTitle(const std::string& title) override;
  void CreateMainWindow(WindowEvents& events) override;
  void RunMessageLoop() override;

  // What a user or the window system does to the viewer.
  // A press at client coordinates, reported as the window layer reports it.
  void Press(MouseButton button, int x, int y);
  // The pointer goes to a screen point, kept on the monitors as the window
  // system keeps it. The viewer hears of it while it holds the capture or
  // the pointer is over it; true when it did.
  bool MoveMouseTo(Point screen);
  void Release(MouseButton button);
  // A press of any button at the pointer, reported to the viewer as the
  // window system routes it: while the viewer holds the capture, or when the
  // pointer is over it. False when the press went elsewhere.
  bool PressAtPointer(MouseButton button);
  // A release at the pointer, routed the same way.
  bool ReleaseAtPointer(MouseButton button);
  // Whether the pointer is over the shown viewer window.
  bool PointerOverViewer() const;
  void DoubleClickLeft(int x, int y);
  // Another window takes the mouse capture during a drag.
  void LoseCapture();
  void ChooseMenu(int id);  // refused for a disabled item, as a real menu does
  // A key held for `repeats` key-downs, then released. Key-downs the viewer
  // does not take get the window system's handling: Shift+F10 asks for the
  // popup menu at once, the menu key at its release.
  void PressKey(Key key, KeyModifiers modifiers = {}, int repeats = 1);
  // A key held down for `repeats` key-downs and not released yet, and its
  // release; the modifiers are held meanwhile.
  void KeyDown(Key key, KeyModifiers modifiers = {}, int repeats = 1);
  void KeyUp(Key key);
  // Ctrl goes down (one key-down) or up, and stays so for what follows.
  void HoldControl(bool down);
  // Another window takes the keyboard focus.
  void LoseFocus();
  void BroadcastSettingChange(unsigned action);
  // The monitors change (a new resolution or arrangement) and every window
  // hears of it.
  void ChangeMonitors(std::vector<SimMonitor> monitors);
  // The window system moves the viewer on its own (a display change, a
  // window manager), without telling it.
  void MoveWindowFromOutside(const Rect& bounds);
  // On the open form: Escape, which presses the form's cancel button if any.
  void PressEscape();
  // The window system destroys the viewer while a form is open (a WM_CLOSE
  // from another program): the form goes with it and the program ends.
  void DestroyViewerFromOutside();
  // On the open form: a click as the user makes it (a radio button or check
  // box changes first; a disabled control does nothing).
  void ClickControl(int id);
  // On the open form, as the user does it: new text in an edit field, a
  // choice in a drop-down list, Return (with the focus on no push button,
  // or on the one given), and a key pressed in the form.
  void TypeText(int id, const std::string& text);
  void ChooseItem(int id, int index);
  void PressReturn(int focusedPushButton = 0);
  void PressFormKey(Key key, KeyModifiers modifiers = {});

  // What the tests look at.
  const std::vector<Color>& Canvas() const { return canvas_; }
  int CanvasWidth() const { return canvasWidth_; }
  int CanvasHeight() const { return canvasHeight_; }
  Color PixelAt(int x, int y) const;  // client coordinates
  // The picture a device on monitor `index` would see: the desktop colour with
  // the viewer window drawn where it stands.
  std::vector<Color> MonitorPicture(int index) const;
  // The same into a buffer the caller keeps, for checks after every step.
  void MonitorPictureInto(int index, std::vector<Color>& picture) const;
  WindowState GetWindowState() const { return state_; }
  bool IsTopmost() const { return topmost_; }
  bool IsUndecorated() const { return undecorated_; }
  bool IsVisible() const { return visible_; }
  bool QuitRequested() const { return quitRequested_; }
  bool HasCapture() const { return captured_; }
  CursorShape Cursor() const { return cursor_; }
  const SimMenuItem& MenuItemAt(int id) const { return menu_.at(id); }
  const std::vector<int>& MenuOrder() const { return menuOrder_; }
  const std::vector<SimMessageBox>& MessageBoxes() const { return boxes_; }
  // Every form shown, in order, with its controls as they were at closing.
  const std::vector<SimForm>& Forms() const { return forms_; }
  const std::vector<std::string>& HelpRequests() const { return helpRequests_; }
  // Where the popup menu was opened by the program, in order.
  const std::vector<Point>& PopupMenus() const { return popupMenus_; }
  // Key-downs the viewer left to the window system.
  int KeysPassedOn() const { return keysPassedOn_; }
  // The modifier keys held now (HoldControl).
  KeyModifiers HeldModifiers() const { return held_; }
  // Outer frame of the simulated forms: a border on each side and a caption.
  static constexpr int kFormBorder = 3;
  static constexpr int kFormCaption = 20;
  // The readout as it stands; its picture on the monitors is a plain
  // rectangle in the button face.
  bool ReadoutShown() const { return readoutShown_; }
  const Rect& ReadoutBounds() const { return readoutBounds_; }
  const std::string& ReadoutText() const { return readoutText_; }
  const LabelFont& ReadoutFont() const { return readoutFont_; }
  int ReadoutMeasures() const { return readoutMeasures_; }
  int64_t ElapsedMilliseconds() const { return clockMs_; }
  int PaintCount() const { return paintCount_; }
  // Reads of a monitor's bounds or work area since the start.
  int MonitorReads() const { return monitorReads_; }
  const std::string& Title() const { return title_; }
  bool GuardHeld() const { return guardHeld_; }
  // Every call that changes the window, in order ("bounds 1 2 3 4", "state max", ...).
  const std::vector<std::string>& CallLog() const { return log_; }
  void ClearCallLog() { log_.clear(); }

  // Set-up.
  // Pixels per inch for forms laid out for 96 that scale with the system.
  void SetFormDpi(int dpi) { formDpi_ = dpi; }
  // Keeps no canvas: for runs that look only at the state and the calls, so
  // that windows of any size cost nothing to paint.
  void DrawNothing() { drawNothing_ = true; }
  void SetOtherInstanceRunning(bool running) { otherInstance_ = running; }
  // Another copy creates the guard between this one's check and its create.
  void SetGuardCreatedMeanwhile(bool created) { guardTakenMeanwhile_ = created; }
  void SetReadOnly(const std::string& path, bool readOnly);
  void SetModuleFileName(const std::string& utf8) { modulePath_ = utf8; }
  // Makes every following Sleep fail with this text (none when empty).
  void FailSleepWith(const std::string& message) { sleepFailure_ = message; }
  // Runs during RunMessageLoop, standing in for the user's actions.
  std::function<void()> whileRunning;
  // Runs while a form is open; the form is closed with its close box after.
  std::function<void()> whileFormOpen;
  // The file contents of the profile store, by path (as the window system
  // would write them).
  std::string ProfileFileText(const std::string& path) const;
  void SetProfileFileText(const std::string& path, const std::string& text);
  bool ProfileFileExists(const std::string& path) const;

  // ---- The display check
  // A window of another program in front of the viewer, one colour all over;
  // placed from the back to the front one. The monitors' pictures show it.
  void PlaceWindowInFront(const Rect& bounds, const std::string& name, Color colour);
  void FailScreenReads() { screenReadsFail_ = true; }

 private:
  std::vector<MonitorInfo> Table() const;
  void ResizeCanvas(int width, int height);
  void SetPixel(int x, int y, Color c);
  SimControl& Control(int id);

  std::vector<SimMonitor> monitors_;
  WindowEvents* events_ = nullptr;
  Rect window_{0, 0, 1, 1};
  Rect restoreBounds_{0, 0, 1, 1};
  WindowState state_ = WindowState::Normal;
  bool topmost_ = false;
  bool undecorated_ = false;
  bool visible_ = false;
  std::vector<Color> canvas_;
  int canvasWidth_ = 0, canvasHeight_ = 0;
  bool drawNothing_ = false;
  std::map<int, SimMenuItem> menu_;
  std::vector<int> menuOrder_;
  bool captured_ = false;
  Point cursorPos_;
  CursorShape cursor_ = CursorShape::Default;
  std::vector<SimMessageBox> boxes_;
  std::vector<SimForm> forms_;
  int formDpi_ = 96;
  FormEvents* formEvents_ = nullptr;
  std::vector<std::string> helpRequests_;
  std::vector<Point> popupMenus_;
  int keysPassedOn_ = 0;
  int64_t clockMs_ = 0;
  int paintCount_ = 0;
  int monitorReads_ = 0;
  bool quitRequested_ = false;
  bool otherInstance_ = false;
  bool guardTakenMeanwhile_ = false;
  bool guardHeld_ = false;
  std::string title_;
  std::string modulePath_ = "C:\\Tools\\MirloViewer\\MirloViewer.exe";
  std::vector<std::string> log_;
  std::map<std::string, std::string> files_;  // path -> INI text
  std::map<std::string, bool> readOnly_;
  std::string sleepFailure_;
  std::string clipboard_;
  struct WindowInFront {
    Rect bounds;
    std::string name;
    Color colour;
  };
  std::vector<WindowInFront> inFront_;  // the front one last
  bool screenReadsFail_ = false;
  KeyModifiers held_;  // by HoldControl, or for the key being pressed
  KeyModifiers keyHeld_;  // the modifiers of a key held by KeyDown
  bool readoutShown_ = false;
  Rect readoutBounds_;
  std::string readoutText_;
  LabelFont readoutFont_;
  int readoutMeasures_ = 0;
};

}  // namespace mirlo
