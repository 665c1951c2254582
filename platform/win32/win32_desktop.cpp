#include "platform/win32/win32_desktop.h"

#include <set>

namespace mirlo {

namespace {

const wchar_t kWindowClass[] = L"TForm1";

COLORREF ToColorRef(Color c) { return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  reinterpret_cast<std::vector<HMONITOR>*>(data)->push_back(monitor);
  return TRUE;
}

MONITORINFO InfoOf(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoA(monitor, &info);
  return info;
}

}  // namespace

Win32Desktop::Win32Desktop(HINSTANCE instance) : instance_(instance) {
  // The table is taken once, at start, in enumeration order.
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors_));
}

Win32Desktop::~Win32Desktop() {
  if (popup_ != nullptr) DestroyMenu(popup_);
}

int Win32Desktop::MonitorCount() { return static_cast<int>(monitors_.size()); }

// Asked afresh each time: a docked bar may have changed the work area.
Rect Win32Desktop::MonitorBoundsAt(int index) { return FromRECT(InfoOf(monitors_.at(index)).rcMonitor); }

Rect Win32Desktop::MonitorWorkAreaAt(int index) { return FromRECT(InfoOf(monitors_.at(index)).rcWork); }

Rect Win32Desktop::WindowBounds() {
  RECT r{};
  GetWindowRect(window_, &r);
  return FromRECT(r);
}

void Win32Desktop::SetWindowBounds(int left, int top, int width, int height) {
  SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

WindowState Win32Desktop::GetWindowState() { return state_; }

void Win32Desktop::SetWindowState(WindowState state) {
  // The maximised state is kept here rather than handed to the window system:
  // some window managers maximise a window without caption to the work area
  // or not at all, while the full-screen viewer must cover exactly its
  // monitor's bounds, which the viewer sets itself right after.
  state_ = state;
  if (IsZoomed(window_) || IsIconic(window_)) ShowWindow(window_, SW_SHOWNORMAL);
}

void Win32Desktop::SetTopmost(bool topmost) {
  SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE);
}

void Win32Desktop::MakeUndecorated() {
  // A window restyled before it was ever shown is not painted under some
  // window systems, so it is shown first.
  if (!IsWindowVisible(window_)) ShowWindow(window_, SW_SHOWNORMAL);
  SetWindowLongA(window_, GWL_STYLE, WS_VISIBLE);
  SetWindowTextA(window_, "");
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Desktop::Repaint() {
  InvalidateRect(window_, nullptr, TRUE);
  UpdateWindow(window_);
}

void Win32Desktop::Paint() {
  PAINTSTRUCT ps;
  paintDc_ = BeginPaint(window_, &ps);
  if (events_ != nullptr) events_->OnPaint();
  EndPaint(window_, &ps);
  paintDc_ = nullptr;
  // The strip must reach the screen at the end of every paint, also when the
  // thread blocks right afterwards (the closing strip's pause). Some window
  // systems show drawing only once the thread waits; a zero-length wait that
  // handles no message gives them that moment.
  GdiFlush();
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, 0);
}

void Win32Desktop::FillRect(const Rect& r, Color c) {
  if (paintDc_ == nullptr) return;
  HBRUSH brush = CreateSolidBrush(ToColorRef(c));
  RECT rc{r.left, r.top, r.right, r.bottom};
  ::FillRect(paintDc_, &rc, brush);
  DeleteObject(brush);
}

void Win32Desktop::DrawLine(Point from, Point to, Color c) {
  if (paintDc_ == nullptr) return;
  HPEN pen = CreatePen(PS_SOLID, 1, ToColorRef(c));
  HGDIOBJ old = SelectObject(paintDc_, pen);
  MoveToEx(paintDc_, from.x, from.y, nullptr);
  LineTo(paintDc_, to.x, to.y);
  SelectObject(paintDc_, old);
  DeleteObject(pen);
}

void Win32Desktop::CreatePopupMenu(const std::vector<MenuEntry>& entries) {
  std::set<int> parents;
  for (const MenuEntry& e : entries) parents.insert(e.parent);
  std::map<int, HMENU> menus;
  popup_ = ::CreatePopupMenu();
  menus[0] = popup_;
  for (const MenuEntry& e : entries) {
    HMENU parent = menus.at(e.parent);
    const std::wstring caption = FromShiftJis(e.caption);
    if (parents.count(e.id) != 0) {
      HMENU sub = ::CreatePopupMenu();
      menus[e.id] = sub;
      AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
    } else {
      AppendMenuW(parent, MF_STRING, static_cast<UINT_PTR>(e.id), caption.c_str());
    }
  }
}

void Win32Desktop::SetMenuChecked(int id, bool checked) {
  CheckMenuItem(popup_, UINT(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool Win32Desktop::IsMenuChecked(int id) {
  return (GetMenuState(popup_, UINT(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void Win32Desktop::SetMenuEnabled(int id, bool enabled) {
  EnableMenuItem(popup_, UINT(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool Win32Desktop::IsMenuEnabled(int id) {
  return (GetMenuState(popup_, UINT(id), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

void Win32Desktop::SetMenuCaption(int id, const std::string& caption) {
  std::wstring text = FromShiftJis(caption);
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = &text[0];
  SetMenuItemInfoW(popup_, UINT(id), FALSE, &info);
}

void Win32Desktop::ShowPopupMenu(LPARAM screenPoint) {
  POINT p{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  if (screenPoint == -1) {  // from the keyboard: at the window's corner
    RECT r{};
    GetWindowRect(window_, &r);
    p = POINT{r.left, r.top};
  }
  // Without the foreground the menu would not close when clicked elsewhere.
  SetForegroundWindow(window_);
  TrackPopupMenu(popup_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, p.x, p.y, 0, window_,
                 nullptr);
  PostMessageW(window_, WM_NULL, 0, 0);
}

bool Win32Desktop::SetCapture() { return ::SetCapture(window_) != nullptr; }

void Win32Desktop::ReleaseCapture() { ::ReleaseCapture(); }

Point Win32Desktop::CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return Point{p.x, p.y};
}

void Win32Desktop::SetCursorShape(CursorShape shape) {
  switch (shape) {
    case CursorShape::HandPoint: cursorOverride_ = LoadCursor(nullptr, IDC_HAND); break;
    case CursorShape::SizeWE: cursorOverride_ = LoadCursor(nullptr, IDC_SIZEWE); break;
    case CursorShape::SizeNS: cursorOverride_ = LoadCursor(nullptr, IDC_SIZENS); break;
    case CursorShape::Default: cursorOverride_ = nullptr; break;
  }
  SetCursor(cursorOverride_ != nullptr ? cursorOverride_ : LoadCursor(nullptr, IDC_ARROW));
}

bool Win32Desktop::ApplyCursorOverride() {
  if (cursorOverride_ == nullptr) return false;
  SetCursor(cursorOverride_);
  return true;
}

std::string Win32Desktop::ReadProfileString(const std::string& section, const std::string& key,
                                            const std::string& fallback,
                                            const std::string& path) {
  char buffer[2048];
  GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer,
                           sizeof(buffer), path.c_str());
  return buffer;
}

bool Win32Desktop::WriteProfileString(const std::string& section, const std::string& key,
                                      const std::string& value, const std::string& path) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) !=
         FALSE;
}

int Win32Desktop::ShowMessageBox(const std::string& text, const std::string& caption,
                                 unsigned flags) {
  return MessageBoxW(window_, FromShiftJis(text).c_str(), FromShiftJis(caption).c_str(), flags);
}

void Win32Desktop::Sleep(int milliseconds) { ::Sleep(DWORD(milliseconds)); }

std::string Win32Desktop::ModuleFileName() {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

void Win32Desktop::RequestQuit() { PostQuitMessage(0); }

bool Win32Desktop::OtherInstanceRunning(const std::string& name) {
  HANDLE existing = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str());
  if (existing == nullptr) return false;
  CloseHandle(existing);
  return true;
}

void Win32Desktop::CreateInstanceGuard(const std::string& name) {
  guard_ = CreateMutexA(nullptr, TRUE, name.c_str());
}

void Win32Desktop::ReleaseInstanceGuard() {
  if (guard_ == nullptr) return;
  ReleaseMutex(guard_);
  CloseHandle(guard_);
  guard_ = nullptr;
}

void Win32Desktop::SetTitle(const std::string&) {}

void Win32Desktop::CreateMainWindow(WindowEvents& events) {
  events_ = &events;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = ViewerWindowProc;
  wc.hInstance = instance_;
  wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  RegisterClassExW(&wc);
  // Hidden and borderless until creation lays it out.
  window_ = CreateWindowExW(0, kWindowClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                            instance_, this);
}

void Win32Desktop::RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // The viewer's handlers go with the loop; the window follows at once.
  events_ = nullptr;
  if (window_ != nullptr) {
    DestroyWindow(window_);
    window_ = nullptr;
  }
}

}  // namespace mirlo
