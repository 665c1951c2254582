#include <windows.h>

#include "app/program_entry.h"
#include "platform/win32/win32_desktop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  mirlo::Win32Desktop desktop(instance);
  return mirlo::ProgramEntry(desktop, desktop);
}
