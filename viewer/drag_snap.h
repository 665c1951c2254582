#pragma once
// Snapping, asked for by holding Ctrl during a drag: a target within 8
// pixels pulls the pointer onto it, and the drag's own rules then run on
// that pointer, so a snapped window obeys every one of them.

#include <cstdint>

#include "platform/desktop_types.h"
#include "viewer/drag_geometry.h"

namespace mirlo {

constexpr int32_t kSnapDistance = 8;

// The key that asks for snapping while it is held.
constexpr Key kSnapKey = Key::Control;
inline bool SnapHeld(KeyModifiers held) { return held.ctrl; }

// The pointer moved onto the nearest target, or left where it is when none
// lies within reach. A move snaps the window's edges to the work area's
// edges and the region's centre (x0 + w / 2, y0 + h / 2) to the work area's
// centre lines, each axis on its own; on a tie an edge wins. A resize snaps
// the region's width, or in a resize led by the height the width the height
// implies, to the menu's widths up to the largest the monitor allows.
Point SnapPointer(const DragStep& step);

// Where a drag with the snapping key held leaves the window.
Rect SnappedDragTo(const DragStep& step);

}  // namespace mirlo
