// The start-up baseline: a program that makes, from constants, the calls
// the viewer's start needs for its first picture on one 1920 x 1200 monitor
// with a work area of 1920 x 1160: the single-instance guard, the monitor
// table, the 33 reads of the settings file, the task bar's window, the
// popup menu, the undecorated window at its centred place (797, 457) and
// its paint, then the message loop. None of the viewer's code is linked in.

#include <windows.h>

#include <vector>

namespace {

const wchar_t kOwnerClass[] = L"StartBaselineApp";
const wchar_t kWindowClass[] = L"StartBaseline";

// The 320 x 240 region at (800, 460) of the monitor, lead letter A.
const char kStrip[] =
    "0100000101000010010000110110010000000111001100100010111110101011101100010000";

struct FrameLine {
  COLORREF colour;
  int x0, y0, x1, y1;
};

const FrameLine kFrame[12] = {
    {RGB(200, 208, 212), 2, 2, 324, 2},     {RGB(200, 208, 212), 2, 2, 2, 244},
    {RGB(200, 208, 212), 323, 243, 2, 243}, {RGB(200, 208, 212), 323, 243, 323, 2},
    {RGB(255, 255, 255), 1, 1, 324, 1},     {RGB(255, 255, 255), 1, 1, 1, 244},
    {RGB(226, 239, 241), 0, 0, 325, 0},     {RGB(226, 239, 241), 0, 0, 0, 244},
    {RGB(153, 168, 172), 324, 244, 0, 244}, {RGB(153, 168, 172), 324, 244, 324, 0},
    {RGB(100, 111, 113), 325, 245, -1, 245}, {RGB(100, 111, 113), 325, 245, 325, -1},
};

const char* const kSections[] = {"SaveParameter", "TempParameter", "Pre1Parameter",
                                 "Pre2Parameter", "Pre3Parameter"};
const char* const kKeys[] = {"Full", "Width", "Aspect", "X", "Y", "ScrIdx"};

// The menu as the viewer builds it: 25 items, 4 of them submenus.
struct Item {
  int id, parent;
  const wchar_t* caption;
};
const Item kMenu[] = {
    {1000, 0, L"表示"},         {1001, 1000, L"サイズ"},     {1002, 1001, L"全画面"},
    {1003, 1001, L"全画面（ノーマル）"}, {1004, 1001, L"全画面（ワイド）"},
    {1005, 1001, L"320（ノーマル）"}, {1006, 1001, L"640（ノーマル）"},
    {1007, 1001, L"800（ノーマル）"}, {1008, 1001, L"1024（ノーマル）"},
    {1009, 1001, L"1280（ノーマル）"}, {1010, 1001, L"1440（ノーマル）"},
    {1011, 1000, L"常に最前面"}, {1012, 1000, L"プリセット１"}, {1013, 1000, L"プリセット２"},
    {1014, 1000, L"プリセット３"}, {1015, 1000, L"モニタ間移動"}, {1016, 1000, L"表示情報"},
    {1017, 0, L"アスペクト"},   {1018, 1017, L"ノーマル"},   {1019, 1017, L"ワイド"},
    {1020, 0, L"ヘルプ"},       {1021, 1020, L"ヘルプを表示"}, {1022, 1020, L"バージョン情報"},
    {1023, 0, L"設定"},         {1024, 0, L"終了"},
};

HPEN pens[12];
HBRUSH black, magenta;

BOOL CALLBACK Collect(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoA(monitor, &info);
  reinterpret_cast<std::vector<HMONITOR>*>(data)->push_back(monitor);
  return TRUE;
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HGDIOBJ original = nullptr;
    HPEN selected = nullptr;
    for (int i = 0; i < 12; ++i) {
      if (pens[i] != selected) {
        HGDIOBJ old = SelectObject(dc, pens[i]);
        if (original == nullptr) original = old;
        selected = pens[i];
      }
      MoveToEx(dc, kFrame[i].x0, kFrame[i].y0, nullptr);
      LineTo(dc, kFrame[i].x1, kFrame[i].y1);
    }
    const RECT region{3, 3, 323, 243};
    FillRect(dc, &region, magenta);
    for (int k = 0; k < 76; ++k) {
      if (kStrip[k] == '0') {
        const RECT cell{3 + 2 * k, 3, 5 + 2 * k, 4};
        FillRect(dc, &cell, black);
      }
    }
    SelectObject(dc, original);
    EndPaint(hwnd, &ps);
    GdiFlush();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, 0);
    return 0;
  }
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const char guardName[] = "VELTA-9 Mirlo Viewer";
  if (HANDLE other = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, guardName)) {
    CloseHandle(other);
    return 1;
  }
  HANDLE guard = CreateMutexA(nullptr, TRUE, guardName);

  std::vector<HMONITOR> monitors;
  EnumDisplayMonitors(nullptr, nullptr, Collect, reinterpret_cast<LPARAM>(&monitors));

  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  char* slash = nullptr;
  for (char* p = path; *p != 0; ++p) {
    if (*p == '\\') slash = p;
  }
  lstrcpyA(slash != nullptr ? slash + 1 : path, "veltmirl.ini");
  char value[64];
  GetPrivateProfileStringA("SaveParameter", "Size", "", value, sizeof value, path);
  GetPrivateProfileStringA("saveParameter", "Current", "", value, sizeof value, path);
  GetPrivateProfileStringA("saveParameter", "Front", "", value, sizeof value, path);
  for (const char* section : kSections) {
    for (const char* key : kKeys) GetPrivateProfileStringA(section, key, "", value, sizeof value, path);
  }

  for (int i = 0; i < 12; ++i) {
    pens[i] = i > 0 && kFrame[i].colour == kFrame[i - 1].colour ? pens[i - 1]
                                                                 : CreatePen(PS_SOLID, 1, kFrame[i].colour);
  }
  black = CreateSolidBrush(RGB(0, 0, 0));
  magenta = CreateSolidBrush(RGB(255, 0, 255));

  HMENU menus[2000] = {};
  menus[0] = CreatePopupMenu();
  for (const Item& item : kMenu) {
    bool parent = false;
    for (const Item& other : kMenu) parent = parent || other.parent == item.id;
    if (parent) {
      menus[item.id] = CreatePopupMenu();
      AppendMenuW(menus[item.parent], MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menus[item.id]),
                  item.caption);
    } else {
      AppendMenuW(menus[item.parent], MF_STRING, UINT_PTR(item.id), item.caption);
    }
  }
  CheckMenuItem(menus[0], 1018, MF_BYCOMMAND | MF_CHECKED);   // aspect normal
  EnableMenuItem(menus[0], 1015, MF_BYCOMMAND | MF_GRAYED);   // one monitor only

  HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  WNDCLASSEXW app{};
  app.cbSize = sizeof(app);
  app.lpfnWndProc = DefWindowProcW;
  app.hInstance = instance;
  app.hIcon = icon;
  app.lpszClassName = kOwnerClass;
  RegisterClassExW(&app);
  HWND entry = CreateWindowExW(0, kOwnerClass, L"MirloViewer", WS_POPUP, -32000, -32000, 0, 0,
                               nullptr, nullptr, instance, nullptr);

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  RegisterClassExW(&wc);
  // Unowned and a tool window, as the viewer's; the window above is the
  // program's entry in the task bar.
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                nullptr, instance, nullptr);
  SetWindowLongW(window, GWL_STYLE, 0);
  SetWindowPos(window, nullptr, 797, 457, 326, 246, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(entry, SW_SHOWNA);
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  UpdateWindow(window);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  ReleaseMutex(guard);
  CloseHandle(guard);
  return 0;
}
