#!/bin/bash
# A double-click in full screen brings the window back, and the press it also
# is, held, drags the window at once: pressed at (1000, 600) of the full
# screen, the press falls in the restored window's bottom-right bands, so
# moving to (1900, 700) resizes it. The native tests play the same steps on
# the simulated desktop (InputRulesTest) and expect the same numbers.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix
start_xvfb 1920x1200
set_workareas 0,0,1920,1200
start_viewer
# The work area is the whole monitor: (1920-326)/2, (1200-246)/2.
expect_viewer_at 797 477

log "double-click in the viewer: full screen 4:3"
double_click 960 600
wait_geometry "$WID" "0 0 1920 1200"
wait_strip_match 10 lead=A x0=160 y0=0 x1=1759 y1=1199 checksum=ok region=exact

log "double-click at 1000,600 and hold: back to the window, and a drag from its corner bands"
# One xdotool run, so the second press comes well inside the double-click time.
xdotool mousemove 1000 600 click 1 sleep 0.06 mousedown 1
wait_geometry "$WID" "797 477 326 246"
xdotool mousemove 1900 700
wait_geometry "$WID" "797 477 429 323"
wait_strip_match 10 lead=A x0=800 y0=480 x1=1222 y1=796 at=800,480 checksum=ok region=exact
xdotool mouseup 1
# The release ends the drag: moving on changes nothing.
xdotool mousemove 1500 900
wait_geometry "$WID" "797 477 429 323"
wait_strip_match 10 lead=A x0=800 y0=480 x1=1222 y1=796 checksum=ok region=exact
log "PASS"
