#include "app/program_entry.h"

#include "app/error_box.h"
#include "app/form1.h"

namespace mirlo {

const char kInstanceGuardName[] = "VELTA-9 Mirlo Viewer";

int ProgramEntry(Application& app, Desktop& desk) {
  if (app.OtherInstanceRunning(kInstanceGuardName)) return 1;
  app.CreateInstanceGuard(kInstanceGuardName);
  try {
    app.SetTitle(kApplicationTitle);
    TForm1 form(desk);
    app.CreateMainWindow(form);
    form.Create();
    app.RunMessageLoop();
  } catch (const std::exception& e) {
    ShowErrorBox(desk, e.what());
  } catch (...) {
    ShowErrorBox(desk, "");
  }
  app.ReleaseInstanceGuard();
  return 0;
}

}  // namespace mirlo
