#pragma once
// Where the readout stands: clear of the viewer, so that it never covers the
// region or the strip's row, and still for as long as it can, since every
// move of a window costs the user's steps time.

#include <cstdint>
#include <optional>

#include "platform/desktop_types.h"

namespace mirlo {

// How close the viewer may come to the readout before it moves away.
constexpr int32_t kReadoutClearance = 8;

struct ReadoutDesk {
  Rect work;    // the viewer's monitor's work area
  Rect bounds;  // that monitor's bounds
  Rect window;  // the viewer
  Rect region;  // its region; the strip lies on its top row
  Point size;   // the readout's outer width (x) and height (y)
};

// The readout's rectangle: `now` while it is still clear of the viewer (and
// on the viewer's monitor), else the first clear corner of the work area
// (bottom-right, bottom-left, top-right, top-left), else of the monitor
// (over a task bar), else none. Clear means inside that area, no nearer to
// the window than the clearance, and off the strip's row all across the
// desk. No place beside the viewer is tried: a corner of the work area is
// clear whenever one beside the viewer would be, and it stays where it is
// while the viewer moves.
std::optional<Rect> PlaceReadout(const ReadoutDesk& desk, const std::optional<Rect>& now);

}  // namespace mirlo
