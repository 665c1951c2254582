#include "app/form1.h"

#include "app/popup_menu.h"

namespace mirlo {

TForm1::TForm1(Desktop& desk, bool quiet)
    : quietDesk_(desk), quiet_(quiet), desk_(quiet ? quietDesk_ : desk) {
  desk_.CreatePopupMenu(PopupMenu1Entries());
}

void TForm1::Create() {
  Handle([this] { FormCreate(); });
  // Laid out and painted unseen, the viewer first appears at its final place.
  if (!ending_) desk_.ShowWindow();
}

void TForm1::OnPaint() {
  // The paint itself: nothing more to leave painted afterwards.
  if (quiet_) quietDesk_.BeginHandler();
  RunGuarded(desk_, [this] { FormPaint(); });
  if (quiet_) quietDesk_.EndHandler();
}

void TForm1::OnMouseDown(MouseButton button, int x, int y) {
  Handle([&] { FormMouseDown(button, x, y); });
}

void TForm1::OnMouseMove(int, int) {
  Handle([this] { FormMouseMove(); });
}

void TForm1::OnMouseUp(MouseButton, int, int) {
  Handle([this] { FormMouseUp(); });
}

bool TForm1::OnKeyDown(Key key, KeyModifiers modifiers) {
  bool taken = true;  // only the viewer's own keys can fail
  Handle([&] { taken = FormKeyDown(key, modifiers); });
  return taken;
}

void TForm1::OnCaptureLost() {
  Handle([this] { FormCaptureLost(); });
}

void TForm1::OnDoubleClick() {
  Handle([this] { FormDblClick(); });
}

void TForm1::OnMenuCommand(int command) {
  for (const PopupMenuItem& i : PopupMenu1()) {
    if (Id(i.item) == command && i.handler != nullptr) {
      Handle([&] { (this->*i.handler)(); });
      return;
    }
  }
}

void TForm1::OnSettingChange(unsigned action) {
  Handle([&] { ApplicationEvents1SettingChange(action); });
}

void TForm1::OnDisplayChange() {
  // The picture on the window was worked out on monitors that are no more:
  // the next paint works it out afresh.
  painted_.reset();
}

}  // namespace mirlo
