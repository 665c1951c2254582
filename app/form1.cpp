#include "app/form1.h"

#include "app/error_box.h"
#include "app/popup_menu.h"

namespace mirlo {

TForm1::TForm1(Desktop& desk) : desk_(desk) { desk_.CreatePopupMenu(PopupMenu1Entries()); }

template <typename Handler>
void TForm1::Guarded(Handler&& handler) {
  RunGuarded(desk_, handler);
}

void TForm1::Create() {
  Guarded([this] { FormCreate(); });
  // Laid out and painted unseen, the viewer first appears at its final place.
  if (!ending_) desk_.ShowWindow();
}

void TForm1::Repaint() { desk_.Repaint(); }

void TForm1::OnPaint() {
  Guarded([this] { FormPaint(); });
}

void TForm1::OnMouseDown(MouseButton button, int x, int y) {
  Guarded([&] { FormMouseDown(button, x, y); });
}

void TForm1::OnMouseMove(int, int) {
  Guarded([this] { FormMouseMove(); });
}

void TForm1::OnMouseUp(MouseButton, int, int) {
  Guarded([this] { FormMouseUp(); });
}

bool TForm1::OnKeyDown(Key key, KeyModifiers modifiers) {
  bool taken = true;  // only the viewer's own keys can fail
  Guarded([&] { taken = FormKeyDown(key, modifiers); });
  return taken;
}

void TForm1::OnCaptureLost() {
  Guarded([this] { FormCaptureLost(); });
}

void TForm1::OnDoubleClick() {
  Guarded([this] { FormDblClick(); });
}

void TForm1::OnMenuCommand(int command) {
  for (const PopupMenuItem& i : PopupMenu1()) {
    if (Id(i.item) == command && i.handler != nullptr) {
      Guarded([&] { (this->*i.handler)(); });
      return;
    }
  }
}

void TForm1::OnSettingChange(unsigned action) {
  Guarded([&] { ApplicationEvents1SettingChange(action); });
}

}  // namespace mirlo
