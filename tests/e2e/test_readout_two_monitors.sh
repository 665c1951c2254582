#!/bin/bash
# The readout and snapping on the second of three monitors: the label stands
# in a corner of that monitor's own work area and names the region counted
# from that monitor's corner, as the strip does; Ctrl snaps to that work
# area's edge and centre.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix

# 1920x1080 cannot carry the viewer; it opens on the 1280x1024 monitor at
# x 1920, centred on its work area of 1280x1000: left = 1920+(1280-326)/2,
# top = (1000-246)/2.
start_xorg_dummy 1920x1080 1280x1024 1024x768
set_workareas 0,0,1920,1080 1920,0,1280,1000 3200,0,1024,768
start_viewer
export STRIP_ORIGIN="1920 0"
on_second=(--monitor 1280x1024+1920+0)
expect_viewer_at 2397 377 "${on_second[@]}"
viewer=$WID
# Away from the press below, so that the two make no double-click.
xdotool mousemove $((2397 + 200)) $((377 + 160)) click 1
xdotool windowfocus "$viewer"

log "dragged by +50,+30: the numbers count from the monitor's corner"
xdotool mousemove $((2397 + 163)) $((377 + 123)) mousedown 1
xdotool mousemove $((2447 + 163)) $((407 + 123))
wait_geometry "$viewer" "2447 407 $VIEWER_W $VIEWER_H"
wait_readout
expect_readout_agrees "${on_second[@]}"
check_eq "readout text" "(530,410)-(849,649) 320×240" "$READOUT_TEXT"
read -r rx ry rw rh <<<"$READOUT_GEOMETRY"
check_eq "readout in the bottom-right corner of the monitor's work area" "3200 1000" \
    "$((rx + rw)) $((ry + rh))"
xdotool mouseup 1
wait_unmapped "$READOUT_WID"

log "with Ctrl to 4 from the work area's right edge, the monitor's edge: flush"
xdotool keydown ctrl
drag $((2447 + 163)) $((407 + 123)) $((3200 - 326 - 4 - 2447)) 0
xdotool keyup ctrl
wait_geometry "$viewer" "$((3200 - 326)) 407 $VIEWER_W $VIEWER_H"
wait_strip_match 10 lead=A x0=957 y0=410 checksum=ok region=exact -- "${on_second[@]}"

log "with Ctrl to 6 right of the centre: on the centre, where it opened"
xdotool keydown ctrl
drag $((2874 + 163)) $((407 + 123)) $((2397 + 6 - 2874)) $((377 - 407))
xdotool keyup ctrl
wait_geometry "$viewer" "2397 377 $VIEWER_W $VIEWER_H"

log "without Ctrl the same drag stops 6 right of it"
drag $((2397 + 163)) $((377 + 123)) 6 0
wait_geometry "$viewer" "2403 377 $VIEWER_W $VIEWER_H"
wait_strip_match 10 lead=A x0=486 y0=380 checksum=ok region=exact -- "${on_second[@]}"
expect_only_viewer "$viewer"
