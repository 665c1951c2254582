#include "app/form1.h"
#include "app/popup_menu.h"

namespace mirlo {

// The mouse and the keys ask PlacedByHand; the menu's commands place the
// viewer as ever.
void TForm1::LockPositionClick() {
  state_.PositionLocked = !state_.PositionLocked;
  view_.menu[Id(MenuItem::LockPosition)].checked = state_.PositionLocked;
}

}  // namespace mirlo
