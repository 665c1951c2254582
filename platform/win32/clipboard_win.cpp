// The clipboard: plain text as the system keeps it, in UTF-16.

#include <windows.h>

#include <cstring>

#include "platform/win32/win32_desktop.h"

namespace mirlo {

std::string Win32Desktop::ClipboardText() {
  // Like any other call of the window system its failure is not looked at:
  // a clipboard that another program holds open reads as empty.
  if (!OpenClipboard(window_)) return std::string();
  std::string text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = ToUtf8(wide);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void Win32Desktop::SetClipboardText(const std::string& text) {
  const std::wstring wide = FromUtf8(text);
  if (!OpenClipboard(window_)) return;
  EmptyClipboard();
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
  void* at = data != nullptr ? GlobalLock(data) : nullptr;
  if (at != nullptr) {
    std::memcpy(at, wide.c_str(), bytes);
    GlobalUnlock(data);
    // The clipboard owns the memory once it takes it.
    if (SetClipboardData(CF_UNICODETEXT, data) != nullptr) data = nullptr;
  }
  if (data != nullptr) GlobalFree(data);
  CloseClipboard();
}

}  // namespace mirlo
