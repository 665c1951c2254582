// stripcheck.exe: reads every monitor's picture as the device would and says
// what it finds. A console program beside the viewer.
#include <windows.h>

#include <iostream>

#include "stripcheck/run.h"
#include "win/win_facts.h"

namespace {

// Before anything can load a library: system DLLs from System32 only, never
// from the folder the program was started in.
void LoadLibrariesFromSystemOnly() {
  using SetDirsFn = BOOL(WINAPI*)(DWORD);
  const auto set = reinterpret_cast<SetDirsFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (set) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

int main(int argc, char** argv) {
  LoadLibrariesFromSystemOnly();
  const auto look = [](stripcheck::Desk& desk, std::string& error) {
    if (!stripcheck::CaptureMonitors(desk.monitors, error)) return false;
    desk.viewer = stripcheck::FindViewer();
    return true;
  };
  // Ctrl+C ends the watch through the console's default handler.
  const auto pause = [] {
    Sleep(1000);
    return true;
  };
  return stripcheck::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                         look, pause);
}
