#include "app/form1.h"
#include "dialogs/display_check_text.h"
#include "stripcheck/diagnosis.h"

namespace mirlo {

void TForm1::DisplayCheckClick() {
  // The screen is read as the device sees it: once the menu that chose this
  // item has gone and what lay under it, the viewer too, has painted again.
  LetWindowSystemRun([&] {
    UserText text;
    unsigned flags;
    {
      stripcheck::Desk screen;  // every monitor's picture: let go before the box
      if (!desk_.ReadScreen(screen)) throw UserError("画面を読み取れません");
      const stripcheck::Diagnosis d = stripcheck::Diagnose(screen);
      text = DisplayCheckText(screen, d);
      flags = DisplayCheckFlags(d);
    }
    desk_.ShowMessageBox(text, kDisplayCheckCaption, flags);
  });
}

}  // namespace mirlo
