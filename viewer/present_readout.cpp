#include "viewer/present.h"

namespace mirlo {

void Presenter::ReadoutBeforeMove(const ReadoutView& wanted) {
  ReadoutView& shown = shown_.readout;
  if (!wanted.visible) {
    if (shown.visible) desk_.ShowReadout(false);
    shown.visible = false;
    return;
  }
  // While the strip is off: a new place may lie where the window was.
  if (wanted.bounds != shown.bounds) {
    desk_.SetReadoutBounds(wanted.bounds);
    shown.bounds = wanted.bounds;
  }
}

void Presenter::ReadoutAfterPaint(const ReadoutView& wanted) {
  if (!wanted.visible) return;
  ReadoutView& shown = shown_.readout;
  if (wanted.text != shown.text || !(wanted.font == shown.font)) {
    desk_.SetReadoutText(wanted.text, wanted.font);
    shown.text = wanted.text;
    shown.font = wanted.font;
  }
  if (!shown.visible) {
    desk_.ShowReadout(true);
    shown.visible = true;
  }
}

}  // namespace mirlo
