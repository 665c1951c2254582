#include "platform/input.h"

namespace mirlo {

void ButtonDown(Desktop& desk, WindowEvents& events, MouseButton button, Point client,
                bool doubleClick) {
  if (button == MouseButton::Left) {
    desk.SetCapture();
    if (doubleClick) events.OnDoubleClick();
  }
  events.OnMouseDown(button, client.x, client.y);
}

std::vector<int> RadioGroupOthers(const FormDescription& form, int id) {
  bool isRadio = false;
  std::vector<int> others;
  for (const FormControl& c : form.controls) {
    if (c.kind != ControlKind::RadioButton) continue;
    if (c.id == id) {
      isRadio = true;
    } else {
      others.push_back(c.id);
    }
  }
  return isRadio ? others : std::vector<int>{};
}

int ReturnPresses(const FormDescription& form, int focusedPushButton) {
  return focusedPushButton != 0 ? focusedPushButton : form.defaultControl;
}

bool FormKeyDown(FormEvents& events, Key key, KeyModifiers m) {
  if (key == Key::V && m.ctrl && !m.shift && !m.alt) return events.OnPaste();
  return false;
}

}  // namespace mirlo
