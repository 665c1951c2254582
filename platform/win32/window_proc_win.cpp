// The viewer's window procedure: each message becomes one handler call.

#include <windows.h>
#include <windowsx.h>

#include "platform/input.h"
#include "platform/win32/win32_desktop.h"

namespace mirlo {

Key KeyOf(WPARAM vk) {
  switch (vk) {
    case VK_LEFT: return Key::Left;
    case VK_RIGHT: return Key::Right;
    case VK_UP: return Key::Up;
    case VK_DOWN: return Key::Down;
    case VK_F1: return Key::F1;
    case VK_F10: return Key::F10;
    case VK_APPS: return Key::Apps;
    case 'C': return Key::C;
    case 'V': return Key::V;
    case VK_CONTROL: return Key::Control;
    default: return Key::Other;
  }
}

KeyModifiers ModifiersOf(LPARAM lp) {
  KeyModifiers m;
  m.shift = GetKeyState(VK_SHIFT) < 0;
  m.ctrl = GetKeyState(VK_CONTROL) < 0;
  m.alt = (HIWORD(lp) & KF_ALTDOWN) != 0;
  return m;
}

Win32Desktop* DesktopOf(HWND hwnd, UINT msg, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  return reinterpret_cast<Win32Desktop*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK ViewerWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Win32Desktop* desk = DesktopOf(hwnd, msg, lp);
  WindowEvents* events = desk != nullptr ? desk->Events() : nullptr;
  const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);

  switch (msg) {
    case WM_PAINT:
      if (desk == nullptr) break;
      desk->Paint();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (events) ButtonDown(*desk, *events, MouseButton::Left, Point{x, y}, msg == WM_LBUTTONDBLCLK);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      if (events) ButtonDown(*desk, *events, MouseButton::Right, Point{x, y}, false);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      if (events) ButtonDown(*desk, *events, MouseButton::Middle, Point{x, y}, false);
      return 0;
    case WM_MOUSEMOVE:
      if (events) {
        KeyModifiers held;
        held.shift = (wp & MK_SHIFT) != 0;
        held.ctrl = (wp & MK_CONTROL) != 0;
        events->OnMouseMove(x, y, held);
      }
      return 0;
    case WM_LBUTTONUP:
      if (events) events->OnMouseUp(MouseButton::Left, x, y);
      return 0;
    case WM_MBUTTONUP:
      if (events) events->OnMouseUp(MouseButton::Middle, x, y);
      return 0;
    case WM_RBUTTONUP:
      if (events) events->OnMouseUp(MouseButton::Right, x, y);
      break;  // the default procedure turns the release into WM_CONTEXTMENU
    case WM_CAPTURECHANGED:
      if (events && reinterpret_cast<HWND>(lp) != hwnd) events->OnCaptureLost();
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // The viewer's own keys end here. Others get the system's handling:
      // Alt+F4, and Shift+F10 and the menu key becoming WM_CONTEXTMENU.
      if (events && events->OnKeyDown(KeyOf(wp), ModifiersOf(lp))) return 0;
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (events) events->OnKeyUp(KeyOf(wp), ModifiersOf(lp));
      break;  // the menu key's release still asks for the popup menu
    case WM_KILLFOCUS:
      if (events) events->OnFocusLost();
      break;
    case WM_SYSCHAR:
      return 0;  // no menu bar: Alt with a letter would only beep
    case WM_HELP:
      return TRUE;  // F1 is the viewer's own key, not a request for its owner
    case WM_CONTEXTMENU:
      // (-1, -1): asked for from the keyboard.
      if (events) {
        events->OnContextMenu(x == -1 && y == -1 ? std::nullopt : std::optional<Point>(Point{x, y}));
      }
      return 0;
    case WM_COMMAND:
      if (events && HIWORD(wp) == 0) events->OnMenuCommand(LOWORD(wp));
      return 0;
    case WM_MENUSELECT:
      // The item chosen at the end is selected while every menu leading to
      // it is open.
      if (desk) desk->NoteMenuWindows();
      break;
    case WM_SETTINGCHANGE:
      if (events) events->OnSettingChange(static_cast<unsigned>(wp));
      return 0;
    case WM_DISPLAYCHANGE:
      if (events) events->OnDisplayChange();
      return 0;
    case WM_SETCURSOR:
      if (desk && desk->ApplyCursorOverride()) return TRUE;
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK ApplicationWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Win32Desktop* desk = DesktopOf(hwnd, msg, lp);
  HWND viewer = desk != nullptr ? desk->ViewerWindow() : nullptr;
  switch (msg) {
    case WM_ACTIVATE:
      // Chosen in the task bar or with Alt+Tab: the viewer, or the box open
      // over it, takes over.
      if (LOWORD(wp) != WA_INACTIVE && viewer != nullptr && IsWindowVisible(viewer)) {
        SetActiveWindow(GetLastActivePopup(viewer));
      }
      return 0;
    case WM_CLOSE:
      // Closing from the task bar closes the viewer as its own close would.
      if (viewer != nullptr) PostMessageW(viewer, WM_CLOSE, 0, 0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace mirlo
