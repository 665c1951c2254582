// Where the program's libraries may come from.

#include <windows.h>

#include "platform/win32/win32_desktop.h"

namespace mirlo {

void KeepDllSearchToSystemFolder() {
  // Only the system folder supplies the libraries loaded from here on: a DLL
  // of a system name planted beside the program (say, in a downloads folder)
  // or in the current folder is never picked up. The call exists from
  // Windows 8 on, and on Windows 7 with its loader update.
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDefault != nullptr) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Also takes the current folder out of the classic search order.
  SetDllDirectoryW(L"");
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
  wchar_t folder[MAX_PATH + 1] = {};
  const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, n) + L"\\" + name;
  return LoadLibraryExW(path.c_str(), nullptr, 0);
}

}  // namespace mirlo
