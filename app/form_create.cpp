#include "app/form1.h"
#include "app/popup_menu.h"
#include "monitors/monitor_table.h"

namespace mirlo {

void TForm1::FormCreate() {
  state_.FrameWidth = 3;
  if (CountUsableMonitors(Monitors()) < 1) {
    LetWindowSystemRun([this] {
      desk_.ShowMessageBox("VELTA-9を使用可能な解像度の画面がないので起動できません", "警告",
                           kMbOk);
    });
    // The program ends once the message loop takes the request; creation
    // still runs to its end.
    desk_.RequestQuit();
    ending_ = true;
  }
  state_.DefaultMonitor = IsUsableMonitor(Monitors(), 0) ? 0 : NextUsableMonitor(Monitors(), 0);
  view_.menu[Id(MenuItem::N11)].enabled = CountUsableMonitors(Monitors()) >= 2;
  desk_.MakeUndecorated();
  state_.Closing = false;
  state_.DragArmed = false;
  ApplyStartupDisplayState();
  UpdateBounds();
  ApplyWindowState();
  Repaint();
}

}  // namespace mirlo
