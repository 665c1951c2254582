#include <windows.h>

#include "app/program_entry.h"
#include "platform/win32/win32_desktop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Before anything else can load a library.
  mirlo::KeepDllSearchToSystemFolder();
  mirlo::Win32Desktop desktop(instance);
  return mirlo::ProgramEntry(desktop, desktop);
}
