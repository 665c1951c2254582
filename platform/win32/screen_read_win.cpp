// The display check's look at the screen: the strip checker's own capture,
// made once the popup menu's place shows again what lies under it.

#include <windows.h>

#include "platform/win32/win32_desktop.h"
#include "stripcheck/desk.h"
#include "win/win_facts.h"

namespace mirlo {

namespace {

// Long enough for a busy program, short enough not to hang the viewer on one
// that never answers.
constexpr UINT kAnswerMilliseconds = 1000;

bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

BOOL CALLBACK AddMenuWindow(HWND w, LPARAM data) {
  auto& places = *reinterpret_cast<std::vector<RECT>*>(data);
  wchar_t cls[16] = L"";
  RECT r{};
  // The popup menu's windows are the thread's top-level windows of the
  // system's menu class.
  if (!IsWindowVisible(w) || GetClassNameW(w, cls, 16) == 0 || lstrcmpW(cls, L"#32768") != 0 ||
      !GetWindowRect(w, &r)) {
    return TRUE;
  }
  for (const RECT& p : places) {
    if (EqualRect(&p, &r)) return TRUE;
  }
  places.push_back(r);
  return TRUE;
}

struct Under {
  const std::vector<RECT>* menus;
  std::vector<HWND> windows;
};

// Other threads' visible windows that a menu lay over.
BOOL CALLBACK AddWindowUnder(HWND w, LPARAM data) {
  auto& under = *reinterpret_cast<Under*>(data);
  RECT r{};
  if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId() || !IsWindowVisible(w) ||
      IsIconic(w) || !GetWindowRect(w, &r)) {
    return TRUE;
  }
  for (const RECT& m : *under.menus) {
    if (Overlap(r, m)) {
      under.windows.push_back(w);
      break;
    }
  }
  return TRUE;
}

// A round trip to the window's thread: it has handled what was sent before.
bool Answers(HWND w) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerMilliseconds, &result) != 0;
}

}  // namespace

void Win32Desktop::WaitForComposition() {
  // A composing window system shows what was drawn at its next pass.
  using DwmFlushFn = HRESULT(WINAPI*)();
  if (dwmLibrary_ == nullptr) dwmLibrary_ = LoadSystemLibrary(L"dwmapi.dll");
  const auto flush = dwmLibrary_ != nullptr
                         ? reinterpret_cast<DwmFlushFn>(
                               reinterpret_cast<void*>(GetProcAddress(dwmLibrary_, "DwmFlush")))
                         : nullptr;
  if (flush != nullptr) flush();
}

void Win32Desktop::NoteMenuWindows() {
  EnumThreadWindows(GetCurrentThreadId(), AddMenuWindow, reinterpret_cast<LPARAM>(&menuArea_));
}

void Win32Desktop::PaintUnderMenu() {
  Under under{&menuArea_, {}};
  EnumWindows(AddWindowUnder, reinterpret_cast<LPARAM>(&under));
  menuArea_.clear();
  // Other programs' windows that lay under the menu finish the paints the
  // window system asked of them when it went. One that does not answer is
  // left as it is rather than hang the viewer.
  for (HWND w : under.windows) {
    if (Answers(w)) RedrawWindow(w, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  // The viewer paints its picture whole, after the menu has left the
  // screen: the round trip puts the drawing behind the menu's going.
  WaitForDisplay();
  Repaint();
  WaitForComposition();
}

bool Win32Desktop::ReadScreen(stripcheck::Desk& out) {
  PaintUnderMenu();
  std::string error;
  return stripcheck::LookAtDesk(out, error);
}

}  // namespace mirlo
