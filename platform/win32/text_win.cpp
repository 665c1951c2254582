#include <windows.h>

#include "platform/win32/win32_desktop.h"

namespace mirlo {

std::wstring FromShiftJis(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int n = MultiByteToWideChar(932, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(size_t(n), L'\0');
  MultiByteToWideChar(932, 0, text.data(), int(text.size()), &wide[0], n);
  return wide;
}

}  // namespace mirlo
