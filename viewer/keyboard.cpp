#include "app/form1.h"
#include "monitors/monitor_table.h"
#include "viewer/key_steps.h"

namespace mirlo {

bool TForm1::FormKeyDown(Key key, KeyModifiers modifiers) {
  const KeyCommand c = CommandOfKey(key, modifiers);
  if (c.kind == KeyCommand::None) return false;
  // The viewer's keys are taken even when they do nothing: while the mouse
  // drags the window, and, for moving and sizing, in full screen.
  if (state_.DragArmed) return true;
  switch (c.kind) {
    case KeyCommand::Help:
      HtmlHelpClick();
      break;
    case KeyCommand::Menu: {
      const Rect win = desk_.WindowBounds();
      desk_.ShowPopupMenuAt(Point{win.left, win.top});
      break;
    }
    default: {
      if (state_.DisplayMode > 0) break;
      const Rect n = StepWindow(c, desk_.WindowBounds(), MonitorWorkArea(desk_, state_.MonitorIndex),
                                state_.Aspect, MaxRegionWidth(), state_.FrameWidth);
      desk_.SetWindowBounds(n.left, n.top, n.Width(), n.Height());
      Repaint();
      break;
    }
  }
  return true;
}

}  // namespace mirlo
