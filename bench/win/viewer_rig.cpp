#include "viewer_rig.h"

#include "app/error_box.h"
#include "app/popup_menu.h"

namespace mirlo::bench {

ViewerRig::ViewerRig(HINSTANCE instance) : win_(instance), timed_(win_), form_(timed_) {}

void ViewerRig::Create() {
  win_.SetTitle(kApplicationTitle);
  win_.CreateMainWindow(form_);
  form_.Create();
}

void ViewerRig::Command(int id) { SendMessageW(Window(), WM_COMMAND, WPARAM(id), 0); }

void ViewerRig::Prepare(const std::vector<int>& commands) {
  // The presets keep the always-on-top option: it is cleared first.
  if (MenuMarks().at(Id(MenuItem::N7)).checked) Command(Id(MenuItem::N7));
  for (int id : commands) Command(id);
}

std::map<int, MenuMark> ViewerRig::MenuMarks() {
  std::map<int, MenuMark> marks;
  for (const PopupMenuItem& i : PopupMenu1()) {
    if (i.handler == nullptr) continue;  // a submenu: nothing of it changes
    // Asked of the window system's menu, not of what the viewer remembers.
    const int id = Id(i.item);
    const UINT state = GetMenuState(win_.PopupMenu(), UINT(id), MF_BYCOMMAND);
    marks[id] = MenuMark{(state & MF_CHECKED) != 0, (state & (MF_GRAYED | MF_DISABLED)) == 0,
                         FromShiftJis(timed_.MenuCaptions().at(id))};
  }
  return marks;
}

Look ViewerRig::LookNow() {
  Look look;
  GetWindowRect(Window(), &look.window);
  look.menu = MenuMarks();
  // The band the window belongs in: full screen or always on top. Under
  // Wine an owned window does not always leave the topmost band when told
  // to (see Stage::ShowOnly), so the flag is not read back.
  look.topmost = form_.State().DisplayMode != kWindowed || look.menu.at(Id(MenuItem::N7)).checked;
  look.picture = PictureOf(*form_.View().picture);
  return look;
}

}  // namespace mirlo::bench
