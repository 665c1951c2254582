// Modal forms built from their layout descriptions, and the help call.

#include <windows.h>

#include "platform/input.h"
#include "platform/win32/win32_desktop.h"

namespace mirlo {

namespace {

const wchar_t kFormClass[] = L"TMirloForm";
constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

struct ControlStyle {
  const wchar_t* windowClass;
  DWORD style;
  DWORD exStyle = 0;
};

ControlStyle StyleOf(ControlKind kind, bool firstRadio) {
  switch (kind) {
    case ControlKind::Label:
    case ControlKind::FixedLabel: return {L"STATIC", SS_LEFT | SS_NOPREFIX};
    case ControlKind::CentredLabel: return {L"STATIC", SS_CENTER | SS_NOPREFIX};
    case ControlKind::RadioButton:
      // One tab stop for the group, at its first button.
      return {L"BUTTON", BS_AUTORADIOBUTTON | (firstRadio ? DWORD(WS_GROUP | WS_TABSTOP) : DWORD(0))};
    case ControlKind::CheckBox: return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP};
    case ControlKind::PushButton: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP};
    case ControlKind::EditField:
      return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE};
    case ControlKind::DropDownList:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP};
  }
  return {L"STATIC", SS_LEFT};
}

// Where the keyboard focus starts: on the checked radio button, or else on
// the first control in tab order that is not a radio button, since an
// unchecked radio button that gets the focus clicks itself.
HWND FirstFocus(HWND form, const FormDescription& description) {
  if (description.focusControl != 0) return GetDlgItem(form, description.focusControl);
  for (const FormControl& c : description.controls) {
    HWND control = GetDlgItem(form, c.id);
    if (c.kind == ControlKind::RadioButton &&
        SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED) {
      return control;
    }
  }
  for (const FormControl& c : description.controls) {
    HWND control = GetDlgItem(form, c.id);
    const bool focusable = c.kind == ControlKind::CheckBox || c.kind == ControlKind::PushButton;
    if (focusable && IsWindowEnabled(control)) return control;
  }
  return form;
}

}  // namespace

int ScreenDpi() {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : 96;
}

LRESULT CALLBACK FormWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Win32Desktop* desk = DesktopOf(hwnd, msg, lp);
  switch (msg) {
    case WM_COMMAND:
      if (desk && HIWORD(wp) == BN_CLICKED && lp != 0) {
        desk->FormClicked(LOWORD(wp));
      } else if (desk && (HIWORD(wp) == EN_CHANGE || HIWORD(wp) == CBN_SELCHANGE) && lp != 0) {
        desk->FormChanged(LOWORD(wp));
      } else if (desk && LOWORD(wp) == IDCANCEL && lp == 0) {
        desk->FormCancelled();  // Escape
      } else if (desk && LOWORD(wp) == IDOK && lp == 0) {
        // Return, as the dialog keys report it.
        HWND focus = GetFocus();
        const LONG type = GetWindowLongW(focus, GWL_STYLE) & BS_TYPEMASK;
        wchar_t cls[16] = {};
        const bool onPushButton =
            focus != nullptr && IsChild(hwnd, focus) && GetClassNameW(focus, cls, 16) > 0 &&
            lstrcmpiW(cls, L"Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
        desk->FormReturn(onPushButton ? GetDlgCtrlID(focus) : 0);
      }
      return 0;
    case WM_CLOSE:
      if (desk) desk->FormClosing();
      return 0;
    case WM_DESTROY:
      // Destroyed without its close box (the viewer is going): its controls
      // still exist here, so the choices made in it are read now.
      if (desk) desk->FormDestroying(hwnd);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

void Win32Desktop::ShowModalForm(const FormDescription& form, FormEvents& events) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(instance_, kFormClass, &wc)) {
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = FormWindowProc;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFormClass;
    RegisterClassExW(&wc);
  }
  const int dpi = form.scaleWithDpi ? ScreenDpi() : 96;
  auto scaled = [dpi](int v) { return MulDiv(v, dpi, 96); };

  RECT outer{0, 0, scaled(form.clientWidth), scaled(form.clientHeight)};
  AdjustWindowRectEx(&outer, kFormStyle, FALSE, kFormExStyle);
  const int outerW = outer.right - outer.left, outerH = outer.bottom - outer.top;
  const Point at = form.place(outerW, outerH);
  HWND hwnd = CreateWindowExW(kFormExStyle, kFormClass, FromShiftJis(form.caption).c_str(),
                              kFormStyle, at.x, at.y, outerW, outerH, window_, nullptr,
                              instance_, this);
  HFONT font = CreateFontW(-scaled(form.fontHeight), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH, FromShiftJis(form.fontName).c_str());
  HDC measure = GetDC(hwnd);
  HGDIOBJ oldFont = SelectObject(measure, font);
  bool radioSeen = false;
  for (const FormControl& c : form.controls) {
    const ControlStyle cs = StyleOf(c.kind, c.kind == ControlKind::RadioButton && !radioSeen);
    if (c.kind == ControlKind::RadioButton) radioSeen = true;
    const std::wstring caption = FromShiftJis(c.caption);
    int width = scaled(c.width), height = scaled(c.height);
    // A drop-down list's window reaches down over its open list.
    if (c.kind == ControlKind::DropDownList) height *= 1 + int(c.items.size());
    if (c.kind == ControlKind::Label) {
      // Grows to show its whole text in whatever font the system gives.
      SIZE extent{};
      GetTextExtentPoint32W(measure, caption.c_str(), int(caption.size()), &extent);
      if (extent.cx > width) width = extent.cx;
    }
    HWND control = CreateWindowExW(cs.exStyle, cs.windowClass, caption.c_str(),
                                   WS_CHILD | WS_VISIBLE | cs.style, scaled(c.left), scaled(c.top),
                                   width, height, hwnd,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance_,
                                   nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const std::string& item : c.items) {
      SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromShiftJis(item).c_str()));
    }
  }
  SelectObject(measure, oldFont);
  ReleaseDC(hwnd, measure);

  HWND outerForm = form_;
  FormEvents* outerEvents = formEvents_;
  const FormDescription* outerDescription = formDescription_;
  form_ = hwnd;
  formEvents_ = &events;
  formDescription_ = &form;
  auto finish = [&] {
    EnableWindow(window_, TRUE);
    if (form_ != nullptr) DestroyWindow(form_);
    DeleteObject(font);
    form_ = outerForm;
    formEvents_ = outerEvents;
    formDescription_ = outerDescription;
  };
  try {
    events.OnShow();
  } catch (...) {
    finish();
    throw;
  }
  // The viewer takes no input while the form is open, but still paints.
  EnableWindow(window_, FALSE);
  ::ShowWindow(hwnd, SW_SHOW);
  SetFocus(FirstFocus(hwnd, form));
  if (form.focusControl != 0) SendDlgItemMessageW(hwnd, form.focusControl, EM_SETSEL, 0, -1);
  MSG msg;
  while (form_ == hwnd) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending (the work area changed): close the form as its
      // close box would, so its choices are kept, and let the outer loop end.
      FormClosing();
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_KEYDOWN && (msg.hwnd == hwnd || IsChild(hwnd, msg.hwnd)) &&
        FormKeyDown(events, KeyOf(msg.wParam), ModifiersOf(msg.lParam))) {
      continue;
    }
    if (!IsDialogMessageW(hwnd, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  finish();
  SetActiveWindow(window_);
}

void Win32Desktop::FormClicked(int control) {
  if (formEvents_ != nullptr) formEvents_->OnClick(control);
}

void Win32Desktop::FormChanged(int control) {
  if (formEvents_ != nullptr && !settingControl_) formEvents_->OnChange(control);
}

void Win32Desktop::FormReturn(int focusedPushButton) {
  if (formDescription_ == nullptr) return;
  const int pressed = ReturnPresses(*formDescription_, focusedPushButton);
  if (pressed != 0 && IsWindowEnabled(GetDlgItem(form_, pressed))) FormClicked(pressed);
}

void Win32Desktop::FormCancelled() {
  if (formDescription_ != nullptr && formDescription_->cancelControl != 0) {
    FormClicked(formDescription_->cancelControl);
  }
}

void Win32Desktop::FormClosing() {
  if (form_ == nullptr) return;
  HWND closing = form_;
  if (formEvents_ != nullptr) formEvents_->OnClose();
  form_ = nullptr;
  // The owner is enabled first, so that it, not another program, is activated.
  EnableWindow(window_, TRUE);
  DestroyWindow(closing);
}

void Win32Desktop::FormDestroying(HWND form) {
  if (form != form_) return;  // closed already
  if (formEvents_ != nullptr) formEvents_->OnClose();
  form_ = nullptr;
}

void Win32Desktop::SetControlText(int id, const std::string& text) {
  // An edit field reports the program's own change too: not passed on.
  settingControl_ = true;
  SetWindowTextW(GetDlgItem(form_, id), FromShiftJis(text).c_str());
  settingControl_ = false;
}

std::string Win32Desktop::ControlText(int id) {
  HWND control = GetDlgItem(form_, id);
  std::wstring text(size_t(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(control, &text[0], int(text.size()))));
  return ToShiftJis(text);
}

void Win32Desktop::SetControlSelection(int id, int index) {
  SendDlgItemMessageW(form_, id, CB_SETCURSEL, WPARAM(index), 0);
}

int Win32Desktop::ControlSelection(int id) {
  return int(SendDlgItemMessageW(form_, id, CB_GETCURSEL, 0, 0));
}

void Win32Desktop::SetControlChecked(int id, bool checked) {
  if (checked && formDescription_ != nullptr) {
    for (int other : RadioGroupOthers(*formDescription_, id)) {
      SendDlgItemMessageW(form_, other, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  SendDlgItemMessageW(form_, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Desktop::IsControlChecked(int id) {
  return SendDlgItemMessageW(form_, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Desktop::SetControlEnabled(int id, bool enabled) {
  EnableWindow(GetDlgItem(form_, id), enabled ? TRUE : FALSE);
}

void Win32Desktop::CloseForm() {
  if (form_ != nullptr) SendMessageW(form_, WM_CLOSE, 0, 0);
}

void Win32Desktop::ShowHelp(const std::string& path) {
  // The help library comes from the system folder and nowhere else. Its wide
  // entry takes a help file in a folder of any name.
  using HtmlHelpW = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
  constexpr UINT kDisplayTopic = 0;
  if (helpLibrary_ == nullptr) helpLibrary_ = LoadSystemLibrary(L"hhctrl.ocx");
  if (helpLibrary_ == nullptr) return;
  auto htmlHelp = reinterpret_cast<HtmlHelpW>(
      reinterpret_cast<void*>(GetProcAddress(helpLibrary_, "HtmlHelpW")));
  if (htmlHelp != nullptr) htmlHelp(window_, FromUtf8(path).c_str(), kDisplayTopic, 0);
}

}  // namespace mirlo
