#include <windows.h>

#include <cwchar>

#include "win/win_facts.h"

namespace stripcheck {
namespace {

// Looked up at run time: older systems lack them.
using DwmGetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

constexpr DWORD kDwmExtendedFrameBounds = 9;
constexpr DWORD kDwmCloaked = 14;
constexpr int kEffectiveDpi = 0;

// A system library by full system path, never one lying beside the program.
class SystemLibrary {
 public:
  explicit SystemLibrary(const wchar_t* name)
      : module_(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}
  ~SystemLibrary() {
    if (module_) FreeLibrary(module_);
  }
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;

  template <typename Fn>
  Fn Get(const char* name) const {
    return module_ ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name)))
                   : nullptr;
  }

 private:
  HMODULE module_;
};

struct Search {
  DwmGetWindowAttributeFn dwmAttribute = nullptr;
  HWND viewer = nullptr;
  std::vector<HWND> above;  // topmost first
};

bool Cloaked(const Search& s, HWND w) {
  DWORD cloaked = 0;
  return s.dwmAttribute &&
         s.dwmAttribute(w, kDwmCloaked, &cloaked, sizeof cloaked) == S_OK && cloaked != 0;
}

// What is drawn of the window: without the invisible resize borders that the
// window rectangle includes on newer systems.
Rect ShownRect(const Search& s, HWND w) {
  RECT r{};
  if (!s.dwmAttribute || s.dwmAttribute(w, kDwmExtendedFrameBounds, &r, sizeof r) != S_OK)
    GetWindowRect(w, &r);
  return Rect{r.left, r.top, r.right, r.bottom};
}

std::string Utf8(const wchar_t* text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return std::string();
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], n, nullptr, nullptr);
  out.resize(static_cast<std::size_t>(n - 1));
  return out;
}

std::string WindowName(HWND w) {
  wchar_t text[256] = L"";
  if (GetWindowTextW(w, text, 256) > 0) return Utf8(text);
  GetClassNameW(w, text, 256);
  return "[" + Utf8(text) + "]";
}

// Top-level windows come in z-order, the front one first.
BOOL CALLBACK Visit(HWND w, LPARAM data) {
  auto& s = *reinterpret_cast<Search*>(data);
  if (!IsWindowVisible(w) || IsIconic(w) || Cloaked(s, w)) return TRUE;
  wchar_t cls[16] = L"";
  GetClassNameW(w, cls, 16);
  if (std::wcscmp(cls, L"TForm1") == 0) {
    s.viewer = w;
    return FALSE;
  }
  s.above.push_back(w);
  return TRUE;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

ViewerFacts FindViewer() {
  const SystemLibrary dwm(L"dwmapi.dll");
  const SystemLibrary shcore(L"shcore.dll");
  Search s;
  s.dwmAttribute = dwm.Get<DwmGetWindowAttributeFn>("DwmGetWindowAttribute");
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&s));

  ViewerFacts v;
  if (!s.viewer) return v;
  v.found = true;
  v.rect = ShownRect(s, s.viewer);
  for (HWND w : s.above) {
    const Rect r = ShownRect(s, w);
    if (Overlap(r, v.rect)) v.above.push_back(WindowAbove{r, WindowName(w)});
  }

  const auto dpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  const auto dpiForMonitor = shcore.Get<GetDpiForMonitorFn>("GetDpiForMonitor");
  UINT x = 0, y = 0;
  if (dpiForWindow && dpiForMonitor &&
      dpiForMonitor(MonitorFromWindow(s.viewer, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x,
                    &y) == S_OK) {
    v.windowDpi = static_cast<int>(dpiForWindow(s.viewer));
    v.monitorDpi = static_cast<int>(x);
  }
  return v;
}

}  // namespace stripcheck
