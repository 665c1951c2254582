#!/bin/bash
# Dragging with Ctrl held snaps within 8 pixels: the window flush with the
# work area's edges (above the panel, not the monitor's bottom), the region
# on the work area's centre, the region's width on a menu width. The same
# drags without Ctrl land where the drag rules put the pointer, and letting
# go of Ctrl mid-drag gives that place back at once.
source "$(dirname "$0")/lib.sh"
start_default_viewer
viewer=$WID
# Away from the first press below, so that the two make no double-click.
xdotool mousemove 1000 620 click 1
# Ctrl goes to the viewer wherever the pointer is.
xdotool windowfocus "$viewer"

# snap_drag X Y DX DY: the drag helper with Ctrl held throughout.
snap_drag() {
    xdotool keydown ctrl
    drag "$@"
    xdotool keyup ctrl
}

log "to 5 pixels from the left edge and 6 above the panel: with Ctrl flush with both"
# Pressed at (163, 123) of the window at (797, 457).
snap_drag 960 580 -792 451
expect_viewer_rect 0 914 "$VIEWER_W" "$VIEWER_H"

log "the same drag without Ctrl stops where the pointer puts it"
drag 163 1037 5 -5
expect_viewer_rect 5 909 "$VIEWER_W" "$VIEWER_H"

log "Ctrl let go mid-drag: at once back where the pointer puts the window"
xdotool keydown ctrl
xdotool mousemove 168 1032 mousedown 1
xdotool mousemove 167 1032
expect_viewer_rect 0 914 "$VIEWER_W" "$VIEWER_H"
xdotool keyup ctrl
expect_viewer_rect 4 909 "$VIEWER_W" "$VIEWER_H"
xdotool keydown ctrl
expect_viewer_rect 0 914 "$VIEWER_W" "$VIEWER_H"
xdotool mouseup 1
xdotool keyup ctrl

log "to 5 left of and 4 above the centre: with Ctrl on the centre, where the viewer opens"
snap_drag 163 1037 792 -461
expect_viewer_rect 797 457 "$VIEWER_W" "$VIEWER_H"

log "without Ctrl: 5 left of and 4 above it"
drag 960 580 -5 -4
expect_viewer_rect 792 453 "$VIEWER_W" "$VIEWER_H"
drag 955 576 5 4
expect_viewer_rect 797 457 "$VIEWER_W" "$VIEWER_H"

log "the right edge (lower half) to a region 645 wide: with Ctrl 640 x 480"
# Pressed at (320, 200): the right edge stays 6 right of the pointer.
snap_drag $((797 + 320)) $((457 + 200)) 325 0
expect_viewer_rect 797 457 646 486
log "without Ctrl back to 320, then 645 wide, 645 * 3 / 4 = 483 high"
drag $((797 + 640)) $((457 + 400)) -320 0
expect_viewer_rect 797 457 "$VIEWER_W" "$VIEWER_H"
drag $((797 + 320)) $((457 + 200)) 325 0
expect_viewer_rect 797 457 651 489
