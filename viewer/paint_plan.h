#pragma once
// What one paint of the viewer draws and records, worked out before anything
// is drawn. Two paints with the same picture leave the same pixels.

#include <cstdint>

#include "platform/desktop_types.h"
#include "viewer/code_strip.h"
#include "viewer/region_layout.h"
#include "viewer/viewer_state.h"

namespace mirlo {

// Everything that decides the pixels of a paint.
struct PaintPicture {
  Rect window;          // the window's rectangle, desktop pixels
  RegionLayout region;  // where the region lies, window coordinates
  Rect blackFill;       // the bars' fill in the 4:3 and 16:9 modes, else empty
  StripCells strip{};

  bool operator==(const PaintPicture& o) const {
    return window == o.window && region == o.region && blackFill == o.blackFill &&
           strip == o.strip;
  }
  bool operator!=(const PaintPicture& o) const { return !(*this == o); }
};

enum class AspectMarks { Keep, None, Normal, Wide };

struct PaintPlan {
  PaintPicture picture;
  // Written back into the viewer state after drawing.
  bool recordsLastWindowed = false;
  PresetRecord lastWindowed;
  RegionRecord regionRect;
  int32_t windowLeft = 0, windowTop = 0, regionWidth = 0;
  // The menu: the aspect marks the full-screen modes set, and the widest
  // width item that stays enabled.
  AspectMarks aspectMarks = AspectMarks::Keep;
  int32_t largestWidth = 0;
};

// `window` is the window's rectangle, `bounds` its monitor's (all zero for
// an index outside the table), `largest` that monitor's largest region width.
PaintPlan PlanPaint(const ViewerState& state, const Rect& window, const Rect& bounds,
                    int32_t largest);

}  // namespace mirlo
