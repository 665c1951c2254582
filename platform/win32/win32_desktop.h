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

  // Used by the window procedure.
  WindowEvents* Events() { return events_; }
  void Paint();
  bool ApplyCursorOverride();
  // Used by the form's window procedure.
  void FormClicked(int control);
  void FormChanged(int control);
  void FormReturn(int focusedPushButton);
  void FormCancelled();
  void FormClosing();
  void FormDestroying(HWND form);
  // Used by the application window's procedure.
  HWND ViewerWindow() const { return window_; }
  // Read by the benchmarks, which compare the menu with a baseline's.
  HMENU PopupMenu() const { return popup_; }
  // ---- The display check
  // While the popup menu is open: keeps the places of its windows, which the
  // screen shows again only once what lies under them has painted.
  void NoteMenuWindows();
  // Used by the readout's window procedure.
  void PaintReadout();

 private:
  // Makes what was drawn reach the screen now.
  void ShowDrawing();
  // Returns once what was drawn is on the display and a move made before is
  // ahead of what is drawn next.
  void WaitForDisplay();

  HINSTANCE instance_;
  // Drawing and window moves travel to the display separately (Wine on X).
  const bool drawingAndMovesApart_;
  HWND appWindow_ = nullptr;  // the program's entry in the task bar
  HWND window_ = nullptr;
  std::string title_;
  HMENU popup_ = nullptr;
  HANDLE guard_ = nullptr;
  HDC paintDc_ = nullptr;
  HPEN selectedPen_ = nullptr;  // in paintDc_
  std::map<Color, HBRUSH> brushes_;
  std::map<Color, HPEN> pens_;
  HCURSOR cursorOverride_ = nullptr;
  WindowEvents* events_ = nullptr;
  std::vector<HMONITOR> monitors_;
  HWND form_ = nullptr;
  FormEvents* formEvents_ = nullptr;
  const FormDescription* formDescription_ = nullptr;
  bool settingControl_ = false;  // a control's text is being set by the program
  HMODULE helpLibrary_ = nullptr;
  // ---- The display check
  // Returns once a composing window system shows what was drawn.
  void WaitForComposition();
  RECT menuArea_{};  // where the last popup menu's windows stood
  HMODULE dwmLibrary_ = nullptr;
  // The readout, made at first use, and what it draws.
  HWND Readout();
  HFONT ReadoutFont(const LabelFont& font);
  void DrawReadout(HDC dc);
  HWND readout_ = nullptr;
  std::wstring readoutText_;
  HFONT readoutFont_ = nullptr;
  LabelFont readoutFontMade_;
};

// The desktop a window of the program was created with: a window procedure
// asks for it with every message.
Win32Desktop* DesktopOf(HWND hwnd, UINT msg, LPARAM lp);

LRESULT CALLBACK ViewerWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
// A key message's key and the modifiers held with it, for the viewer and its forms.
Key KeyOf(WPARAM virtualKey);
KeyModifiers ModifiersOf(LPARAM keyData);
LRESULT CALLBACK ReadoutWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// The system's pixels per inch, for forms laid out at 96.
int ScreenDpi();
LRESULT CALLBACK ApplicationWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// User-interface texts are Shift-JIS; the wide API shows them on any system.
std::wstring FromShiftJis(const std::string& text);
// What the user typed, for the logic: characters Shift-JIS lacks become '?'.
std::string ToShiftJis(const std::wstring& text);
// Paths travel through the logic as UTF-8 and reach the system as UTF-16.
std::wstring FromUtf8(const std::string& text);
std::string ToUtf8(const std::wstring& text);
std::wstring ToWide(const UserText& text);

// Called first thing at start: libraries come from the system folder only.
void KeepDllSearchToSystemFolder();
// Loads a library by its full path in the system folder.
HMODULE LoadSystemLibrary(const wchar_t* name);

}  // namespace mirlo
