#include "platform/win32/win32_desktop.h"

#include <set>

namespace mirlo {

namespace {

const wchar_t kWindowClass[] = L"TForm1";
const wchar_t kApplicationClass[] = L"TApplication";

COLORREF ToColorRef(Color c) { return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  reinterpret_cast<std::vector<HMONITOR>*>(data)->push_back(monitor);
  return TRUE;
}

}  // namespace

Win32Desktop::Win32Desktop(HINSTANCE instance)
    : instance_(instance),
      drawingAndMovesApart_(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") !=
                            nullptr) {
  // The table is taken once, at start, in enumeration order.
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors_));
}

Win32Desktop::~Win32Desktop() {
  if (readout_ != nullptr) DestroyWindow(readout_);
  if (readoutFont_ != nullptr) DeleteObject(readoutFont_);
  if (popup_ != nullptr) DestroyMenu(popup_);
  for (const auto& [colour, brush] : brushes_) DeleteObject(brush);
  for (const auto& [colour, pen] : pens_) DeleteObject(pen);
}

// Asked afresh each time: a docked bar may have changed the work area.
std::vector<MonitorInfo> Win32Desktop::Monitors() {
  std::vector<MonitorInfo> table;
  for (HMONITOR monitor : monitors_) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoA(monitor, &info);
    table.push_back(MonitorInfo{FromRECT(info.rcMonitor), FromRECT(info.rcWork)});
  }
  return table;
}

Rect Win32Desktop::WindowBounds() {
  RECT r{};
  GetWindowRect(window_, &r);
  return FromRECT(r);
}

void Win32Desktop::SetWindowBounds(const Rect& r) {
  SetWindowPos(window_, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  // The paint that follows must not reach the display before the move. The
  // move waits on the window's own connection while the read-back goes on
  // the drawing's: the server may answer the first read-back before it takes
  // the move, but it serves the move, ready since then, ahead of a second.
  if (IsWindowVisible(window_)) {
    WaitForDisplay();
    WaitForDisplay();
  }
}

void Win32Desktop::WaitForDisplay() {
  // Under Wine drawing reaches the X server on one connection and window
  // moves on another, so either can overtake the other. Reading a pixel of
  // the screen back is a round trip on the drawing's connection: what was
  // drawn before it is on screen when it returns.
  if (!drawingAndMovesApart_) return;
  HDC screen = GetDC(nullptr);
  GetPixel(screen, 0, 0);
  ReleaseDC(nullptr, screen);
}

void Win32Desktop::SetWindowState(WindowState) {
  // The maximised state is the viewer's own rather than handed to the window
  // system: some window managers maximise a window without caption to the
  // work area or not at all, while the full-screen viewer must cover exactly
  // its monitor's bounds, which the viewer sets itself right after.
  if (IsZoomed(window_) || IsIconic(window_)) ::ShowWindow(window_, SW_SHOWNORMAL);
}

void Win32Desktop::SetTopmost(bool topmost) {
  SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE);
}

void Win32Desktop::MakeUndecorated() {
  // Still hidden at creation: the style gains WS_VISIBLE when it is shown.
  SetWindowLongW(window_, GWL_STYLE, IsWindowVisible(window_) ? WS_VISIBLE : 0);
  SetWindowTextW(window_, L"");
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
  HGDIOBJ originalPen = GetCurrentObject(paintDc_, OBJ_PEN);
  if (events_ != nullptr) events_->OnPaint();
  SelectObject(paintDc_, originalPen);
  selectedPen_ = nullptr;
  EndPaint(window_, &ps);
  paintDc_ = nullptr;
  ShowDrawing();
}

void Win32Desktop::ShowDrawing() {
  // A paint must reach the screen when it ends, also when the thread blocks
  // right afterwards (a pause the program holds). Some window
  // systems show drawing only once the thread waits; a zero-length wait that
  // handles no message gives them that moment.
  GdiFlush();
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, 0);
}

// Brushes and pens are made once, on first use, and kept for the run.
void Win32Desktop::FillRect(const Rect& r, Color c) {
  if (paintDc_ == nullptr) return;
  HBRUSH& brush = brushes_[c];
  if (brush == nullptr) brush = CreateSolidBrush(ToColorRef(c));
  RECT rc{r.left, r.top, r.right, r.bottom};
  ::FillRect(paintDc_, &rc, brush);
}

void Win32Desktop::DrawLine(Point from, Point to, Color c) {
  if (paintDc_ == nullptr) return;
  HPEN& pen = pens_[c];
  if (pen == nullptr) pen = CreatePen(PS_SOLID, 1, ToColorRef(c));
  if (pen != selectedPen_) {
    SelectObject(paintDc_, pen);
    selectedPen_ = pen;
  }
  MoveToEx(paintDc_, from.x, from.y, nullptr);
  LineTo(paintDc_, to.x, to.y);
}

void Win32Desktop::FillNow(const Rect& r, Color c) {
  if (!IsWindowVisible(window_)) return;
  HDC dc = GetDC(window_);
  HBRUSH& brush = brushes_[c];
  if (brush == nullptr) brush = CreateSolidBrush(ToColorRef(c));
  RECT rc{r.left, r.top, r.right, r.bottom};
  ::FillRect(dc, &rc, brush);
  ReleaseDC(window_, dc);
  ShowDrawing();
  WaitForDisplay();  // the move that follows must not overtake it
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

void Win32Desktop::SetMenuItem(int id, const MenuItemState& state) {
  std::wstring text = FromShiftJis(state.caption);
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE | MIIM_STRING;
  info.fState = (state.checked ? MFS_CHECKED : MFS_UNCHECKED) | (state.enabled ? MFS_ENABLED : MFS_GRAYED);
  info.dwTypeData = &text[0];
  SetMenuItemInfoW(popup_, UINT(id), FALSE, &info);
}

void Win32Desktop::ShowPopupMenuAt(Point p) {
  SetRectEmpty(&menuArea_);
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

namespace {

// A path past the classic limit reaches the store by the short name of its
// folder where the volume keeps short names (some stores refuse longer paths
// in any form), else in its long form.
std::wstring StorePath(const std::string& utf8) {
  const std::wstring path = FromUtf8(utf8);
  if (path.size() < MAX_PATH) return path;
  const size_t cut = path.find_last_of(L'\\');
  if (cut != std::wstring::npos) {
    const std::wstring folder = path.substr(0, cut);
    const DWORD n = GetShortPathNameW(folder.c_str(), nullptr, 0);
    if (n > 0) {
      std::wstring shortFolder(n, L'\0');
      const DWORD got = GetShortPathNameW(folder.c_str(), &shortFolder[0], n);
      shortFolder.resize(got);
      const std::wstring shortPath = shortFolder + path.substr(cut);
      if (got > 0 && got < n && shortPath.size() < MAX_PATH) return shortPath;
    }
  }
  if (path.rfind(L"\\\\?\\", 0) == 0) return path;
  if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
  return L"\\\\?\\" + path;
}

}  // namespace

std::string Win32Desktop::ReadProfileString(const std::string& section, const std::string& key,
                                            const std::string& fallback,
                                            const std::string& path) {
  // The wide entry points take a file in a folder of any name; a new file
  // is still written in the system's ANSI code page, without a byte-order
  // mark, and the names and values are plain ASCII.
  wchar_t buffer[2048];
  GetPrivateProfileStringW(FromUtf8(section).c_str(), FromUtf8(key).c_str(),
                           FromUtf8(fallback).c_str(), buffer, 2048, StorePath(path).c_str());
  return ToUtf8(buffer);
}

bool Win32Desktop::WriteProfileString(const std::string& section, const std::string& key,
                                      const std::string& value, const std::string& path) {
  return WritePrivateProfileStringW(FromUtf8(section).c_str(), FromUtf8(key).c_str(),
                                    FromUtf8(value).c_str(), StorePath(path).c_str()) != FALSE;
}

int Win32Desktop::ShowMessageBox(const UserText& text, const UserText& caption,
                                 unsigned flags) {
  return MessageBoxW(window_, ToWide(text).c_str(), ToWide(caption).c_str(), flags);
}

void Win32Desktop::Sleep(int milliseconds) { ::Sleep(DWORD(milliseconds)); }

std::string Win32Desktop::ModuleFileName() {
  // Grows the buffer until the whole path fits: a path may be longer than
  // the classic limit.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, &path[0], DWORD(path.size()));
    if (n == 0) return std::string();
    if (n < path.size()) return ToUtf8(path.substr(0, n));
    if (path.size() >= 0x10000) return std::string();
    path.resize(path.size() * 2);
  }
}

void Win32Desktop::RequestQuit() { PostQuitMessage(0); }

bool Win32Desktop::OtherInstanceRunning(const std::string& name) {
  HANDLE existing = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str());
  if (existing == nullptr) return false;
  CloseHandle(existing);
  return true;
}

bool Win32Desktop::CreateInstanceGuard(const std::string& name) {
  HANDLE guard = CreateMutexA(nullptr, TRUE, name.c_str());
  // No handle: the guard exists under rights we lack, so another copy holds it.
  if (guard == nullptr) return false;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(guard);
    return false;
  }
  guard_ = guard;
  return true;
}

void Win32Desktop::ReleaseInstanceGuard() {
  if (guard_ == nullptr) return;
  ReleaseMutex(guard_);
  CloseHandle(guard_);
  guard_ = nullptr;
}

void Win32Desktop::SetTitle(const std::string& title) { title_ = title; }

void Win32Desktop::CreateMainWindow(WindowEvents& events) {
  events_ = &events;
  HICON icon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
  HICON smallIcon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON),
                                                  GetSystemMetrics(SM_CYSMICON), 0));
  WNDCLASSEXW app{};
  app.cbSize = sizeof(app);
  app.lpfnWndProc = ApplicationWindowProc;
  app.hInstance = instance_;
  app.hIcon = icon;
  app.hIconSm = smallIcon;
  app.lpszClassName = kApplicationClass;
  RegisterClassExW(&app);
  // The program's one entry in the task bar and in Alt+Tab: an unowned
  // window of no size with the application's title and icon, standing far
  // off every screen, where no window system draws even a pixel of it.
  constexpr int kOffScreen = -32000;
  appWindow_ = CreateWindowExW(0, kApplicationClass, FromShiftJis(title_).c_str(), WS_POPUP,
                               kOffScreen, kOffScreen, 0, 0, nullptr, nullptr, instance_, this);

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = ViewerWindowProc;
  wc.hInstance = instance_;
  wc.hIcon = icon;
  wc.hIconSm = smallIcon;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  RegisterClassExW(&wc);
  // Hidden and borderless until creation has laid it out. A tool window,
  // so that the task bar and Alt+Tab list the program's entry above instead
  // of this window with its empty caption; without a caption bar the style
  // changes nothing else. Unowned, so that nothing holds its z-order to an
  // owner's (some window systems then keep it topmost when told otherwise).
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                            nullptr, instance_, this);
}

void Win32Desktop::ShowWindow() {
  ::ShowWindow(appWindow_, SW_SHOWNA);
  SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  UpdateWindow(window_);
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
  if (readout_ != nullptr) {
    DestroyWindow(readout_);
    readout_ = nullptr;
  }
  if (appWindow_ != nullptr) {
    DestroyWindow(appWindow_);
    appWindow_ = nullptr;
  }
}

}  // namespace mirlo
