// The viewer's window procedure: each message becomes one handler call.

#include <windows.h>
#include <windowsx.h>

#include "platform/win32/win32_desktop.h"

namespace mirlo {

LRESULT CALLBACK ViewerWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* desk = reinterpret_cast<Win32Desktop*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  WindowEvents* events = desk != nullptr ? desk->Events() : nullptr;
  const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);

  switch (msg) {
    case WM_PAINT:
      if (desk == nullptr) break;
      desk->Paint();
      return 0;
    case WM_LBUTTONDOWN:
      // Captured before the press is reported: that is what arms a drag.
      ::SetCapture(hwnd);
      if (events) events->OnMouseDown(MouseButton::Left, x, y);
      return 0;
    case WM_LBUTTONDBLCLK:
      ::SetCapture(hwnd);
      if (events) events->OnDoubleClick();
      if (events) events->OnMouseDown(MouseButton::Left, x, y);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      if (events) events->OnMouseDown(MouseButton::Right, x, y);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      if (events) events->OnMouseDown(MouseButton::Middle, x, y);
      return 0;
    case WM_MOUSEMOVE:
      if (events) events->OnMouseMove(x, y);
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
    case WM_CONTEXTMENU:
      if (desk) desk->ShowPopupMenu(lp);
      return 0;
    case WM_COMMAND:
      if (events && HIWORD(wp) == 0) events->OnMenuCommand(LOWORD(wp));
      return 0;
    case WM_SETTINGCHANGE:
      if (events) events->OnSettingChange(static_cast<unsigned>(wp));
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
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* desk = reinterpret_cast<Win32Desktop*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
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
