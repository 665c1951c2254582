#include "app/program_entry.h"

#include "app/error_box.h"
#include "app/form1.h"

namespace mirlo {

const char kInstanceGuardName[] = "VELTA-9 Mirlo Viewer";

int ProgramEntry(Application& app, Desktop& desk) {
  if (app.OtherInstanceRunning(kInstanceGuardName)) return 1;
  if (!app.CreateInstanceGuard(kInstanceGuardName)) return 1;
  // An error that escapes outside any handler is shown the same way.
  RunGuarded(
      [&] {
        app.SetTitle(kApplicationTitle);
        TForm1 form(desk);
        app.CreateMainWindow(form);
        form.Create();
        app.RunMessageLoop();
      },
      [&desk](const UserText& message) { ShowErrorBox(desk, message); });
  app.ReleaseInstanceGuard();
  return 0;
}

}  // namespace mirlo
