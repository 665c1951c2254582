#include "viewer/present.h"

#include <algorithm>

#include "viewer/code_strip.h"
#include "viewer/colors.h"

namespace mirlo {

void Presenter::Present(const WindowView& wanted) {
  // The z-order band first: it moves neither the window nor its picture,
  // and under Wine a window that leaves the topmost band after it has
  // shrunk makes the next change of place slower.
  if (wanted.topmost != shown_.topmost) {
    desk_.SetTopmost(wanted.topmost);
    shown_.topmost = wanted.topmost;
  }
  // The window system may move a window whose state changes, so its
  // rectangle is set again after any change of state.
  const bool stateChanges = wanted.state != shown_.state;
  const bool moves = stateChanges || wanted.bounds != shown_.bounds;
  if (moves && shown_.visible) TakeStripOff();
  ReadoutBeforeMove(wanted.readout);
  if (stateChanges) desk_.SetWindowState(wanted.state);
  if (moves) desk_.SetWindowBounds(wanted.bounds);
  shown_.state = wanted.state;
  shown_.bounds = wanted.bounds;
  if (wanted.visible && (!shown_.visible || wanted.picture != shown_.picture)) {
    // The paint this asks for draws the picture set here, when the window
    // stands where it was made for.
    shown_.picture = wanted.picture;
    if (shown_.visible) {
      desk_.Repaint();
    } else {
      shown_.visible = true;
      desk_.ShowWindow();
    }
  }
  ReadoutAfterPaint(wanted.readout);
  for (const auto& [id, item] : wanted.menu) {
    MenuItemState& shown = shown_.menu[id];
    if (item == shown) continue;
    desk_.SetMenuItem(id, item);
    shown = item;
  }
  if (wanted.cursor != shown_.cursor) {
    desk_.SetCursorShape(wanted.cursor);
    shown_.cursor = wanted.cursor;
  }
}

void Presenter::TakeStripOff() {
  if (!shown_.picture) return;
  // The strip's cells that lie on the region: all of them, but on the empty
  // region of a missing monitor.
  const RegionLayout& r = shown_.picture->region;
  const Rect cells{r.cx, r.cy, r.cx + std::min(2 * kStripCells, r.w), r.cy + std::min(1, r.h)};
  if (cells.left < cells.right && cells.top < cells.bottom) desk_.FillNow(cells, kMagenta);
}

}  // namespace mirlo
