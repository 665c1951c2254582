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

// Adds the place of each of the thread's popup menu windows (the system's
// menu class) that is open.
BOOL CALLBACK AddMenuWindow(HWND w, LPARAM area) {
  wchar_t cls[16] = L"";
  RECT r{};
  if (IsWindowVisible(w) && GetClassNameW(w, cls, 16) > 0 && lstrcmpW(cls, L"#32768") == 0 &&
      GetWindowRect(w, &r)) {
    UnionRect(reinterpret_cast<RECT*>(area), reinterpret_cast<RECT*>(area), &r);
  }
  return TRUE;
}

// Another thread's window that the menu lay over finishes the paints the
// window system asked of it when the menu went. One that does not answer is
// left as it is rather than hang the viewer.
BOOL CALLBACK FinishPaintsUnder(HWND w, LPARAM area) {
  RECT r{}, both{};
  DWORD_PTR answer = 0;
  if (GetWindowThreadProcessId(w, nullptr) != GetCurrentThreadId() && IsWindowVisible(w) &&
      GetWindowRect(w, &r) && IntersectRect(&both, &r, reinterpret_cast<RECT*>(area)) &&
      SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerMilliseconds, &answer)) {
    RedrawWindow(w, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  return TRUE;
}

}  // namespace

void Win32Desktop::NoteMenuWindows() {
  EnumThreadWindows(GetCurrentThreadId(), AddMenuWindow, reinterpret_cast<LPARAM>(&menuArea_));
}

void Win32Desktop::WaitForComposition() {
  // A composing window system shows what was drawn at its next pass.
  using DwmFlushFn = HRESULT(WINAPI*)();
  if (dwmLibrary_ == nullptr) dwmLibrary_ = LoadSystemLibrary(L"dwmapi.dll");
  if (dwmLibrary_ == nullptr) return;
  const auto flush =
      reinterpret_cast<DwmFlushFn>(reinterpret_cast<void*>(GetProcAddress(dwmLibrary_, "DwmFlush")));
  if (flush != nullptr) flush();
}

bool Win32Desktop::ReadScreen(stripcheck::Desk& out) {
  if (!IsRectEmpty(&menuArea_)) {
    EnumWindows(FinishPaintsUnder, reinterpret_cast<LPARAM>(&menuArea_));
    SetRectEmpty(&menuArea_);
  }
  // The viewer paints its picture whole once the menu has left the screen:
  // the round trip lets the menu's going reach the display ahead of the
  // drawing (under Wine the two travel apart).
  WaitForDisplay();
  Repaint();
  WaitForComposition();
  std::string error;
  return stripcheck::LookAtDesk(out, error);
}

}  // namespace mirlo
