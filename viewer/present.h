#pragma once
// The present step: brings the view the handlers decided to the screen with
// only the window-system calls that change something, in an order that never
// shows a place or a picture passed on the way. The readout gets out of the
// way before the window moves and takes the new numbers after the paint, so
// it never names other numbers than the strip for longer than the step.

#include "platform/desktop.h"
#include "viewer/window_view.h"

namespace mirlo {

class Presenter {
 public:
  // `created` is the window as the window system made it: hidden, its menu
  // as described.
  Presenter(Desktop& desk, WindowView created) : desk_(desk), shown_(std::move(created)) {}

  // Sets the z-order band, takes the strip off, moves, then paints: between
  // the move and the paint no strip names the old place. The paint draws
  // Shown().picture.
  void Present(const WindowView& wanted);

  // What the screen shows now, as far as the program knows.
  const WindowView& Shown() const { return shown_; }
  // The window system reports the window at `bounds`; it may have moved it
  // on its own.
  void WindowIsAt(const Rect& bounds) { shown_.bounds = bounds; }
  // A paint drew `picture`, which was worked out for the window where it is.
  void Drew(const PaintPicture& picture) {
    shown_.bounds = picture.window;
    shown_.picture = picture;
  }

 private:
  void TakeStripOff();
  // The readout: hidden or moved before the window moves, given its text
  // and shown after the paint.
  void ReadoutBeforeMove(const ReadoutView& wanted);
  void ReadoutAfterPaint(const ReadoutView& wanted);

  Desktop& desk_;
  WindowView shown_;
};

}  // namespace mirlo
