#include "baseline_window.h"

#include <algorithm>
#include <set>

#include "app/popup_menu.h"
#include "clock.h"
#include "platform/win32/win32_desktop.h"
#include "viewer/colors.h"

namespace mirlo::bench {

namespace {

const wchar_t kBaselineClass[] = L"MirloBaseline";
const wchar_t kBaselineOwnerClass[] = L"MirloBaselineOwner";

// Adds the time since `start` to `sum` when measuring, and starts anew.
void Lap(bool on, LONGLONG& start, LONGLONG& sum) {
  if (!on) return;
  const LONGLONG t = Now();
  sum += t - start;
  start = t;
}

}  // namespace

BaselineWindow::BaselineWindow(HINSTANCE instance) {
  WNDCLASSEXW owner{};
  owner.cbSize = sizeof(owner);
  owner.lpfnWndProc = DefWindowProcW;
  owner.hInstance = instance;
  owner.lpszClassName = kBaselineOwnerClass;
  RegisterClassExW(&owner);
  owner_ = CreateWindowExW(0, kBaselineOwnerClass, L"Baseline", WS_POPUP, -32000, -32000, 0, 0,
                           nullptr, nullptr, instance, nullptr);

  // The viewer window's class: double clicks, arrow cursor, button-face
  // background.
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kBaselineClass;
  RegisterClassExW(&wc);
  // Unowned and a tool window, as the viewer's: the program's entry above
  // stands for it in the task bar.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kBaselineClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                            nullptr, instance, this);
  // Undecorated as the viewer: no style bit but WS_VISIBLE once shown.
  SetWindowLongW(window_, GWL_STYLE, 0);
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  // The same menu, built the same way.
  std::set<int> parents;
  const std::vector<MenuEntry> entries = PopupMenu1Entries();
  for (const MenuEntry& e : entries) parents.insert(e.parent);
  std::map<int, HMENU> menus;
  menu_ = CreatePopupMenu();
  menus[0] = menu_;
  for (const MenuEntry& e : entries) {
    const std::wstring caption = FromShiftJis(e.caption);
    if (parents.count(e.id) != 0) {
      HMENU sub = CreatePopupMenu();
      menus[e.id] = sub;
      AppendMenuW(menus.at(e.parent), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
    } else {
      AppendMenuW(menus.at(e.parent), MF_STRING, UINT_PTR(e.id), caption.c_str());
    }
  }

  // Pens and brushes made once.
  for (Color c : {kRingInner, kRingMiddleLight, kRingOuterLight, kRingMiddleShadow, kRingOuterShadow}) {
    pens_[ColorRefOf(c)] = CreatePen(PS_SOLID, 1, ColorRefOf(c));
  }
  black_ = CreateSolidBrush(RGB(0, 0, 0));
  magenta_ = CreateSolidBrush(RGB(255, 0, 255));
}

BaselineWindow::~BaselineWindow() {
  DestroyMenu(menu_);
  for (const auto& [c, pen] : pens_) DeleteObject(pen);
  DeleteObject(black_);
  DeleteObject(magenta_);
}

std::map<int, MenuMark> BaselineWindow::MenuMarks() const {
  std::map<int, MenuMark> marks;
  for (const PopupMenuItem& i : PopupMenu1()) {
    if (i.handler == nullptr) continue;  // a submenu
    const UINT id = UINT(Id(i.item));
    const UINT state = GetMenuState(menu_, id, MF_BYCOMMAND);
    wchar_t text[100] = {};
    GetMenuStringW(menu_, id, text, 100, MF_BYCOMMAND);
    marks[int(id)] = MenuMark{(state & MF_CHECKED) != 0, (state & (MF_GRAYED | MF_DISABLED)) == 0, text};
  }
  return marks;
}

void BaselineWindow::Become(const Look& look) {
  SetWindowPos(window_, look.topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(window_, nullptr, look.window.left, look.window.top,
               look.window.right - look.window.left, look.window.bottom - look.window.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  for (const auto& [id, m] : look.menu) {
    CheckMenuItem(menu_, UINT(id), MF_BYCOMMAND | (m.checked ? MF_CHECKED : MF_UNCHECKED));
    EnableMenuItem(menu_, UINT(id), MF_BYCOMMAND | (m.enabled ? MF_ENABLED : MF_GRAYED));
    std::wstring text = m.caption;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = &text[0];
    SetMenuItemInfoW(menu_, UINT(id), FALSE, &info);
  }
  Paint(look.picture);
}

std::vector<Change> BaselineWindow::ChangesBetween(const Look& from, const Look& to) const {
  std::vector<Change> changes;
  if (to.topmost != from.topmost) {
    Change c;
    c.kind = Change::ZOrder;
    c.after = to.topmost ? HWND_TOPMOST : HWND_NOTOPMOST;
    changes.push_back(c);
  }
  if (!SameRect(to.window, from.window)) {
    Change c;
    c.kind = Change::Move;
    c.rect = to.window;
    changes.push_back(c);
  }
  for (const auto& [id, m] : to.menu) {
    const MenuMark& was = from.menu.at(id);
    if (m.checked != was.checked) {
      Change c;
      c.kind = Change::Check;
      c.id = UINT(id);
      c.flags = MF_BYCOMMAND | (m.checked ? MF_CHECKED : MF_UNCHECKED);
      changes.push_back(c);
    }
    if (m.enabled != was.enabled) {
      Change c;
      c.kind = Change::Enable;
      c.id = UINT(id);
      c.flags = MF_BYCOMMAND | (m.enabled ? MF_ENABLED : MF_GRAYED);
      changes.push_back(c);
    }
    if (m.caption != was.caption) {
      Change c;
      c.kind = Change::Caption;
      c.id = UINT(id);
      c.caption = m.caption;
      changes.push_back(c);
    }
  }
  return changes;
}

void BaselineWindow::Apply(const std::vector<Change>& changes, const Picture& picture) {
  for (const Change& c : changes) {
    switch (c.kind) {
      case Change::Capture:
        SetCapture(window_);
        break;
      case Change::ZOrder:
        SetWindowPos(window_, c.after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        break;
      case Change::Move:
        MoveWithoutStaleStrip(c.rect);
        break;
      case Change::Check:
        CheckMenuItem(menu_, c.id, c.flags);
        break;
      case Change::Enable:
        EnableMenuItem(menu_, c.id, c.flags);
        break;
      case Change::Caption: {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<wchar_t*>(c.caption.c_str());
        SetMenuItemInfoW(menu_, c.id, FALSE, &info);
        break;
      }
    }
  }
  Paint(picture);
}

void BaselineWindow::Paint(const Picture& picture) {
  picture_ = &picture;
  shownMagenta_ = picture.magenta;
  LONGLONG t = measuringParts_ ? Now() : 0;
  InvalidateRect(window_, nullptr, TRUE);
  Lap(measuringParts_, t, parts_.invalidate);
  UpdateWindow(window_);
  Lap(measuringParts_, t, parts_.update);
}

void BaselineWindow::OnPaint() {
  const bool on = measuringParts_;
  LONGLONG t = on ? Now() : 0;
  const LONGLONG start = t;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  Lap(on, t, parts_.beginPaint);
  const Picture& p = *picture_;
  if (p.hasBlackFill) FillRect(dc, &p.blackFill, black_);
  Lap(on, t, parts_.fills);
  HGDIOBJ originalPen = nullptr;
  COLORREF selected = CLR_INVALID;
  for (const Line& l : p.frame) {
    if (l.colour != selected) {
      HGDIOBJ old = SelectObject(dc, pens_.at(l.colour));
      if (originalPen == nullptr) originalPen = old;
      selected = l.colour;
    }
    MoveToEx(dc, l.from.x, l.from.y, nullptr);
    LineTo(dc, l.to.x, l.to.y);
  }
  Lap(on, t, parts_.frame);
  FillRect(dc, &p.magenta, magenta_);
  Lap(on, t, parts_.fills);
  for (const RECT& cell : p.blackCells) FillRect(dc, &cell, black_);
  Lap(on, t, parts_.cells);
  if (originalPen != nullptr) SelectObject(dc, originalPen);
  EndPaint(window_, &ps);
  Lap(on, t, parts_.endPaint);
  // The same flush as the viewer's layer: the picture reaches the screen
  // before anything else happens.
  GdiFlush();
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, 0);
  Lap(on, t, parts_.flush);
  if (on) {
    ++parts_.paints;
    // The paint ran inside UpdateWindow: keep `update` for the rest of it.
    parts_.update -= t - start;
  }
}

void BaselineWindow::DragStep(const RECT& to, const Picture& picture) {
  RECT now{};
  GetWindowRect(window_, &now);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoA(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &info);
  POINT pointer{};
  GetCursorPos(&pointer);
  MoveWithoutStaleStrip(to);
  Paint(picture);
}

namespace {

// A pixel of the screen read back: a round trip to the display, after which
// what was drawn before is on screen and a move sent before is done.
void WaitForDisplay() {
  HDC screen = GetDC(nullptr);
  GetPixel(screen, 0, 0);
  ReleaseDC(nullptr, screen);
}

}  // namespace

void BaselineWindow::MoveWithoutStaleStrip(const RECT& to) {
  // What the device needs of any program that moves a strip: the strip off
  // the screen before the move, the move on screen before the next paint.
  if (IsWindowVisible(window_)) {
    const RECT& m = shownMagenta_;
    const RECT cells{m.left, m.top, m.left + std::min<LONG>(152, m.right - m.left), m.top + 1};
    HDC dc = GetDC(window_);
    FillRect(dc, &cells, magenta_);
    ReleaseDC(window_, dc);
    GdiFlush();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, 0);
    WaitForDisplay();
  }
  SetWindowPos(window_, nullptr, to.left, to.top, to.right - to.left, to.bottom - to.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // Twice, as the viewer does: the second read-back comes after the move.
  if (IsWindowVisible(window_)) {
    WaitForDisplay();
    WaitForDisplay();
  }
}

LONGLONG BaselineWindow::Quit(const Picture& closing, const std::vector<ProfileWrite>& writes) {
  Paint(closing);
  const LONGLONG start = Now();
  ::Sleep(500);
  const LONGLONG slept = Now() - start;
  for (const ProfileWrite& w : writes) {
    WritePrivateProfileStringA(w.section.c_str(), w.key.c_str(), w.value.c_str(), w.path.c_str());
  }
  PostQuitMessage(0);
  return slept;
}

LRESULT CALLBACK BaselineWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<BaselineWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_PAINT && self != nullptr && self->picture_ != nullptr) {
    self->OnPaint();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace mirlo::bench
