#include "app/form1.h"
#include "monitors/monitor_table.h"
#include "viewer/drag_snap.h"
#include "viewer/key_steps.h"

namespace mirlo {

bool TForm1::FormKeyDown(Key key, KeyModifiers modifiers) {
  // Pressing the snapping key mid-drag snaps at once, where the pointer is.
  if (key == kSnapKey && state_.DragArmed) {
    modifiers.ctrl = true;
    FormMouseMove(modifiers);
    return true;
  }
  const KeyCommand c = CommandOfKey(key, modifiers);
  if (c.kind == KeyCommand::None) return false;
  // The viewer's keys are taken even when they do nothing: while the mouse
  // drags the window, and, for moving and sizing, where the mouse would not
  // move it either.
  if (state_.DragArmed) return true;
  switch (c.kind) {
    case KeyCommand::Help:
      HtmlHelpClick();
      break;
    case KeyCommand::Copy:
      CopyPlacementLine();
      break;
    default:
      if (!PlacedByHand()) break;
      view_.bounds = StepWindow(c, view_.bounds, MonitorWorkArea(Monitors(), state_.MonitorIndex),
                                state_.Aspect, MaxRegionWidth(), state_.FrameWidth);
      // Up from the first step until this key is released.
      state_.ReadoutByKey = true;
      state_.ReadoutKey = key;
      Repaint();
      break;
  }
  return true;
}

void TForm1::FormKeyUp(Key key, KeyModifiers modifiers) {
  // Letting go of it mid-drag returns to the exact rules at once.
  if (key == kSnapKey && state_.DragArmed) {
    modifiers.ctrl = false;
    FormMouseMove(modifiers);
  }
  if (state_.ReadoutByKey && key == state_.ReadoutKey) state_.ReadoutByKey = false;
}

void TForm1::FormDeactivate() { state_.ReadoutByKey = false; }

void TForm1::FormContextMenu(std::optional<Point> screen) {
  if (!screen) {
    // From the keyboard: at the viewer's top-left corner, but not while the
    // mouse drags the viewer, when no key does anything.
    if (state_.DragArmed) return;
    screen = Point{view_.bounds.left, view_.bounds.top};
  }
  LetWindowSystemRun([&] { desk_.ShowPopupMenuAt(*screen); });
}

}  // namespace mirlo
