// The readout's window: one line of text of the viewer's, above other
// windows, out of the way of the focus and the mouse.

#include <windows.h>

#include "platform/win32/win32_desktop.h"

namespace mirlo {

namespace {

const wchar_t kReadoutClass[] = L"TMirloReadout";
constexpr int kPadX = 6, kPadY = 3;  // around the text

}  // namespace

LRESULT CALLBACK ReadoutWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Win32Desktop* desk = DesktopOf(hwnd, msg, lp);
  switch (msg) {
    case WM_PAINT:
      if (desk == nullptr) break;
      desk->PaintReadout();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // the mouse goes to the window below
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND Win32Desktop::Readout() {
  if (readout_ != nullptr) return readout_;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_OWNDC;  // its one device context is kept: drawing a new text asks for nothing
  wc.lpfnWndProc = ReadoutWindowProc;
  wc.hInstance = instance_;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kReadoutClass;
  RegisterClassExW(&wc);
  // Topmost, so it stays in sight beside a viewer that is; a tool window,
  // which the task bar and Alt+Tab leave out; never activated; layered and
  // transparent, which lets the mouse through to whatever lies below.
  readout_ = CreateWindowExW(
      WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT,
      kReadoutClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance_, this);
  SetLayeredWindowAttributes(readout_, 0, 255, LWA_ALPHA);
  return readout_;
}

HFONT Win32Desktop::ReadoutFont(const LabelFont& font) {
  if (readoutFont_ != nullptr && readoutFontMade_ == font) return readoutFont_;
  if (readoutFont_ != nullptr) DeleteObject(readoutFont_);
  // Scaled as the information box's font is.
  readoutFont_ = CreateFontW(-MulDiv(font.height, ScreenDpi(), 96), 0, 0, 0, FW_NORMAL, FALSE,
                             FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                             FromShiftJis(font.name).c_str());
  readoutFontMade_ = font;
  return readoutFont_;
}

Point Win32Desktop::ReadoutSize(const std::string& text, const LabelFont& font) {
  const std::wstring wide = FromShiftJis(text);
  HWND w = Readout();
  HDC dc = GetDC(w);
  HGDIOBJ old = SelectObject(dc, ReadoutFont(font));
  SIZE extent{};
  GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(w, dc);
  return Point{extent.cx + 2 * kPadX, extent.cy + 2 * kPadY};
}

void Win32Desktop::SetReadoutBounds(const Rect& r) {
  SetWindowPos(Readout(), nullptr, r.left, r.top, r.Width(), r.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Desktop::SetReadoutText(const std::string& text, const LabelFont& font) {
  HWND w = Readout();
  readoutText_ = FromShiftJis(text);
  ReadoutFont(font);
  // Its window text too, as a label's: what it shows, for anyone who asks.
  SetWindowTextW(w, readoutText_.c_str());
  if (!IsWindowVisible(w)) return;
  // Drawn at once, without a paint message round the window system.
  HDC dc = GetDC(w);
  DrawReadout(dc);
  ReleaseDC(w, dc);
}

void Win32Desktop::ShowReadout(bool shown) {
  HWND w = Readout();
  if (!shown) {
    SetWindowPos(w, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0,
               SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  UpdateWindow(w);
}

void Win32Desktop::PaintReadout() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(readout_, &ps);
  DrawReadout(dc);
  EndPaint(readout_, &ps);
}

void Win32Desktop::DrawReadout(HDC dc) {
  RECT r{};
  GetClientRect(readout_, &r);
  ::FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
  HGDIOBJ old = SelectObject(dc, readoutFont_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  DrawTextW(dc, readoutText_.c_str(), int(readoutText_.size()), &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  GdiFlush();
}

}  // namespace mirlo
